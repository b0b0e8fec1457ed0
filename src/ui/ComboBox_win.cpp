#include "ui/ComboBox_win.h"

#include <cstdarg>
#include <cstring>

#include "base/Format.h"

int ComboAdd(HWND combo, uint32_t data, const char* format, ...) {
  char text[kCaptionChars];
  va_list args;
  va_start(args, format);
  FormatBoundedV(text, sizeof text, format, args);
  va_end(args);
  LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  if (index < 0) return -1;
  SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
  return static_cast<int>(index);
}

void ComboFill(HWND combo, ConstSpan<LogChoice> choices) {
  for (const LogChoice& choice : choices) ComboAdd(combo, choice.data, "%s", choice.text);
}

void ComboFill(HWND combo, const std::vector<ChoiceEntry>& entries) {
  for (const ChoiceEntry& entry : entries) ComboAdd(combo, entry.data, "%s", entry.text.c_str());
}

void ComboSelectData(HWND combo, uint32_t data) {
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    if (static_cast<uint32_t>(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == data) {
      ComboSetCurSel(combo, i);
      return;
    }
  }
}

void ComboSelectUserName(HWND combo) {
  static const char kPrefix[] = "User Name";
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // Entries come from ComboAdd and fit 260 characters; a longer one cannot match.
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0 || length >= static_cast<LRESULT>(kCaptionChars)) continue;
    char text[kCaptionChars] = "";
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    if (strncmp(text, kPrefix, sizeof kPrefix - 1) == 0) {
      ComboSetCurSel(combo, i);
      return;
    }
  }
}

uint32_t ComboGetSelData(HWND combo) {
  LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return 0;
  return static_cast<uint32_t>(SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void ComboSetCurSel(HWND combo, int index) { SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

int ComboGetCurSel(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

void ComboReset(HWND combo) { SendMessageA(combo, CB_RESETCONTENT, 0, 0); }
