#include "base/Format.h"

#include <cstdio>
#include <cstring>

size_t FormatBoundedV(char* buf, size_t size, const char* format, va_list args) {
  if (size == 0) return 0;
  int n = vsnprintf(buf, size, format, args);
  if (n < 0) {
    buf[0] = '\0';
    return 0;
  }
  return static_cast<size_t>(n) < size ? static_cast<size_t>(n) : size - 1;
}

size_t FormatBounded(char* buf, size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  size_t n = FormatBoundedV(buf, size, format, args);
  va_end(args);
  return n;
}

size_t AppendBounded(char* buf, size_t size, const char* format, ...) {
  size_t used = strnlen(buf, size);
  if (used + 1 >= size) return used;
  va_list args;
  va_start(args, format);
  size_t n = FormatBoundedV(buf + used, size - used, format, args);
  va_end(args);
  return used + n;
}

std::string FormatString(size_t limit, const char* format, ...) {
  std::string out(limit, '\0');
  va_list args;
  va_start(args, format);
  size_t n = FormatBoundedV(&out[0], limit, format, args);
  va_end(args);
  out.resize(n);
  return out;
}

std::string FormatLine(const char* format, ...) {
  // On the stack, so the text keeps only its own length, not the whole buffer.
  char buf[kLineChars];
  va_list args;
  va_start(args, format);
  size_t n = FormatBoundedV(buf, sizeof buf, format, args);
  va_end(args);
  return std::string(buf, n);
}

void CopyBounded(char* dst, size_t size, const char* src) {
  if (size == 0) return;
  size_t n = src ? strnlen(src, size - 1) : 0;
  // A null text copies nothing: memcpy may not be handed a null source, even for 0 bytes.
  if (n) memcpy(dst, src, n);
  dst[n] = '\0';
}

std::string FieldText(const char* field, size_t width) {
  return std::string(field, strnlen(field, width));
}
