#include "gamelog/ItemSerialHistoryDlg.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>

#include "base/LogOutput.h"
#include "gamelog/GameLogKinds.h"
#include "gamelog/GameLogQuery.h"
#include "resources/resource.h"
#include "ui/Clipboard_win.h"
#include "ui/Layout.h"
#include "ui/ListColourDraw_win.h"
#include "ui/ListView.h"

namespace {
// Extended list styles: grid lines, header drag-and-drop, full-row selection.
const DWORD kListStyles = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;
}  // namespace

CItemSerialHistoryDlg::CItemSerialHistoryDlg() { m_templateId = IDD_SERIAL_HISTORY; }

CItemSerialHistoryDlg::~CItemSerialHistoryDlg() = default;

void CItemSerialHistoryDlg::AddEntry(const SerialHistoryEntry& entry) { m_entries.push_back(entry); }

void CItemSerialHistoryDlg::SetQuery(const KDShardRecord* shard, int64_t serial) {
  m_hasShard = shard != nullptr;
  m_serviceId = shard ? shard->managerServiceId : 0;
  m_serial = serial;
}

INT_PTR CItemSerialHistoryDlg::Run(HINSTANCE instance, HWND owner) {
  return DoModal(IDD_SERIAL_HISTORY, owner, instance);
}

LRESULT CItemSerialHistoryDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
  typedef LRESULT (CItemSerialHistoryDlg::*Handler)(WPARAM, LPARAM);
  static const struct {
    WORD id, code;
    Handler handler;
  } kCommands[] = {
      {IDC_HISTORY_COPY, BN_CLICKED, &CItemSerialHistoryDlg::OnCopyToClipboard},
      {IDC_HISTORY_REQUEST_ALL, BN_CLICKED, &CItemSerialHistoryDlg::OnRequestAllHistory},
  };
  static const struct {
    UINT message;
    Handler handler;
  } kMessages[] = {
      {WM_NOTIFY, &CItemSerialHistoryDlg::OnListNotify},
      {WM_SIZE, &CItemSerialHistoryDlg::OnSize},
      {WM_DESTROY, &CItemSerialHistoryDlg::OnDestroy},
  };

  CWin32Dialog::OnInitDialog(wParam, lParam);
  m_hList = GetItem(IDC_HISTORY_LIST);
  ListView_SetExtendedListViewStyle(m_hList, LVS_EX_FULLROWSELECT);
  for (const auto& c : kCommands) AddCommandHandler(c.id, c.code, c.handler);
  for (const auto& m : kMessages) AddMessageHandler(m.message, m.handler);
  AddLayout(this, m_hList, kAnchorAll);

  InsertColumns(m_hList, SerialHistoryColumns().entries, SerialHistoryColumns().count);
  ListView_SetExtendedListViewStyle(m_hList, kListStyles);

  DeleteAllRows(m_hList);
  ListRowBatch batch(m_hList);
  for (const SerialHistoryEntry& entry : m_entries) {
    std::array<std::string, 1 + std::tuple_size<decltype(entry.texts)>::value> cells;
    cells[0] = std::to_string(entry.serial);
    std::copy(entry.texts.begin(), entry.texts.end(), cells.begin() + 1);
    if (!batch.Append(0, cells)) break;
  }
  return TRUE;
}

LRESULT CItemSerialHistoryDlg::OnOK(WPARAM wParam, LPARAM lParam) {
  m_entries.clear();
  return CWin32Dialog::OnOK(wParam, lParam);
}

// Escape (Cancel) closes the box too: the lines go with its window whichever way.
LRESULT CItemSerialHistoryDlg::OnDestroy(WPARAM, LPARAM) {
  m_entries.clear();
  return 0;
}

LRESULT CItemSerialHistoryDlg::OnSize(WPARAM, LPARAM) {
  ApplyLayout(this);
  return 0;
}

LRESULT CItemSerialHistoryDlg::OnCopyToClipboard(WPARAM, LPARAM) {
  if (CopyListToClipboard(m_hList, static_cast<int>(SerialHistoryColumns().count)))
    LogOutput(kLogResult, "log data copy to clipboard");
  else
    LogOutput(kLogRefusal, "clipboard is busy; log data not copied");
  return 0;
}

LRESULT CItemSerialHistoryDlg::OnRequestAllHistory(WPARAM wParam, LPARAM lParam) {
  if (!m_hasShard) return 0;
  OnOK(wParam, lParam);
  SendGameLogQuery(SerialHistoryRequest(m_serviceId, m_serial, "", "", kSerialRowsAll));
  return 0;
}

LRESULT CItemSerialHistoryDlg::OnListNotify(WPARAM, LPARAM lParam) {
  const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
  if (!hdr || hdr->hwndFrom != m_hList || hdr->code != static_cast<UINT>(NM_CUSTOMDRAW)) return 0;
  return DrawColourListCell(m_hWnd, lParam);
}
