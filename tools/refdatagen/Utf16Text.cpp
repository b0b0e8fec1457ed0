#include "refdatagen/Utf16Text.h"

#include <cstdint>

#include "base/ByteOrder.h"

namespace {

void PutUnit(std::string& out, uint32_t unit) {
  uint8_t bytes[2];
  StoreLE16(bytes, static_cast<uint16_t>(unit));
  out.append(reinterpret_cast<const char*>(bytes), 2);
}

}  // namespace

bool AppendUtf16LE(std::string& out, const char* utf8, size_t length) {
  const size_t start = out.size();
  const auto* s = reinterpret_cast<const unsigned char*>(utf8);
  size_t i = 0;
  while (i < length) {
    unsigned char lead = s[i];
    if (lead < 0x80) {
      PutUnit(out, lead);
      ++i;
      continue;
    }
    int extra;
    uint32_t cp;
    uint32_t least;
    if ((lead & 0xE0) == 0xC0) {
      extra = 1, cp = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, cp = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, cp = lead & 0x07, least = 0x10000;
    } else {
      out.resize(start);
      return false;
    }
    if (length - i <= static_cast<size_t>(extra)) {
      out.resize(start);
      return false;
    }
    for (int k = 1; k <= extra; ++k) {
      unsigned char next = s[i + static_cast<size_t>(k)];
      if ((next & 0xC0) != 0x80) {
        out.resize(start);
        return false;
      }
      cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.resize(start);
      return false;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      PutUnit(out, 0xD800 | (cp >> 10));
      PutUnit(out, 0xDC00 | (cp & 0x3FF));
    } else {
      PutUnit(out, cp);
    }
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}
