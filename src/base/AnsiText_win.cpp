#include "base/AnsiText.h"

#include <windows.h>

size_t AnsiBytesPerUnit() {
  CPINFO info;
  return GetCPInfo(CP_ACP, &info) ? info.MaxCharSize : 4;
}

bool ConvertUtf16ToAnsiInto(const char* src, size_t units, char* dst, size_t* written) {
  *written = 0;
  if (units == 0) return true;
  const size_t room = units * AnsiBytesPerUnit();
  if (units > 0x7FFFFFFF || room > 0x7FFFFFFF) return false;
  const int n = WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(src), static_cast<int>(units), dst,
                                    static_cast<int>(room), nullptr, nullptr);
  if (n <= 0) return false;
  *written = static_cast<size_t>(n);
  return true;
}
