#include "base/AnsiText.h"

#include <windows.h>

bool ConvertUtf16ToAnsi(const char* src, size_t units, HeapBuffer* out) {
  out->data.reset();
  out->size = 0;
  if (units > 0x7FFFFFFF / 4) return false;
  CPINFO info;
  size_t perUnit = GetCPInfo(CP_ACP, &info) ? info.MaxCharSize : 4;
  // One call into a worst-case buffer instead of a measuring pass over the whole file.
  size_t capacity = units * perUnit;
  if (!out->Allocate(capacity + 1)) return false;
  int written = 0;
  if (units > 0) {
    written = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(src),
                                  static_cast<int>(units), out->data.get(),
                                  static_cast<int>(capacity), nullptr, nullptr);
    if (written <= 0) {
      out->data.reset();
      out->size = 0;
      return false;
    }
  }
  out->data.get()[written] = '\0';
  out->Shrink(static_cast<size_t>(written) + 1);
  out->size = static_cast<size_t>(written);
  return true;
}
