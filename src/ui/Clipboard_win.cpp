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
std::string ListClipboardText(HWND list, int columns) {
  ClipboardText text;
  // Captions are cut to 259 characters as cells are (GetCellText), and for the same
  // reason read through a large buffer.
  char cell[kCellChars];
  for (int column = 0; column < columns; ++column) {
    cell[0] = '\0';
    LVCOLUMNA info = {};
    info.mask = LVCF_TEXT;
    info.pszText = cell;
    info.cchTextMax = static_cast<int>(sizeof cell);
    SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    cell[kCaptionChars - 1] = '\0';
    text.AddCell(cell);
  }
  text.EndLine();
  int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      GetCellText(list, row, column, cell);
      text.AddCell(cell);
    }
    text.EndLine();
  }
  return text.Text();
}
}  // namespace

bool CopyListToClipboard(HWND list, int columns) {
  return CopyToClipboard(ListClipboardText(list, columns).c_str());
}
