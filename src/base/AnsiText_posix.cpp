#include "base/AnsiText.h"

#include <cstdint>

#include "base/ByteOrder.h"

// A surrogate pair is two units and four bytes; anything else is at most three.
size_t AnsiBytesPerUnit() { return 3; }

bool ConvertUtf16ToAnsiInto(const char* src, size_t units, char* out, size_t* written) {
  const unsigned char* in = reinterpret_cast<const unsigned char*>(src);
  const unsigned char* end = in + units * 2;
  unsigned char* dst = reinterpret_cast<unsigned char*>(out);
  while (in < end) {
    uint32_t c = LoadLE16(in);
    in += 2;
    if (c < 0x80) {
      *dst++ = static_cast<unsigned char>(c);
    } else if (c < 0x800) {
      *dst++ = static_cast<unsigned char>(0xC0 | (c >> 6));
      *dst++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      uint32_t low = in < end ? LoadLE16(in) : 0;
      if (c <= 0xDBFF && low >= 0xDC00 && low <= 0xDFFF) {
        in += 2;
        uint32_t cp = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        *dst++ = static_cast<unsigned char>(0xF0 | (cp >> 18));
        *dst++ = static_cast<unsigned char>(0x80 | ((cp >> 12) & 0x3F));
        *dst++ = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
        *dst++ = static_cast<unsigned char>(0x80 | (cp & 0x3F));
      } else {
        *dst++ = '?';
      }
    } else {
      *dst++ = static_cast<unsigned char>(0xE0 | (c >> 12));
      *dst++ = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
      *dst++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
    }
  }
  *written = static_cast<size_t>(dst - reinterpret_cast<unsigned char*>(out));
  return true;
}
