#include "ui/ListPage_win.h"

#include <ctime>

#include "base/LogOutput.h"
#include "msg/Console.h"
#include "ui/Clipboard_win.h"
#include "ui/ComboBox_win.h"
#include "ui/DateTimePicker_win.h"
#include "ui/Layout_win.h"
#include "ui/ListView_win.h"
#include "ui/WindowMap_win.h"

void CListDialog::InstallSkeleton(const ListPageOptions& options, ConstSpan<PageAnchor> layout,
                                  ConstSpan<ListColumn> columns) {
  AddMessageHandler(WM_SIZE, &CListDialog::OnSize);
  AddMessageHandler(WM_NOTIFY, &CListDialog::OnListNotify);
  m_hList = GetItem(options.listId);
  if (options.colourDrawn) {
    m_dialogProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CListDialog::ColourDrawDoor)));
  }
  ListView_SetExtendedListViewStyle(m_hList, options.listStyles);
  for (const PageAnchor& anchor : layout) AddLayout(&m_layouts, m_hWnd, GetItem(anchor.id), anchor.flags);
  InsertColumns(m_hList, columns);
  m_keys.Attach(m_hList);
  AddMessageHandler(CListKeys::FindMessage(), &CListDialog::OnFindMessage);

  if (options.shardBox) {
    // The box sorts its entries; each entry's item data travels with it.
    m_hShard = GetItem(options.shardBox);
    ComboFill(m_hShard, ShardEntries());
    ComboSetCurSel(m_hShard, 0);
  }
  m_span = options.span;
  if (options.spanDays > 0) {
    time_t now = time(nullptr);
    SetDateTimePickers(m_hWnd, m_span.beginDate, m_span.beginTime, now - static_cast<time_t>(options.spanDays) * 86400);
    SetDateTimePickers(m_hWnd, m_span.endDate, m_span.endTime, now);
  }
}

LRESULT CALLBACK CListDialog::ColourDrawDoor(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Only a list dialog puts this door in front of its own window.
  CListDialog* page = static_cast<CListDialog*>(WindowMapFind(hwnd));
  if (!page) return CallWindowProcA(DefDlgProcA, hwnd, message, wParam, lParam);
  const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
  if (message == WM_NOTIFY && hdr && hdr->hwndFrom == page->m_hList && hdr->code == static_cast<UINT>(NM_CUSTOMDRAW))
    return AnswerColourListDraw(lParam, &page->m_colourRow);
  return CallWindowProcA(page->m_dialogProc, hwnd, message, wParam, lParam);
}

LRESULT CListDialog::OnFindMessage(WPARAM, LPARAM lParam) { return m_keys.OnFindMessage(lParam); }

LRESULT CListDialog::OnSize(WPARAM, LPARAM) {
  ApplyLayout(m_layouts, m_hWnd);
  return 0;
}

LRESULT CListDialog::OnListNotify(WPARAM wParam, LPARAM lParam) {
  const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
  if (!hdr || hdr->hwndFrom != m_hList) return 0;
  auto it = m_listNotifies.find(hdr->code);
  return it == m_listNotifies.end() ? 0 : (this->*(it->second))(wParam, lParam);
}

std::string CListDialog::SpanBeginText() { return GetDateTimeText(GetItem(m_span.beginDate), GetItem(m_span.beginTime)); }

std::string CListDialog::SpanEndText() { return GetDateTimeText(GetItem(m_span.endDate), GetItem(m_span.endTime)); }

void CListDialog::SetSpan(const SYSTEMTIME& begin, const SYSTEMTIME& end) {
  SetDateTimePickers(m_hWnd, m_span.beginDate, m_span.beginTime, begin);
  SetDateTimePickers(m_hWnd, m_span.endDate, m_span.endTime, end);
}

uint32_t CListDialog::SelectedShardData() { return ComboGetSelData(m_hShard); }

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
