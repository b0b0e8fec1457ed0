#include "opslog/KDLogWindow.h"

#include <commctrl.h>

#include <ctime>
#include <iterator>

#include "base/LogOutput.h"
#include "msg/MsgIds.h"
#include "opslog/KDLogCategories.h"
#include "opslog/KDLogRecord.h"
#include "resources/resource.h"
#include "ui/Clipboard_win.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Layout.h"
#include "ui/ListView.h"

namespace {
const int kBeginDaysBack = 30;

const ListColumn kColumns[] = {{"UserName", 100}, {"Catagory", 100}, {"Log", 600}, {"Time", 200}};
}  // namespace

CKDLogWindow::~CKDLogWindow() = default;

bool CKDLogWindow::Create(HINSTANCE instance, HWND parent) {
  typedef LRESULT (CKDLogWindow::*Handler)(WPARAM, LPARAM);
  static const struct {
    WORD id, code;
    Handler handler;
  } kCommands[] = {
      {IDC_KDLOG_QUERY, BN_CLICKED, &CKDLogWindow::OnQuery},
      {IDC_KDLOG_COPY, BN_CLICKED, &CKDLogWindow::OnCopy},
      {IDC_KDLOG_QUERY_BY, CBN_SELCHANGE, &CKDLogWindow::OnQueryByChange},
  };
  static const struct {
    UINT message;
    Handler handler;
  } kMessages[] = {
      {WM_SIZE, &CKDLogWindow::OnSize},
  };
  static const struct {
    uint16_t id;
    CAnswerTable<CKDLogWindow>::Handler handler;
  } kAnswers[] = {
      {kMsgKDLogAnswer, &CKDLogWindow::OnKDLogAnswer},
  };

  if (!CreateModeless(IDD_KDLOG, parent, instance)) return false;
  for (const auto& c : kCommands) AddCommandHandler(c.id, c.code, c.handler);
  for (const auto& m : kMessages) AddMessageHandler(m.message, m.handler);
  for (const auto& a : kAnswers) m_answers.Set(a.id, a.handler);

  m_hList = GetItem(IDC_KDLOG_LIST);
  m_hBeginDate = GetItem(IDC_KDLOG_BEGIN_DATE);
  m_hBeginTime = GetItem(IDC_KDLOG_BEGIN_TIME);
  m_hEndDate = GetItem(IDC_KDLOG_END_DATE);
  m_hEndTime = GetItem(IDC_KDLOG_END_TIME);
  m_hQueryBy = GetItem(IDC_KDLOG_QUERY_BY);
  m_hCategory = GetItem(IDC_KDLOG_CATEGORY);

  SetUpList();
  FillCombos();
  SetUpPickers();
  ShowWindow(GetItem(IDC_KDLOG_QUERY_MORE), SW_HIDE);
  return true;
}

bool CKDLogWindow::Dispatch(CMsg* msg, CMassiveMsg* massive) { return m_answers.Dispatch(this, msg, massive); }

void CKDLogWindow::SetUpList() {
  ListView_SetExtendedListViewStyle(m_hList, LVS_EX_FULLROWSELECT);
  AddLayout(this, m_hList, kAnchorAll);
  InsertColumns(m_hList, kColumns, std::size(kColumns));
}

void CKDLogWindow::FillCombos() {
  // Both boxes sort their entries; the item data travels with each entry.
  for (const KDLogChoice& entry : kKDLogQueryByEntries) ComboAdd(m_hQueryBy, entry.data, "%s", entry.text);
  ComboSelectUserName(m_hQueryBy);
  for (const KDLogChoice& entry : kKDLogFilterEntries) ComboAdd(m_hCategory, entry.data, "%s", entry.text);
  ComboSetCurSel(m_hCategory, 0);
}

void CKDLogWindow::SetUpPickers() {
  time_t now = time(nullptr);
  SetDateTimePickers(m_hWnd, IDC_KDLOG_BEGIN_DATE, IDC_KDLOG_BEGIN_TIME, now - kBeginDaysBack * 86400);
  SetDateTimePickers(m_hWnd, IDC_KDLOG_END_DATE, IDC_KDLOG_END_TIME, now);
}

LRESULT CKDLogWindow::OnSize(WPARAM, LPARAM) {
  ApplyLayout(this);
  return 0;
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
  ListRecords();
}

void CKDLogWindow::ListRecords() {
  ListRowBatch batch(m_hList);
  for (const KDLogRecord& record : m_session.Records()) {
    if (!batch.Append(0, KDLogRowCells(record))) break;
  }
}

LRESULT CKDLogWindow::OnCopy(WPARAM, LPARAM) {
  std::string text;
  if (!m_session.CopyText(&text)) return 0;
  if (CopyToClipboard(text.c_str()))
    LogOutput(kLogResult, "log data copy to clipboard");
  else
    LogOutput(kLogRefusal, "clipboard is busy; log data not copied");
  return 0;
}
