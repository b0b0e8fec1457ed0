#include "gamelog/ItemSerialHistoryDlg_win.h"

#include <commctrl.h>

#include <cinttypes>
#include <string>
#include <vector>

#include "base/Format.h"
#include "gamelog/GameLogKinds.h"
#include "gamelog/GameLogQuery.h"
#include "resources/resource.h"
#include "ui/Layout_win.h"
#include "ui/ListView_win.h"

namespace {
// The serial in signed decimal, then the eight texts.
std::vector<std::string> HistoryCells(const SerialHistoryEntry& entry) {
  std::vector<std::string> cells{FormatString(kCaptionChars, "%" PRId64, entry.serial)};
  cells.insert(cells.end(), entry.texts.begin(), entry.texts.end());
  return cells;
}
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
  static const PageCommand<CItemSerialHistoryDlg> kCommands[] = {
      {IDC_HISTORY_COPY, BN_CLICKED, &CItemSerialHistoryDlg::OnCopyToClipboard},
      {IDC_HISTORY_REQUEST_ALL, BN_CLICKED, &CItemSerialHistoryDlg::OnRequestAllHistory},
  };
  static const PageMessage<CItemSerialHistoryDlg> kMessages[] = {
      {WM_DESTROY, &CItemSerialHistoryDlg::OnDestroy},
  };
  static const PageAnchor kLayout[] = {
      {IDC_HISTORY_LIST, kAnchorAll},
  };

  ListPageOptions options;
  options.listId = IDC_HISTORY_LIST;
  options.colourDrawn = true;

  CWin32Dialog::OnInitDialog(wParam, lParam);
  Install(options, PageTables<CItemSerialHistoryDlg>{kCommands, kMessages, {}, kLayout, SerialHistoryColumns()});
  SetListName(FormatString(kCaptionChars, "Serial %" PRId64, m_serial));
  DeleteAllRows(m_hList);
  AppendRows(ListRowsOf(m_entries, HistoryCells));
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

LRESULT CItemSerialHistoryDlg::OnCopyToClipboard(WPARAM, LPARAM) {
  CopyListAndReport(static_cast<int>(SerialHistoryColumns().size()));
  return 0;
}

LRESULT CItemSerialHistoryDlg::OnRequestAllHistory(WPARAM wParam, LPARAM lParam) {
  if (!m_hasShard) return 0;
  OnOK(wParam, lParam);
  SendGameLogQuery(SerialHistoryRequest(m_serviceId, m_serial, "", "", kSerialRowsAll));
  return 0;
}
