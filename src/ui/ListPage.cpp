#include "ui/ListPage.h"

#include <commctrl.h>

#include "base/LogOutput.h"
#include "ui/Clipboard_win.h"
#include "ui/Layout.h"
#include "ui/ListView.h"

void CListDialog::InstallList(int listId, DWORD listStyles, TableRows<PageAnchor> layout,
                              TableRows<ListColumn> columns) {
  m_hList = GetItem(listId);
  ListView_SetExtendedListViewStyle(m_hList, listStyles);
  for (const PageAnchor& anchor : layout) AddLayout(&m_layouts, m_hWnd, GetItem(anchor.id), anchor.flags);
  InsertColumns(m_hList, columns.begin(), columns.size());
  m_keys.Attach(m_hList);
  AddMessageHandler(CListKeys::FindMessage(), &CListDialog::OnFindMessage);
}

LRESULT CListDialog::OnFindMessage(WPARAM, LPARAM lParam) { return m_keys.OnFindMessage(lParam); }

LRESULT CListDialog::OnSize(WPARAM, LPARAM) {
  ApplyLayout(m_layouts, m_hWnd);
  return 0;
}

void CListDialog::CopyListAndReport(int columns) { ReportCopy(CopyListToClipboard(m_hList, columns)); }

void CListDialog::CopyTextAndReport(const std::string& text) { ReportCopy(CopyToClipboard(text.c_str())); }

std::string CListDialog::RowsCopyText(const std::vector<int>& rows) {
  return ListRowsClipboardText(m_hList, ColumnCount(m_hList), rows);
}

void CListDialog::ReportCopy(bool copied) {
  if (copied)
    LogOutput(kLogResult, "log data copy to clipboard");
  else
    LogOutput(kLogRefusal, "clipboard is busy; log data not copied");
}

void CListDialog::AppendRows(const std::vector<ListRow>& rows) {
  // The list's drawing is held back until every row is in: Wine invalidates the list
  // for each row and cell set, a call to its server each, which made a 50-row answer
  // take most of a second. Invalidated whole at the end, the list paints once.
  SendMessageA(m_hList, WM_SETREDRAW, FALSE, 0);
  for (const ListRow& row : rows) {
    int at = AppendRow(m_hList, "", row.itemData);
    if (at < 0) break;
    for (size_t column = 0; column < row.cells.size(); ++column)
      SetCellText(m_hList, at, static_cast<int>(column), "%s", row.cells[column].c_str());
  }
  SendMessageA(m_hList, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(m_hList, nullptr, TRUE);
}
