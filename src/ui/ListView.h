#pragma once
// Report-style list view helpers. Rows carry a 32-bit item data value.
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Format.h"
#include "base/Platform.h"
#include "ui/ListColumn.h"

// Left-aligned unless asked otherwise (number columns).
void InsertColumn(HWND list, int column, int width, const char* caption, bool rightAligned = false);
// Inserts the columns from the left, in order.
void InsertColumns(HWND list, const ListColumn* columns, size_t count);
void DeleteAllColumns(HWND list);
// Inserts a row at the end; returns its index, or -1.
int AppendRow(HWND list, const char* text, uint32_t data);
// Formats into 4096 bytes (longer text is cut) and sets the cell.
void SetCellText(HWND list, int row, int column, const char* format, ...) KV_PRINTF(4, 5);
// The cell's text cut to 259 characters, as the colour lists draw and copy it. Wine
// garbles the last byte when the list view cuts a text to a small buffer, so the text is
// read through one of 4096 bytes and cut here.
void GetCellText(HWND list, int row, int column, char (&text)[kCellChars]);
uint32_t GetRowData(HWND list, int row);

// Appends rows to a list view with its drawing held back until the batch ends: Wine
// invalidates the list for every row and cell set, a call to its server each, which made
// a 50-row answer take most of a second. The list is invalidated whole at the end and
// paints once, with every row in.
class ListRowBatch {
 public:
  explicit ListRowBatch(HWND list);
  ~ListRowBatch();
  ListRowBatch(const ListRowBatch&) = delete;
  ListRowBatch& operator=(const ListRowBatch&) = delete;

  // Appends a row with the item data and the texts of its first cells (contents, never
  // formats); false when the list takes no more rows.
  bool Append(uint32_t data, const std::string* cells, size_t count);
  template <size_t N>
  bool Append(uint32_t data, const std::array<std::string, N>& cells) {
    return Append(data, cells.data(), N);
  }

 private:
  HWND m_list;
};
void DeleteAllRows(HWND list);
void DeleteRow(HWND list, int row);
// -1 when there is none.
int FirstSelectedRow(HWND list);
int FirstRow(HWND list);
bool RowCheckState(HWND list, int row);
