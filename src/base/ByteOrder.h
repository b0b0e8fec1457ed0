#pragma once
// Little-endian loads and stores for every wire and record layout, and an appending
// writer for the code that builds answers (the stand-in console, tests, encoders beside
// each record's decoder). All integers on the console's wire are little-endian.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline uint16_t LoadLE16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t LoadLE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
inline uint64_t LoadLE64(const uint8_t* p) {
  return static_cast<uint64_t>(LoadLE32(p)) | (static_cast<uint64_t>(LoadLE32(p + 4)) << 32);
}

inline void StoreLE16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void StoreLE32(uint8_t* p, uint32_t v) {
  StoreLE16(p, static_cast<uint16_t>(v));
  StoreLE16(p + 2, static_cast<uint16_t>(v >> 16));
}
inline void StoreLE64(uint8_t* p, uint64_t v) {
  StoreLE32(p, static_cast<uint32_t>(v));
  StoreLE32(p + 4, static_cast<uint32_t>(v >> 32));
}

// Appends fields in wire order to a byte vector it does not own.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>* out) : m_out(out) {}

  void Bytes(const void* data, size_t n) {
    const uint8_t* p = static_cast<const uint8_t*>(data);
    m_out->insert(m_out->end(), p, p + n);
  }
  void U8(uint8_t v) { m_out->push_back(v); }
  void U16(uint16_t v) { Store(v, &StoreLE16, 2); }
  void U32(uint32_t v) { Store(v, &StoreLE32, 4); }
  void U64(uint64_t v) { Store(v, &StoreLE64, 8); }
  // A wire string: 16-bit length and the bytes, no terminator. A text past 65,535 bytes
  // is cut so that the length word stays true.
  void String(const std::string& text) {
    size_t n = text.size() < 0xFFFF ? text.size() : 0xFFFF;
    U16(static_cast<uint16_t>(n));
    Bytes(text.data(), n);
  }

 private:
  template <typename T>
  void Store(T v, void (*store)(uint8_t*, T), size_t n) {
    uint8_t b[8];
    store(b, v);
    Bytes(b, n);
  }

  std::vector<uint8_t>* m_out;
};
