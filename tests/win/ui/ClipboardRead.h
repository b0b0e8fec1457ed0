#pragma once
// The clipboard's plain text, for tests.
#include <windows.h>

#include <string>

inline std::string ClipboardTextNow() {
  std::string text = "<closed>";
  if (!OpenClipboard(nullptr)) return text;
  text = "<none>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) text = p;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}
