#include "base/AnsiText.h"

#include <cstdint>

#include "base/ByteOrder.h"

bool ConvertUtf16ToAnsi(const char* src, size_t units, HeapBuffer* out) {
  out->data.reset();
  out->size = 0;
  // Three bytes per unit covers every case: a surrogate pair is two units, four bytes.
  if (!out->Allocate(units * 3 + 1)) return false;
  const unsigned char* in = reinterpret_cast<const unsigned char*>(src);
  const unsigned char* end = in + units * 2;
  unsigned char* dst = reinterpret_cast<unsigned char*>(out->data.get());
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
  size_t written = static_cast<size_t>(dst - reinterpret_cast<unsigned char*>(out->data.get()));
  *dst = '\0';
  out->Shrink(written + 1);
  out->size = written;
  return true;
}
