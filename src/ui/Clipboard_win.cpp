#include "ui/Clipboard_win.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "base/Format.h"
#include "ui/ClipboardText.h"
#include "ui/ColourMarkup.h"
#include "ui/ColourText_win.h"
#include "ui/ListView_win.h"

bool CopyToClipboard(const char* text) {
  std::string plain = StripColourMarks(text, SystemCharStep);
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  bool handedOver = false;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, plain.size() + 1);
  if (block) {
    if (void* target = GlobalLock(block)) {
      memcpy(target, plain.c_str(), plain.size() + 1);
      GlobalUnlock(block);
      handedOver = SetClipboardData(CF_TEXT, block) != nullptr;
    }
    // Once handed over the block is the system's; otherwise it is still ours.
    if (!handedOver) GlobalFree(block);
  }
  CloseClipboard();
  return handedOver;
}

namespace {
void AddRow(ClipboardText& text, HWND list, int row, int columns) {
  char cell[kCellChars];
  for (int column = 0; column < columns; ++column) {
    GetCellText(list, row, column, cell);
    text.AddCell(cell);
  }
  text.EndLine();
}
}  // namespace

std::string ListRowsClipboardText(HWND list, int columns, const std::vector<int>& rows) {
  ClipboardText text;
  for (int row : rows) AddRow(text, list, row, columns);
  return text.Text();
}

bool CopyListToClipboard(HWND list, int columns) {
  ClipboardText text;
  char caption[kCellChars];
  for (int column = 0; column < columns; ++column) {
    GetColumnCaption(list, column, caption);
    text.AddCell(caption);
  }
  text.EndLine();
  int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) AddRow(text, list, row, columns);
  return CopyToClipboard(text.Text().c_str());
}
