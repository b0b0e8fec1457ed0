#include "opslog/ServerEventLogWindow_win.h"

#include <iterator>
#include <tuple>

#include "base/LogOutput.h"
#include "opslog/RelayLogChoices.h"
#include "opslog/ServerEventTexts.h"
#include "refdata/KV_GameRefData.h"
#include "resources/resource.h"

namespace {
const ListColumn kColumns[] = {
    {"ID", 100}, {"Time", 200}, {"ServerEventID", 200}, {"LogType", 200}, {"Description", 400}};
// One column per cell the texts give, and the copy takes them all.
static_assert(std::size(kColumns) == std::tuple_size<ServerEventCells>::value, "a column per cell");

// The Begin and End pickers keep the time at which the dialog was created.
RelayPageSetup ServerEventSetup() {
  RelayPageSetup setup;
  setup.templateId = IDD_SERVEREVENTLOG;
  setup.list.listId = IDC_EVENT_LIST;
  setup.list.shardBox = IDC_EVENT_SHARD;
  setup.list.span = {IDC_EVENT_BEGIN_DATE, IDC_EVENT_BEGIN_TIME, IDC_EVENT_END_DATE, IDC_EVENT_END_TIME};
  setup.target = IDC_EVENT_NAME;
  setup.category = IDC_EVENT_CATEGORY;
  setup.query = IDC_EVENT_QUERY;
  setup.queryMore = IDC_EVENT_QUERY_MORE;
  setup.copy = IDC_EVENT_COPY;
  setup.columns = kColumns;
  setup.categories = kServerEventCategories;
  setup.allCategories = kServerEventCategoryAll;
  return setup;
}
}  // namespace

CServerEventLogWindow::CServerEventLogWindow() : CRelayLogPage(m_log, ServerEventSetup()), m_log(kServerEventLog) {}

CServerEventLogWindow::~CServerEventLogWindow() = default;

bool CServerEventLogWindow::Create(HINSTANCE instance, HWND parent) {
  const CGameRefData* refData = CGameRefData::GetInstance();
  if (!refData) {
    // Not built: no half-made page is left behind the strip.
    LogOutput(kLogMissingEntry, "CGameRefData::GetInstance NULL!!! at the ServerEventLog");
    return false;
  }
  return CreateRelayPage(instance, parent, ServerEventEntries(refData));
}

RelayListedAnswer CServerEventLogWindow::ListAnswer(CMassiveMsg* massive) {
  return ListRelayAnswer(m_log, massive, ServerEventRowCells);
}
