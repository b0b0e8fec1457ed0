#include "gamelog/GameLogWindow_win.h"

#include <commctrl.h>

#include <cinttypes>
#include <ctime>

#include "base/Format.h"
#include "base/LogOutput.h"
#include "gamelog/GameLogKinds.h"
#include "gamelog/ItemSerialHistoryDlg_win.h"
#include "msg/Console.h"
#include "msg/MsgIds.h"
#include "resources/resource.h"
#include "ui/Clipboard_win.h"
#include "ui/ComboBox_win.h"
#include "ui/DateTimePicker_win.h"
#include "ui/Layout_win.h"
#include "ui/ListView_win.h"
#include "ui/Win32Control_PopupMenu_win.h"

namespace {
// Row menu commands.
enum : WORD { kMenuShowHistory = 1, kMenuCopySerial = 2 };
// The second Category entry is "Item": only its rows have a menu.
const int kItemCategoryIndex = 1;
}  // namespace

CGameLogWindow::CGameLogWindow() : m_session(m_refData) {}

CGameLogWindow::~CGameLogWindow() = default;

bool CGameLogWindow::Create(HINSTANCE instance, HWND parent) {
  static const PageCommand<CGameLogWindow> kCommands[] = {
      {IDC_GAMELOG_NEW_QUERY, BN_CLICKED, &CGameLogWindow::OnNewQuery},
      {IDC_GAMELOG_QUERY_MORE, BN_CLICKED, &CGameLogWindow::OnQueryMore},
      {IDC_GAMELOG_SET_DURATION, BN_CLICKED, &CGameLogWindow::OnSetDuration},
      {IDC_GAMELOG_COPY, BN_CLICKED, &CGameLogWindow::OnCopyToClipboard},
      {IDC_GAMELOG_CATEGORY, CBN_SELCHANGE, &CGameLogWindow::OnCategoryChanged},
      {IDC_GAMELOG_QUERY_OPTION, CBN_SELCHANGE, &CGameLogWindow::OnQueryOptionChanged},
      {kMenuShowHistory, 0, &CGameLogWindow::OnShowHistoryBySerial},
      {kMenuCopySerial, 0, &CGameLogWindow::OnCopySerial},
  };
  static const PageNotify<CGameLogWindow> kListNotifies[] = {
      {static_cast<UINT>(NM_RCLICK), &CGameLogWindow::OnRowRightClick},
  };
  static const PageAnswer<CGameLogWindow> kAnswers[] = {
      {kMsgGameLogAnswer, &CGameLogWindow::OnGameLogResult},
      {kMsgRelayAnswer, &CGameLogWindow::OnRelayAnswer},
  };
  static const PageAnchor kLayout[] = {
      {IDC_GAMELOG_LIST, kAnchorAll},
      {IDC_GAMELOG_QUERY_MORE, kAnchorBottomLeft},
  };

  ListPageOptions options;
  options.listId = IDC_GAMELOG_LIST;
  options.colourDrawn = true;
  options.shardBox = IDC_GAMELOG_SHARD;
  options.span = {IDC_GAMELOG_BEGIN_DATE, IDC_GAMELOG_BEGIN_TIME, IDC_GAMELOG_END_DATE, IDC_GAMELOG_END_TIME};

  // The columns come with the first query: they follow its kind.
  if (!CreatePage(instance, parent, IDD_GAMELOG, options, {kCommands, {}, kListNotifies, kLayout, {}}, kAnswers))
    return false;
  m_hCategory = GetItem(IDC_GAMELOG_CATEGORY);
  m_hOption = GetItem(IDC_GAMELOG_QUERY_OPTION);
  ComboFill(m_hCategory, GameLogKinds());
  SetItemInt(IDC_GAMELOG_DAYS, 1, true);
  EnableItem(IDC_GAMELOG_QUERY_OPTION, false);
  EnableItem(IDC_GAMELOG_QUERY_MORE, false);
  EnableItem(IDC_GAMELOG_ITEM_CODENAME, false);

  // A page built again keeps the reference data it already holds.
  if (!m_refDataLoaded) m_refDataLoaded = m_refData.Load();
  if (!m_refDataLoaded) {
    LogOutput(kLogDataError, "cannot load Game Ref Data!!");
    return false;
  }
  // The siege and server event pages, built next, then share this set.
  m_refData.OfferToInstance();
  return true;
}

void CGameLogWindow::ClearGameLog() {
  m_session.ClearGameLog();
  for (int row = 0, rows = ListView_GetItemCount(m_hList); row < rows; ++row)
    SetRowData(m_hList, row, GameLogSession::RowDataWithoutSerial(GetRowData(m_hList, row)));
}

const KDShardRecord* CGameLogWindow::SelectedShard() {
  uint16_t id = static_cast<uint16_t>(SelectedShardData());
  return id ? FindShardRecord(id) : nullptr;
}

GameLogQueryInput CGameLogWindow::ReadInput() {
  GameLogQueryInput input;
  input.shardId = static_cast<uint16_t>(SelectedShardData());
  input.kind = static_cast<uint8_t>(ComboGetSelData(m_hCategory));
  input.option = static_cast<uint8_t>(ComboGetSelData(m_hOption));
  input.charName = GetItemText(IDC_GAMELOG_CHARNAME);
  input.beginText = SpanBeginText();
  input.endText = SpanEndText();
  input.shard = input.shardId ? FindShardRecord(input.shardId) : nullptr;
  input.codeName = GetItemText(IDC_GAMELOG_ITEM_CODENAME);
  return input;
}

LRESULT CGameLogWindow::OnCategoryChanged(WPARAM, LPARAM) {
  uint8_t kind = static_cast<uint8_t>(ComboGetSelData(m_hCategory));
  if (kind != kGameLogKindChar && kind != kGameLogKindItem && kind != kGameLogKindQuest) return 0;
  ::ComboReset(m_hOption);
  ComboFill(m_hOption, GameLogOptionsOf(kind));
  // Selecting the first option here is no option change: the code name edit stays.
  if (kind != kGameLogKindQuest) ComboSetCurSel(m_hOption, 0);
  EnableItem(IDC_GAMELOG_QUERY_OPTION, kind != kGameLogKindQuest);
  return 0;
}

LRESULT CGameLogWindow::OnQueryOptionChanged(WPARAM, LPARAM) {
  bool byCodeName = ComboGetSelData(m_hCategory) == kGameLogKindItem &&
                    ComboGetSelData(m_hOption) == kItemOptionByCodeName;
  EnableItem(IDC_GAMELOG_ITEM_CODENAME, byCodeName);
  return 0;
}

LRESULT CGameLogWindow::OnSetDuration(WPARAM, LPARAM) {
  time_t now = time(nullptr);
  int64_t begin = 0;
  if (!DurationBegin(GetItemInt(IDC_GAMELOG_DAYS, true), now, &begin)) return 0;
  // Both ends or neither: pickers out of step would name a span nobody asked for.
  SYSTEMTIME beginTime, endTime;
  if (!PickerTime(static_cast<time_t>(begin), &beginTime) || !PickerTime(now, &endTime)) {
    LogOutput(kLogRefusal, "please type days");
    return 0;
  }
  SetSpan(beginTime, endTime);
  return 0;
}

LRESULT CGameLogWindow::OnNewQuery(WPARAM, LPARAM) {
  GameLogQueryInput input = ReadInput();
  if (m_session.NewQuery(input)) ApplyColumns(m_session.SetupColumns(input.kind));
  return 0;
}

LRESULT CGameLogWindow::OnQueryMore(WPARAM, LPARAM) {
  if (!m_session.QueryMore(ListView_GetItemCount(m_hList))) return 0;
  EnableItem(IDC_GAMELOG_NEW_QUERY, false);
  EnableItem(IDC_GAMELOG_QUERY_MORE, false);
  return 0;
}

void CGameLogWindow::ApplyColumns(const GameLogColumnSteps& steps) {
  if (steps.deleteRows) DeleteAllRows(m_hList);
  if (!steps.replaceColumns) return;
  DeleteAllColumns(m_hList);
  InsertColumns(m_hList, steps.columns);
}

void CGameLogWindow::OnRelayAnswer(CMsg* msg, CMassiveMsg*) {
  if (msg) SkipRest(msg);
  EnableItem(IDC_GAMELOG_NEW_QUERY, true);
}

void CGameLogWindow::OnGameLogResult(CMsg*, CMassiveMsg* massive) {
  EnableItem(IDC_GAMELOG_NEW_QUERY, true);
  GameLogAnswerSteps steps = m_session.OnAnswer(massive);
  AppendRows(steps.rows);
  if (steps.queryMore != ButtonChange::kLeave)
    EnableItem(IDC_GAMELOG_QUERY_MORE, steps.queryMore == ButtonChange::kEnable);
  if (!steps.whole) return;
  if (steps.queryKind == kGameLogKindSerial) {
    ShowHistory(steps);
    return;
  }
  ReportGameLogCount(steps.rowCount, ListView_GetItemCount(m_hList));
}

void CGameLogWindow::ShowHistory(const GameLogAnswerSteps& steps) {
  const KDShardRecord* shard = m_session.OpensHistory(steps) ? SelectedShard() : nullptr;
  if (!shard) {
    // No box opens: the pending request is over all the same.
    m_session.EndHistory();
    return;
  }
  CItemSerialHistoryDlg box;
  for (const SerialHistoryEntry& entry : steps.history) box.AddEntry(entry);
  box.SetQuery(shard, steps.lastSerial);
  // The console keeps delivering while the box is open; an answer that arrives then is
  // handled as ever (its rows listed, its own box opened over this one). Nothing here
  // refers into the session's lists across the box.
  box.Run(m_hInstance, m_hWnd);
  m_session.EndHistory();
  ReportGameLogCount(steps.rowCount, ListView_GetItemCount(m_hList));
}

LRESULT CGameLogWindow::OnCopyToClipboard(WPARAM, LPARAM) {
  CopyListAndReport(m_session.ColumnCount());
  return 0;
}

LRESULT CGameLogWindow::OnRowRightClick(WPARAM, LPARAM) {
  ShowRowMenu();
  return 0;
}

void CGameLogWindow::ShowRowMenu() {
  if (::ComboGetCurSel(m_hCategory) != kItemCategoryIndex) return;
  int row = FirstSelectedRow(m_hList);
  int64_t serial = 0;
  if (row < 0 || !m_session.SerialOfRow(GetRowData(m_hList, row), &serial)) return;
  m_menuSerial = serial;
  m_menuShown = true;
  CWin32Control_PopupMenu menu;
  menu.AppendItem(MF_STRING, kMenuShowHistory, "%s", "Show History by Serial");
  menu.AppendItem(MF_STRING, kMenuCopySerial, "%s", "Copy Serial To Clipboard");
  // A dismissed menu leaves no serial for a later OK or Cancel (the same ids).
  if (!menu.Track(this)) m_menuShown = false;
}

LRESULT CGameLogWindow::OnCopySerial(WPARAM, LPARAM) {
  if (!m_menuShown) return 0;
  m_menuShown = false;
  CopyToClipboard(FormatString(kCaptionChars, "%" PRId64, m_menuSerial).c_str());
  return 0;
}

LRESULT CGameLogWindow::OnShowHistoryBySerial(WPARAM, LPARAM) {
  if (!m_menuShown) return 0;
  m_menuShown = false;
  m_session.RequestHistory(m_menuSerial, SelectedShard(), SpanBeginText(), SpanEndText());
  return 0;
}
