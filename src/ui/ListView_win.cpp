#include "ui/ListView_win.h"

#include <commctrl.h>

#include <cstdarg>

#include "base/Format.h"

void InsertColumn(HWND list, int column, int width, const char* caption, bool rightAligned) {
  LVCOLUMNA col = {};
  col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  col.fmt = rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
  col.cx = width;
  col.pszText = const_cast<char*>(caption);
  SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
}

void InsertColumns(HWND list, ConstSpan<ListColumn> columns) {
  int at = 0;
  for (const ListColumn& column : columns) InsertColumn(list, at++, column.width, column.caption, column.rightAligned);
}

int ColumnCount(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

void DeleteAllColumns(HWND list) {
  // From the right, so that column 0 goes last.
  for (int column = ColumnCount(list) - 1; column >= 0; --column)
    SendMessageA(list, LVM_DELETECOLUMN, static_cast<WPARAM>(column), 0);
}

int AppendRow(HWND list, const char* text, uint32_t data) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(text);
  item.lParam = static_cast<LPARAM>(data);
  return static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void SetCellText(HWND list, int row, int column, const char* format, ...) {
  char text[kCellChars];
  va_list args;
  va_start(args, format);
  FormatBoundedV(text, sizeof text, format, args);
  va_end(args);
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = text;
  SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void GetCellText(HWND list, int row, int column, char (&text)[kCellChars]) {
  text[0] = '\0';
  ListView_GetItemText(list, row, column, text, static_cast<int>(sizeof text));
  text[kCaptionChars - 1] = '\0';
}

std::string CellText(HWND list, int row, int column) {
  char text[kCellChars] = "";
  ListView_GetItemText(list, row, column, text, static_cast<int>(sizeof text));
  return text;
}

void GetColumnCaption(HWND list, int column, char (&text)[kCellChars]) {
  // Read through a large buffer for the reason GetCellText gives.
  text[0] = '\0';
  LVCOLUMNA info = {};
  info.mask = LVCF_TEXT;
  info.pszText = text;
  info.cchTextMax = static_cast<int>(sizeof text);
  SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
  text[kCaptionChars - 1] = '\0';
}

uint32_t GetRowData(HWND list, int row) {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return static_cast<uint32_t>(item.lParam);
}

void SetRowData(HWND list, int row, uint32_t data) {
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = static_cast<LPARAM>(data);
  SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void DeleteAllRows(HWND list) { SendMessageA(list, LVM_DELETEALLITEMS, 0, 0); }

void DeleteRow(HWND list, int row) { SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0); }

int FirstSelectedRow(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
}

int FirstRow(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_ALL, 0)));
}

bool RowCheckState(HWND list, int row) {
  UINT state = static_cast<UINT>(SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  return (state >> 12) - 1 == 1;
}
