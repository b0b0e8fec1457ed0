#include "opslog/ServerEventLogWindow.h"

#include <commctrl.h>

#include <iterator>
#include <tuple>

#include "base/LogOutput.h"
#include "msg/MsgIds.h"
#include "opslog/RelayLogChoices.h"
#include "opslog/ServerEventTexts.h"
#include "refdata/KV_GameRefData.h"
#include "resources/resource.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Layout.h"
#include "ui/ListView.h"

namespace {
const DWORD kListStyles = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;

const ListColumn kColumns[] = {
    {"ID", 100}, {"Time", 200}, {"ServerEventID", 200}, {"LogType", 200}, {"Description", 400}};
// One column per cell the texts give, and the copy takes them all.
static_assert(std::size(kColumns) == std::tuple_size<ServerEventCells>::value, "a column per cell");
}  // namespace

CServerEventLogWindow::CServerEventLogWindow()
    : CRelayLogPage(kServerEventLog,
                    {IDC_EVENT_BEGIN_DATE, IDC_EVENT_BEGIN_TIME, IDC_EVENT_END_DATE, IDC_EVENT_END_TIME,
                     IDC_EVENT_QUERY_MORE},
                    ServerEventRowCells) {}

CServerEventLogWindow::~CServerEventLogWindow() = default;

bool CServerEventLogWindow::Create(HINSTANCE instance, HWND parent) {
  static const PageCommand<CServerEventLogWindow> kCommands[] = {
      {IDC_EVENT_QUERY, BN_CLICKED, &CServerEventLogWindow::OnQuery},
      {IDC_EVENT_COPY, BN_CLICKED, &CServerEventLogWindow::OnCopyToClipboard},
      {IDC_EVENT_QUERY_MORE, BN_CLICKED, &CServerEventLogWindow::OnQueryMore},
  };
  static const PageAnswer<CServerEventLogWindow> kAnswers[] = {
      {kMsgServerEventAnswer, &CServerEventLogWindow::OnAnswer},
  };
  static const PageAnchor kLayout[] = {
      {IDC_EVENT_LIST, kAnchorAll},
  };

  if (!CreateModeless(IDD_SERVEREVENTLOG, parent, instance)) return false;
  m_hShard = GetItem(IDC_EVENT_SHARD);
  m_hTarget = GetItem(IDC_EVENT_NAME);
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
  for (const ChoiceEntry& event : ServerEventEntries(refData)) ComboAdd(m_hTarget, event.data, "%s", event.text.c_str());
  ComboSetCurSel(m_hTarget, 0);

  Install({IDC_EVENT_LIST, kListStyles, kCommands, {}, kLayout, kColumns}, kAnswers);
  FillCategories();
  // The Begin and End pickers keep the time at which the dialog was created.
  EnableItem(IDC_EVENT_QUERY_MORE, false);
  return true;
}

void CServerEventLogWindow::FillCategories() {
  for (const LogChoice& category : kServerEventCategories) ComboAdd(m_hCategory, category.data, "%s", category.text);
  ComboSetCurSel(m_hCategory, 0);
}

RequestOutcome CServerEventLogWindow::SendQueryMore() { return m_session.QueryMore(); }
