#include "opslog/KDLogWindow_win.h"

#include <commctrl.h>

#include "base/Format.h"
#include "msg/MsgIds.h"
#include "opslog/KDLogCategories.h"
#include "opslog/KDLogRecord.h"
#include "resources/resource.h"
#include "ui/ComboBox_win.h"
#include "ui/Layout_win.h"
#include "ui/ListView_win.h"

namespace {
const int kBeginDaysBack = 30;

const ListColumn kColumns[] = {{"UserName", 100}, {"Catagory", 100}, {"Log", 600}, {"Time", 200}};
}  // namespace

CKDLogWindow::~CKDLogWindow() = default;

bool CKDLogWindow::Create(HINSTANCE instance, HWND parent) {
  static const PageCommand<CKDLogWindow> kCommands[] = {
      {IDC_KDLOG_QUERY, BN_CLICKED, &CKDLogWindow::OnQuery},
      {IDC_KDLOG_COPY, BN_CLICKED, &CKDLogWindow::OnCopyToClipboard},
      {IDC_KDLOG_QUERY_BY, CBN_SELCHANGE, &CKDLogWindow::OnQueryByChange},
  };
  static const PageAnswer<CKDLogWindow> kAnswers[] = {
      {kMsgKDLogAnswer, &CKDLogWindow::OnKDLogAnswer},
  };
  static const PageAnchor kLayout[] = {
      {IDC_KDLOG_LIST, kAnchorAll},
  };
  ListPageOptions options;
  options.listId = IDC_KDLOG_LIST;
  options.listStyles = kListRowSelect;
  options.span = {IDC_KDLOG_BEGIN_DATE, IDC_KDLOG_BEGIN_TIME, IDC_KDLOG_END_DATE, IDC_KDLOG_END_TIME};
  options.spanDays = kBeginDaysBack;

  if (!CreatePage(instance, parent, IDD_KDLOG, options, {kCommands, {}, {}, kLayout, kColumns}, kAnswers)) return false;
  m_hQueryBy = GetItem(IDC_KDLOG_QUERY_BY);
  m_hCategory = GetItem(IDC_KDLOG_CATEGORY);
  // Both boxes sort their entries; the item data travels with each entry.
  ComboFill(m_hQueryBy, kKDLogQueryByEntries);
  ComboSelectUserName(m_hQueryBy);
  ComboFill(m_hCategory, kKDLogFilterEntries);
  ComboSetCurSel(m_hCategory, 0);
  ShowWindow(GetItem(IDC_KDLOG_QUERY_MORE), SW_HIDE);
  return true;
}

LRESULT CKDLogWindow::OnQueryByChange(WPARAM, LPARAM) {
  bool byCategory = ComboGetSelData(m_hQueryBy) == kKDLogByCategory;
  if (byCategory) SetItemText(IDC_KDLOG_USERNAME, "");
  EnableItem(IDC_KDLOG_USERNAME, !byCategory);
  return 0;
}

KDLogQueryInput CKDLogWindow::ReadInput() {
  KDLogQueryInput input;
  input.beginText = SpanBeginText();
  input.endText = SpanEndText();
  input.queryBy = ComboGetSelData(m_hQueryBy);
  if (input.queryBy == kKDLogByUserName) input.userNameField = GetItemText(IDC_KDLOG_USERNAME);
  input.categoryData = ComboGetSelData(m_hCategory);
  return input;
}

LRESULT CKDLogWindow::OnQuery(WPARAM, LPARAM) {
  m_session.Query(ReadInput());
  return 0;
}

void CKDLogWindow::OnKDLogAnswer(CMsg*, CMassiveMsg* massive) {
  DeleteAllRows(m_hList);
  m_session.OnAnswer(massive);
  AppendRows(ListRowsOf(m_session.Records(), KDLogRowCells));
}

LRESULT CKDLogWindow::OnCopyToClipboard(WPARAM, LPARAM) {
  std::string text;
  if (m_session.CopyText(&text)) CopyTextAndReport(text);
  return 0;
}
