#pragma once
// Report-style list view helpers. Rows carry a 32-bit item data value.
#include <windows.h>

#include <cstdint>
#include <string>

#include "base/ConstSpan.h"
#include "base/Format.h"
#include "base/ListColumn.h"
#include "base/Platform.h"

// Left-aligned unless asked otherwise (number columns).
void InsertColumn(HWND list, int column, int width, const char* caption, bool rightAligned = false);
// Inserts the columns from the left, in order.
void InsertColumns(HWND list, ConstSpan<ListColumn> columns);
void DeleteAllColumns(HWND list);
// Inserts a row at the end; returns its index, or -1.
int AppendRow(HWND list, const char* text, uint32_t data);
// Formats into 4096 bytes (longer text is cut) and sets the cell.
void SetCellText(HWND list, int row, int column, const char* format, ...) KV_PRINTF(4, 5);
// The cell's text cut to 259 characters, as the colour lists draw and copy it. Wine
// garbles the last byte when the list view cuts a text to a small buffer, so the text is
// read through one of 4096 bytes and cut here.
void GetCellText(HWND list, int row, int column, char (&text)[kCellChars]);
// The cell's whole text (up to 4095 characters, as SetCellText keeps it).
std::string CellText(HWND list, int row, int column);
// The column's caption, cut to 259 characters as cells are.
void GetColumnCaption(HWND list, int column, char (&text)[kCellChars]);
// The number of columns (those of the list's header).
int ColumnCount(HWND list);
uint32_t GetRowData(HWND list, int row);
void SetRowData(HWND list, int row, uint32_t data);
void DeleteAllRows(HWND list);
void DeleteRow(HWND list, int row);
// -1 when there is none.
int FirstSelectedRow(HWND list);
int FirstRow(HWND list);
bool RowCheckState(HWND list, int row);
