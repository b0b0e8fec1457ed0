#pragma once
// Block scanning for the reference file parsers: 64 bytes at a time, each byte class
// of interest (TAB, CR, LF, the terminating zero) becomes one bit per byte of a 64-bit
// mask, so a parser walks separators by bit arithmetic instead of byte by byte. The
// texts run to hundreds of megabytes, and a record file is mostly columns that are
// stepped over unread.
//
// SSE2 is part of every processor that runs the module (x86-64, and 32-bit Windows
// since version 8 requires it).
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#else
#error "the reference file scanners need SSE2"
#endif
#if defined(_MSC_VER)
#include <intrin.h>
#endif

#if defined(__GNUC__)
#define KV_REF_ALWAYS_INLINE __attribute__((always_inline))
#else
#define KV_REF_ALWAYS_INLINE __forceinline
#endif

enum : size_t { kRefBlock = 64 };

// Bit i of a mask stands for byte i of the block.
struct RefBlockMasks {
  uint64_t tabs;
  uint64_t lineEnds;  // CRs directly followed by LF
  uint64_t zeros;
};

namespace ref_scan {

inline uint64_t Movemask64(__m128i a, __m128i b, __m128i c, __m128i d) {
  return static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(a))) |
         static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(b))) << 16 |
         static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(c))) << 32 |
         static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(d))) << 48;
}

inline uint64_t Equal64(const __m128i* v, char value) {
  const __m128i x = _mm_set1_epi8(value);
  return Movemask64(_mm_cmpeq_epi8(v[0], x), _mm_cmpeq_epi8(v[1], x), _mm_cmpeq_epi8(v[2], x),
                    _mm_cmpeq_epi8(v[3], x));
}

inline void Load64(const char* p, __m128i* v) {
  for (int i = 0; i < 4; ++i) v[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
}

}  // namespace ref_scan

// Index of the lowest set bit; x is not 0.
inline unsigned LowBit64(uint64_t x) {
#if defined(__GNUC__)
  return static_cast<unsigned>(__builtin_ctzll(x));
#elif defined(_M_X64)
  unsigned long i;
  _BitScanForward64(&i, x);
  return i;
#else
  unsigned long i;
  if (_BitScanForward(&i, static_cast<uint32_t>(x))) return i;
  _BitScanForward(&i, static_cast<uint32_t>(x >> 32));
  return i + 32;
#endif
}

// Index of the highest set bit; x is not 0.
inline unsigned HighBit64(uint64_t x) {
#if defined(__GNUC__)
  return static_cast<unsigned>(63 - __builtin_clzll(x));
#elif defined(_M_X64)
  unsigned long i;
  _BitScanReverse64(&i, x);
  return i;
#else
  unsigned long i;
  if (_BitScanReverse(&i, static_cast<uint32_t>(x >> 32))) return i + 32;
  _BitScanReverse(&i, static_cast<uint32_t>(x));
  return i;
#endif
}

inline unsigned CountBits64(uint64_t x) {
#if defined(__POPCNT__)
  return static_cast<unsigned>(__builtin_popcountll(x));
#else
  // Without the instruction the compilers call a library routine; this is faster.
  x -= (x >> 1) & 0x5555555555555555ull;
  x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<unsigned>((x * 0x0101010101010101ull) >> 56);
#endif
}

// Bits below the lowest set bit of x; all bits when x is 0.
inline uint64_t BitsBelowLowest(uint64_t x) { return x ? (x & (~x + 1)) - 1 : ~uint64_t(0); }

// Bit i of x as 0 or 1.
inline unsigned BitAt(uint64_t x, unsigned i) { return static_cast<unsigned>(x >> i) & 1u; }

// The separators of the bytes from p up to and including the terminating zero at end,
// when fewer than 64 bytes are left.
inline RefBlockMasks ScanRefTail(const char* p, const char* end) {
  RefBlockMasks m = {0, 0, 0};
  for (unsigned i = 0; i < kRefBlock && p + i <= end; ++i) {
    const char c = p[i];
    if (c == '\t') m.tabs |= uint64_t(1) << i;
    else if (c == '\r' && p[i + 1] == '\n') m.lineEnds |= uint64_t(1) << i;
    else if (c == '\0') m.zeros |= uint64_t(1) << i;
  }
  return m;
}

// The separators of the 64 bytes at p, or of the rest up to the terminating zero at end
// when fewer are left. A CR in the last byte of a block looks one byte ahead for its
// LF, which is there to read: the zero at end comes after it.
KV_REF_ALWAYS_INLINE inline RefBlockMasks ScanRefBlock(const char* p, const char* end) {
  if (end - p < static_cast<ptrdiff_t>(kRefBlock)) return ScanRefTail(p, end);
  using namespace ref_scan;
  RefBlockMasks m = {0, 0, 0};
  __m128i v[4];
  Load64(p, v);
  m.tabs = Equal64(v, '\t');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i zero = _mm_setzero_si128();
  // CRs and zeros are rare (once a line, once a file): one test for all 64 bytes first.
  __m128i any = _mm_setzero_si128();
  for (int i = 0; i < 4; ++i) any = _mm_or_si128(any, _mm_or_si128(_mm_cmpeq_epi8(v[i], cr), _mm_cmpeq_epi8(v[i], zero)));
  if (!_mm_movemask_epi8(any)) return m;
  const uint64_t crs = Equal64(v, '\r');
  m.zeros = Equal64(v, '\0');
  if (crs) {
    const uint64_t lfsBehind = Equal64(v, '\n') >> 1 | static_cast<uint64_t>(p[kRefBlock] == '\n') << 63;
    m.lineEnds = crs & lfsBehind;
  }
  return m;
}

// Bits of the bytes before offset n of a block (n below 64).
inline uint64_t BitsBelow(size_t n) { return (uint64_t(1) << n) - 1; }

// Walks a text's separators block by block, so that each byte is scanned once however
// the text is taken: token by token, many tokens at a time, or line by line. Positions
// only move forward. Separators cut later (overwritten with a zero) stay in the masks
// of their block, which lie behind the position by then.
class RefScanCursor {
 public:
  // end points at the text's terminating zero.
  void Start(char* text, const char* end) {
    m_end = end;
    m_block = text;
    m_masks = ScanRefBlock(text, end);
  }
  // Makes the block holding p current; p lies in it or in one of the next.
  void MoveTo(const char* p) {
    while (p - m_block >= static_cast<ptrdiff_t>(kRefBlock)) NextBlock();
  }
  void NextBlock() {
    m_block += kRefBlock;
    m_masks = ScanRefBlock(m_block, m_end);
  }
  char* Block() const { return m_block; }
  const RefBlockMasks& Masks() const { return m_masks; }
  // Bits of the current block before p.
  uint64_t Before(const char* p) const { return BitsBelow(static_cast<size_t>(p - m_block)); }

 private:
  char* m_block = nullptr;
  const char* m_end = nullptr;
  RefBlockMasks m_masks = {0, 0, 0};
};
