#include "opslog/KDLogWindow.h"

#include <commctrl.h>

#include <cstring>
#include <ctime>

#include "base/Format.h"
#include "msg/MsgIds.h"
#include "opslog/KDLogCategories.h"
#include "opslog/KDLogRecord.h"
#include "resources/resource.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Layout.h"
#include "ui/ListView.h"

namespace {
const int kBeginDaysBack = 30;

const ListColumn kColumns[] = {{"UserName", 100}, {"Catagory", 100}, {"Log", 600}, {"Time", 200}};

// Selects the first entry whose text begins with "User Name", wherever the sorted box
// put it.
void ComboSelectUserName(HWND combo) {
  static const char kPrefix[] = "User Name";
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // Entries come from ComboAdd and fit 260 characters; a longer one cannot match.
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0 || length >= static_cast<LRESULT>(kCaptionChars)) continue;
    char text[kCaptionChars] = "";
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    if (strncmp(text, kPrefix, sizeof kPrefix - 1) == 0) {
      ComboSetCurSel(combo, i);
      return;
    }
  }
}
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

  if (!CreateModeless(IDD_KDLOG, parent, instance)) return false;
  Install({IDC_KDLOG_LIST, LVS_EX_FULLROWSELECT, kCommands, {}, kLayout, kColumns}, kAnswers);

  m_hBeginDate = GetItem(IDC_KDLOG_BEGIN_DATE);
  m_hBeginTime = GetItem(IDC_KDLOG_BEGIN_TIME);
  m_hEndDate = GetItem(IDC_KDLOG_END_DATE);
  m_hEndTime = GetItem(IDC_KDLOG_END_TIME);
  m_hQueryBy = GetItem(IDC_KDLOG_QUERY_BY);
  m_hCategory = GetItem(IDC_KDLOG_CATEGORY);

  FillCombos();
  SetUpPickers();
  ShowWindow(GetItem(IDC_KDLOG_QUERY_MORE), SW_HIDE);
  return true;
}

void CKDLogWindow::FillCombos() {
  // Both boxes sort their entries; the item data travels with each entry.
  for (const LogChoice& entry : kKDLogQueryByEntries) ComboAdd(m_hQueryBy, entry.data, "%s", entry.text);
  ComboSelectUserName(m_hQueryBy);
  for (const LogChoice& entry : kKDLogFilterEntries) ComboAdd(m_hCategory, entry.data, "%s", entry.text);
  ComboSetCurSel(m_hCategory, 0);
}

void CKDLogWindow::SetUpPickers() {
  time_t now = time(nullptr);
  SetDateTimePickers(m_hWnd, IDC_KDLOG_BEGIN_DATE, IDC_KDLOG_BEGIN_TIME, now - kBeginDaysBack * 86400);
  SetDateTimePickers(m_hWnd, IDC_KDLOG_END_DATE, IDC_KDLOG_END_TIME, now);
}

LRESULT CKDLogWindow::OnQueryByChange(WPARAM, LPARAM) {
  bool byCategory = ComboGetSelData(m_hQueryBy) == kKDLogByCategory;
  if (byCategory) SetItemText(IDC_KDLOG_USERNAME, "");
  EnableItem(IDC_KDLOG_USERNAME, !byCategory);
  return 0;
}

KDLogQueryInput CKDLogWindow::ReadInput() {
  KDLogQueryInput input;
  input.beginText = GetDateTimeText(m_hBeginDate, m_hBeginTime);
  input.endText = GetDateTimeText(m_hEndDate, m_hEndTime);
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
