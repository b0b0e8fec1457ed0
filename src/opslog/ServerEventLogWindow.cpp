#include "opslog/ServerEventLogWindow.h"

#include <commctrl.h>

#include <iterator>

#include "base/LogOutput.h"
#include "msg/MsgIds.h"
#include "opslog/ServerEventTexts.h"
#include "refdata/KV_GameRefData.h"
#include "resources/resource.h"
#include "ui/Clipboard_win.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Layout.h"
#include "ui/ListView.h"

namespace {
const int kCopyColumns = 5;

const ListColumn kColumns[kCopyColumns] = {
    {"ID", 100}, {"Time", 200}, {"ServerEventID", 200}, {"LogType", 200}, {"Description", 400}};
}  // namespace

CServerEventLogWindow::~CServerEventLogWindow() = default;

bool CServerEventLogWindow::Create(HINSTANCE instance, HWND parent) {
  typedef LRESULT (CServerEventLogWindow::*Handler)(WPARAM, LPARAM);
  static const struct {
    WORD id, code;
    Handler handler;
  } kCommands[] = {
      {IDC_EVENT_QUERY, BN_CLICKED, &CServerEventLogWindow::OnQuery},
      {IDC_EVENT_COPY, BN_CLICKED, &CServerEventLogWindow::OnCopyToClipboard},
      {IDC_EVENT_QUERY_MORE, BN_CLICKED, &CServerEventLogWindow::OnQueryMore},
  };
  static const struct {
    UINT message;
    Handler handler;
  } kMessages[] = {
      {WM_SIZE, &CServerEventLogWindow::OnSize},
  };
  static const struct {
    uint16_t id;
    CAnswerTable<CServerEventLogWindow>::Handler handler;
  } kAnswers[] = {
      {kMsgServerEventAnswer, &CServerEventLogWindow::OnServerEventLogAnswer},
  };
  static const struct {
    int id;
    uint8_t anchors;
  } kLayout[] = {
      {IDC_EVENT_LIST, kAnchorAll},
  };

  if (!CreateModeless(IDD_SERVEREVENTLOG, parent, instance)) return false;
  m_hList = GetItem(IDC_EVENT_LIST);
  m_hShard = GetItem(IDC_EVENT_SHARD);
  m_hEvent = GetItem(IDC_EVENT_NAME);
  m_hCategory = GetItem(IDC_EVENT_CATEGORY);
  // Shards and event names sort in their boxes; each entry's item data travels with it.
  for (const ChoiceEntry& shard : ShardEntries()) ComboAdd(m_hShard, shard.data, "%s", shard.text.c_str());
  ComboSetCurSel(m_hShard, 0);

  const CGameRefData* refData = CGameRefData::GetInstance();
  if (!refData) {
    LogOutput(kLogMissingEntry, "CGameRefData::GetInstance NULL!!! at the ServerEventLog");
    // Not built: no half-made page is left behind the strip.
    DestroyWindow(m_hWnd);
    return false;
  }
  for (const ChoiceEntry& event : ServerEventEntries(refData)) ComboAdd(m_hEvent, event.data, "%s", event.text.c_str());
  ComboSetCurSel(m_hEvent, 0);

  for (const auto& c : kCommands) AddCommandHandler(c.id, c.code, c.handler);
  for (const auto& m : kMessages) AddMessageHandler(m.message, m.handler);
  for (const auto& a : kAnswers) m_answers.Set(a.id, a.handler);
  for (const auto& l : kLayout) AddLayout(this, GetItem(l.id), l.anchors);
  SetUpList();
  // The Begin and End pickers keep the time at which the dialog was created.
  EnableItem(IDC_EVENT_QUERY_MORE, false);
  return true;
}

bool CServerEventLogWindow::Dispatch(CMsg* msg, CMassiveMsg* massive) {
  return m_answers.Dispatch(this, msg, massive);
}

void CServerEventLogWindow::SetUpList() {
  ListView_SetExtendedListViewStyle(m_hList, LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT);
  InsertColumns(m_hList, kColumns, std::size(kColumns));
  for (const LogChoice& category : kServerEventCategories) ComboAdd(m_hCategory, category.data, "%s", category.text);
  ComboSetCurSel(m_hCategory, 0);
}

LRESULT CServerEventLogWindow::OnSize(WPARAM, LPARAM) {
  ApplyLayout(this);
  return 0;
}

LRESULT CServerEventLogWindow::OnQuery(WPARAM, LPARAM) {
  EnableItem(IDC_EVENT_QUERY_MORE, false);
  DeleteAllRows(m_hList);
  ServerEventQueryInput input;
  input.beginText = GetDateTimeText(GetItem(IDC_EVENT_BEGIN_DATE), GetItem(IDC_EVENT_BEGIN_TIME));
  input.endText = GetDateTimeText(GetItem(IDC_EVENT_END_DATE), GetItem(IDC_EVENT_END_TIME));
  input.categoryData = ComboGetSelData(m_hCategory);
  input.shardData = ComboGetSelData(m_hShard);
  input.eventData = ComboGetSelData(m_hEvent);
  m_session.Query(input);
  return 0;
}

LRESULT CServerEventLogWindow::OnQueryMore(WPARAM, LPARAM) {
  // While an answer is awaited the button is already disabled: every query disables
  // it and only an answer enables it.
  EnableItem(IDC_EVENT_QUERY_MORE, false);
  m_session.QueryMore();
  return 0;
}

void CServerEventLogWindow::OnServerEventLogAnswer(CMsg*, CMassiveMsg* massive) {
  ServerEventLogAnswer answer = m_session.OnAnswer(massive);
  ListRows(answer);
  // A failed query leaves the list and the button as they were.
  if (!answer.failed) EnableItem(IDC_EVENT_QUERY_MORE, answer.MoreRows());
}

void CServerEventLogWindow::ListRows(const ServerEventLogAnswer& answer) {
  ListRowBatch batch(m_hList);
  for (const ServerEventLogRow& row : answer.rows) {
    if (!batch.Append(0, ServerEventRowCells(row))) break;
  }
}

LRESULT CServerEventLogWindow::OnCopyToClipboard(WPARAM, LPARAM) {
  if (CopyListToClipboard(m_hList, kCopyColumns))
    LogOutput(kLogResult, "log data copy to clipboard");
  else
    LogOutput(kLogRefusal, "clipboard is busy; log data not copied");
  return 0;
}
