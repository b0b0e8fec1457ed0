#include "opslog/SiegeLogWindow_win.h"

#include <iterator>
#include <tuple>

#include "opslog/RelayLogChoices.h"
#include "opslog/SiegeLogTexts.h"
#include "refdata/KV_GameRefData.h"
#include "resources/resource.h"

namespace {
const int kBeginDaysBack = 30;

const ListColumn kColumns[] = {{"Event", 200}, {"Description", 400}, {"Time", 150}};
// One column per cell the texts give, and the copy takes them all.
static_assert(std::size(kColumns) == std::tuple_size<SiegeLogCells>::value, "a column per cell");

RelayPageSetup SiegeSetup() {
  RelayPageSetup setup;
  setup.templateId = IDD_SIEGELOG;
  setup.list.listId = IDC_SIEGE_LIST;
  setup.list.colourDrawn = true;
  setup.list.shardBox = IDC_SIEGE_SHARD;
  setup.list.span = {IDC_SIEGE_BEGIN_DATE, IDC_SIEGE_BEGIN_TIME, IDC_SIEGE_END_DATE, IDC_SIEGE_END_TIME};
  setup.list.spanDays = kBeginDaysBack;
  setup.target = IDC_SIEGE_FORTRESS;
  setup.category = IDC_SIEGE_CATEGORY;
  setup.query = IDC_SIEGE_QUERY;
  setup.queryMore = IDC_SIEGE_QUERY_MORE;
  setup.copy = IDC_SIEGE_COPY;
  setup.columns = kColumns;
  setup.categories = kSiegeLogCategories;
  setup.allCategories = kSiegeLogCategoryAll;
  return setup;
}
}  // namespace

CSiegeLogWindow::CSiegeLogWindow() : CRelayLogPage(m_log, SiegeSetup()), m_log(kSiegeLog) {}

CSiegeLogWindow::~CSiegeLogWindow() = default;

bool CSiegeLogWindow::Create(HINSTANCE instance, HWND parent) {
  return CreateRelayPage(instance, parent, SiegeFortressEntries(CGameRefData::GetInstance()));
}

RelayListedAnswer CSiegeLogWindow::ListAnswer(CMassiveMsg* massive) {
  return ListRelayAnswer(m_log, massive, SiegeLogRowCells);
}
