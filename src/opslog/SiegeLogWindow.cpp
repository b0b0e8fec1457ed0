#include "opslog/SiegeLogWindow.h"

#include <commctrl.h>

#include <iterator>
#include <tuple>

#include <ctime>

#include "msg/MsgIds.h"
#include "opslog/RelayLogChoices.h"
#include "opslog/SiegeLogTexts.h"
#include "refdata/KV_GameRefData.h"
#include "resources/resource.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Layout.h"
#include "ui/ListColourDraw_win.h"
#include "ui/ListView.h"

namespace {
const int kBeginDaysBack = 30;
const DWORD kListStyles = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;

const ListColumn kColumns[] = {{"Event", 200}, {"Description", 400}, {"Time", 150}};
// One column per cell the texts give, and the copy takes them all.
static_assert(std::size(kColumns) == std::tuple_size<SiegeLogCells>::value, "a column per cell");
}  // namespace

CSiegeLogWindow::CSiegeLogWindow()
    : CRelayLogPage(kSiegeLog,
                    {IDC_SIEGE_BEGIN_DATE, IDC_SIEGE_BEGIN_TIME, IDC_SIEGE_END_DATE, IDC_SIEGE_END_TIME,
                     IDC_SIEGE_QUERY_MORE},
                    SiegeLogRowCells) {}

CSiegeLogWindow::~CSiegeLogWindow() = default;

bool CSiegeLogWindow::Create(HINSTANCE instance, HWND parent) {
  static const PageCommand<CSiegeLogWindow> kCommands[] = {
      {IDC_SIEGE_QUERY, BN_CLICKED, &CSiegeLogWindow::OnQuery},
      {IDC_SIEGE_COPY, BN_CLICKED, &CSiegeLogWindow::OnCopyToClipboard},
      {IDC_SIEGE_QUERY_MORE, BN_CLICKED, &CSiegeLogWindow::OnQueryMore},
  };
  static const PageMessage<CSiegeLogWindow> kMessages[] = {
      {WM_NOTIFY, &CSiegeLogWindow::OnNotify},
  };
  static const PageAnswer<CSiegeLogWindow> kAnswers[] = {
      {kMsgSiegeLogAnswer, &CSiegeLogWindow::OnAnswer},
  };
  static const PageAnchor kLayout[] = {
      {IDC_SIEGE_LIST, kAnchorAll},
  };

  if (!CreateModeless(IDD_SIEGELOG, parent, instance)) return false;
  m_hShard = GetItem(IDC_SIEGE_SHARD);
  m_hTarget = GetItem(IDC_SIEGE_FORTRESS);
  m_hCategory = GetItem(IDC_SIEGE_CATEGORY);
  FillChoices();

  Install({IDC_SIEGE_LIST, kListStyles, kCommands, kMessages, kLayout, kColumns}, kAnswers);
  FillCategories();

  time_t now = time(nullptr);
  SetDateTimePickers(m_hWnd, IDC_SIEGE_BEGIN_DATE, IDC_SIEGE_BEGIN_TIME, now - kBeginDaysBack * 86400);
  SetDateTimePickers(m_hWnd, IDC_SIEGE_END_DATE, IDC_SIEGE_END_TIME, now);
  ShowWindow(GetItem(IDC_SIEGE_QUERY_MORE), SW_SHOW);
  EnableItem(IDC_SIEGE_QUERY_MORE, false);
  return true;
}

void CSiegeLogWindow::FillChoices() {
  // Shards and fortresses sort in their boxes; each entry's item data travels with it.
  for (const ChoiceEntry& shard : ShardEntries()) ComboAdd(m_hShard, shard.data, "%s", shard.text.c_str());
  ComboSetCurSel(m_hShard, 0);
  // Without reference data the list stays empty, and every query is refused for it.
  for (const ChoiceEntry& fortress : SiegeFortressEntries(CGameRefData::GetInstance()))
    ComboAdd(m_hTarget, fortress.data, "%s", fortress.text.c_str());
  ComboSetCurSel(m_hTarget, 0);
}

void CSiegeLogWindow::FillCategories() {
  int all = -1;
  for (const LogChoice& category : kSiegeLogCategories) {
    int at = ComboAdd(m_hCategory, category.data, "%s", category.text);
    if (category.data == kSiegeLogCategoryAll) all = at;
  }
  ComboSetCurSel(m_hCategory, all);
}

LRESULT CSiegeLogWindow::OnNotify(WPARAM, LPARAM lParam) {
  const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
  if (hdr && hdr->hwndFrom == m_hList && hdr->code == NM_CUSTOMDRAW) return DrawColourListCell(m_hWnd, lParam);
  return 0;
}

RequestOutcome CSiegeLogWindow::SendQueryMore() {
  return m_session.QueryMore(ComboGetSelData(m_hShard), ComboGetSelData(m_hTarget));
}
