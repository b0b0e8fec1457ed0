#include "opslog/SiegeLogWindow.h"

#include <commctrl.h>

#include <ctime>
#include <iterator>

#include "base/LogOutput.h"
#include "msg/MsgIds.h"
#include "opslog/SiegeLogTexts.h"
#include "refdata/KV_GameRefData.h"
#include "resources/resource.h"
#include "ui/Clipboard_win.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Layout.h"
#include "ui/ListColourDraw_win.h"
#include "ui/ListView.h"

namespace {
const int kBeginDaysBack = 30;
const int kCopyColumns = 3;

const ListColumn kColumns[kCopyColumns] = {{"Event", 200}, {"Description", 400}, {"Time", 150}};
}  // namespace

CSiegeLogWindow::~CSiegeLogWindow() = default;

bool CSiegeLogWindow::Create(HINSTANCE instance, HWND parent) {
  typedef LRESULT (CSiegeLogWindow::*Handler)(WPARAM, LPARAM);
  static const struct {
    WORD id, code;
    Handler handler;
  } kCommands[] = {
      {IDC_SIEGE_QUERY, BN_CLICKED, &CSiegeLogWindow::OnQuery},
      {IDC_SIEGE_COPY, BN_CLICKED, &CSiegeLogWindow::OnCopyToClipboard},
      {IDC_SIEGE_QUERY_MORE, BN_CLICKED, &CSiegeLogWindow::OnQueryMore},
  };
  static const struct {
    UINT message;
    Handler handler;
  } kMessages[] = {
      {WM_SIZE, &CSiegeLogWindow::OnSize},
      {WM_NOTIFY, &CSiegeLogWindow::OnNotify},
  };
  static const struct {
    uint16_t id;
    CAnswerTable<CSiegeLogWindow>::Handler handler;
  } kAnswers[] = {
      {kMsgSiegeLogAnswer, &CSiegeLogWindow::OnSiegeLogAnswer},
  };
  static const struct {
    int id;
    uint8_t anchors;
  } kLayout[] = {
      {IDC_SIEGE_LIST, kAnchorAll},
  };

  if (!CreateModeless(IDD_SIEGELOG, parent, instance)) return false;
  m_hList = GetItem(IDC_SIEGE_LIST);
  m_hShard = GetItem(IDC_SIEGE_SHARD);
  m_hFortress = GetItem(IDC_SIEGE_FORTRESS);
  m_hCategory = GetItem(IDC_SIEGE_CATEGORY);
  FillChoices();

  for (const auto& c : kCommands) AddCommandHandler(c.id, c.code, c.handler);
  for (const auto& m : kMessages) AddMessageHandler(m.message, m.handler);
  for (const auto& a : kAnswers) m_answers.Set(a.id, a.handler);
  for (const auto& l : kLayout) AddLayout(this, GetItem(l.id), l.anchors);
  SetUpList();

  time_t now = time(nullptr);
  SetDateTimePickers(m_hWnd, IDC_SIEGE_BEGIN_DATE, IDC_SIEGE_BEGIN_TIME, now - kBeginDaysBack * 86400);
  SetDateTimePickers(m_hWnd, IDC_SIEGE_END_DATE, IDC_SIEGE_END_TIME, now);
  ShowWindow(GetItem(IDC_SIEGE_QUERY_MORE), SW_SHOW);
  EnableItem(IDC_SIEGE_QUERY_MORE, false);
  return true;
}

bool CSiegeLogWindow::Dispatch(CMsg* msg, CMassiveMsg* massive) { return m_answers.Dispatch(this, msg, massive); }

void CSiegeLogWindow::FillChoices() {
  // Shards and fortresses sort in their boxes; each entry's item data travels with it.
  for (const ChoiceEntry& shard : ShardEntries()) ComboAdd(m_hShard, shard.data, "%s", shard.text.c_str());
  ComboSetCurSel(m_hShard, 0);
  // Without reference data the list stays empty, and every query is refused for it.
  for (const ChoiceEntry& fortress : SiegeFortressEntries(CGameRefData::GetInstance()))
    ComboAdd(m_hFortress, fortress.data, "%s", fortress.text.c_str());
  ComboSetCurSel(m_hFortress, 0);
}

void CSiegeLogWindow::SetUpList() {
  ListView_SetExtendedListViewStyle(m_hList, LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT);
  InsertColumns(m_hList, kColumns, std::size(kColumns));
  int all = -1;
  for (const LogChoice& category : kSiegeLogCategories) {
    int at = ComboAdd(m_hCategory, category.data, "%s", category.text);
    if (category.data == kSiegeLogCategoryAll) all = at;
  }
  ComboSetCurSel(m_hCategory, all);
}

LRESULT CSiegeLogWindow::OnSize(WPARAM, LPARAM) {
  ApplyLayout(this);
  return 0;
}

LRESULT CSiegeLogWindow::OnNotify(WPARAM, LPARAM lParam) {
  const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
  if (hdr && hdr->hwndFrom == m_hList && hdr->code == NM_CUSTOMDRAW) return DrawColourListCell(m_hWnd, lParam);
  return 0;
}

LRESULT CSiegeLogWindow::OnQuery(WPARAM, LPARAM) {
  EnableItem(IDC_SIEGE_QUERY_MORE, false);
  DeleteAllRows(m_hList);
  SiegeLogQueryInput input;
  input.beginText = GetDateTimeText(GetItem(IDC_SIEGE_BEGIN_DATE), GetItem(IDC_SIEGE_BEGIN_TIME));
  input.endText = GetDateTimeText(GetItem(IDC_SIEGE_END_DATE), GetItem(IDC_SIEGE_END_TIME));
  input.categoryData = ComboGetSelData(m_hCategory);
  input.shardData = ComboGetSelData(m_hShard);
  input.fortressData = ComboGetSelData(m_hFortress);
  m_session.Query(input);
  return 0;
}

LRESULT CSiegeLogWindow::OnQueryMore(WPARAM, LPARAM) {
  // While an answer is awaited the button is already disabled: every query disables
  // it and only an answer enables it.
  EnableItem(IDC_SIEGE_QUERY_MORE, false);
  m_session.QueryMore(ComboGetSelData(m_hShard), ComboGetSelData(m_hFortress));
  return 0;
}

void CSiegeLogWindow::OnSiegeLogAnswer(CMsg*, CMassiveMsg* massive) {
  SiegeLogAnswer answer = m_session.OnAnswer(massive);
  ListRows(answer);
  // A failed query leaves the list and the button as they were.
  if (!answer.failed) EnableItem(IDC_SIEGE_QUERY_MORE, answer.MoreRows());
}

void CSiegeLogWindow::ListRows(const SiegeLogAnswer& answer) {
  // The row colour is 0.
  ListRowBatch batch(m_hList);
  for (const SiegeLogRow& row : answer.rows) {
    if (!batch.Append(0, SiegeLogRowCells(row))) break;
  }
}

LRESULT CSiegeLogWindow::OnCopyToClipboard(WPARAM, LPARAM) {
  if (CopyListToClipboard(m_hList, kCopyColumns))
    LogOutput(kLogResult, "log data copy to clipboard");
  else
    LogOutput(kLogRefusal, "clipboard is busy; log data not copied");
  return 0;
}
