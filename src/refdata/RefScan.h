#pragma once
// Block scanning for the reference file parsers: a block of bytes at a time, each byte
// class of interest (TAB, CR followed by LF, the terminating zero) becomes one bit per
// byte of a mask, so a parser walks separators by bit arithmetic instead of byte by
// byte. The texts run to hundreds of megabytes, and a record file is mostly columns
// that are stepped over unread. A mask is a machine word: 64 bytes a block on 64-bit
// builds, 32 on the 32-bit plug-in, where 64-bit arithmetic would take pairs of
// instructions.
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

#if defined(__x86_64__) || defined(_M_X64)
typedef uint64_t RefMask;
#else
typedef uint32_t RefMask;
#endif
enum : size_t { kRefBlock = sizeof(RefMask) * 8 };

// Bit i of a mask stands for byte i of the block.
struct RefBlockMasks {
  RefMask tabs;
  RefMask lineEnds;  // CRs directly followed by LF
  RefMask zeros;
};

// Index of the lowest set bit; x is not 0.
inline unsigned LowBit(uint32_t x) {
#if defined(__GNUC__)
  return static_cast<unsigned>(__builtin_ctz(x));
#else
  unsigned long i;
  _BitScanForward(&i, x);
  return i;
#endif
}

inline unsigned LowBit(uint64_t x) {
#if defined(__GNUC__)
  return static_cast<unsigned>(__builtin_ctzll(x));
#else
  unsigned long i;
  _BitScanForward64(&i, x);
  return i;
#endif
}

// Index of the highest set bit; x is not 0.
inline unsigned HighBit(uint32_t x) {
#if defined(__GNUC__)
  return static_cast<unsigned>(31 - __builtin_clz(x));
#else
  unsigned long i;
  _BitScanReverse(&i, x);
  return i;
#endif
}

inline unsigned HighBit(uint64_t x) {
#if defined(__GNUC__)
  return static_cast<unsigned>(63 - __builtin_clzll(x));
#else
  unsigned long i;
  _BitScanReverse64(&i, x);
  return i;
#endif
}

// Without the processor's instruction the compilers call a library routine; these are
// faster.
inline unsigned CountBits(uint32_t x) {
#if defined(__POPCNT__)
  return static_cast<unsigned>(__builtin_popcount(x));
#else
  x -= (x >> 1) & 0x55555555u;
  x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0Fu;
  return (x * 0x01010101u) >> 24;
#endif
}

inline unsigned CountBits(uint64_t x) {
#if defined(__POPCNT__)
  return static_cast<unsigned>(__builtin_popcountll(x));
#else
  x -= (x >> 1) & 0x5555555555555555ull;
  x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<unsigned>((x * 0x0101010101010101ull) >> 56);
#endif
}

// Bits below the lowest set bit of x; all bits when x is 0.
inline RefMask BitsBelowLowest(RefMask x) { return x ? (x & (~x + 1)) - 1 : ~RefMask(0); }

// Bits of the bytes before offset n of a block (n below kRefBlock).
inline RefMask BitsBelow(size_t n) { return (RefMask(1) << n) - 1; }

// Bit i of x as 0 or 1.
inline unsigned BitAt(RefMask x, unsigned i) { return static_cast<unsigned>(x >> i) & 1u; }

namespace ref_scan {

// A block as SSE2 registers, written out rather than looped over: left to the
// optimizer, loops over register arrays went through the stack.
struct Block {
  __m128i v0, v1;
#if defined(__x86_64__) || defined(_M_X64)
  __m128i v2, v3;
#endif
};

inline Block Load(const char* p) {
  Block b;
  b.v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  b.v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16));
#if defined(__x86_64__) || defined(_M_X64)
  b.v2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 32));
  b.v3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 48));
#endif
  return b;
}

inline RefMask Bits(__m128i v, int shift) {
  return static_cast<RefMask>(static_cast<uint32_t>(_mm_movemask_epi8(v))) << shift;
}

inline RefMask Equal(const Block& b, char value) {
  const __m128i x = _mm_set1_epi8(value);
  RefMask m = Bits(_mm_cmpeq_epi8(b.v0, x), 0) | Bits(_mm_cmpeq_epi8(b.v1, x), 16);
#if defined(__x86_64__) || defined(_M_X64)
  m |= Bits(_mm_cmpeq_epi8(b.v2, x), 32) | Bits(_mm_cmpeq_epi8(b.v3, x), 48);
#endif
  return m;
}

// Whether any byte of the block is a CR or a zero.
inline bool AnyStop(const Block& b) {
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i zero = _mm_setzero_si128();
  __m128i any = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b.v0, cr), _mm_cmpeq_epi8(b.v0, zero)),
                             _mm_or_si128(_mm_cmpeq_epi8(b.v1, cr), _mm_cmpeq_epi8(b.v1, zero)));
#if defined(__x86_64__) || defined(_M_X64)
  any = _mm_or_si128(any, _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(b.v2, cr), _mm_cmpeq_epi8(b.v2, zero)),
                                       _mm_or_si128(_mm_cmpeq_epi8(b.v3, cr), _mm_cmpeq_epi8(b.v3, zero))));
#endif
  return _mm_movemask_epi8(any) != 0;
}

}  // namespace ref_scan

// The separators of the bytes from p up to end, when at most a block is left. The byte
// at end counts as a zero whatever it holds: it is the terminating zero, or the point
// where the converted text stops for now. A CR right before end is no line end: its LF
// would be at end, and the next token behind it.
inline RefBlockMasks ScanRefTail(const char* p, const char* end) {
  RefBlockMasks m = {0, 0, 0};
  const unsigned n = static_cast<unsigned>(end - p);
  for (unsigned i = 0; i < n; ++i) {
    const char c = p[i];
    if (c == '\t') m.tabs |= RefMask(1) << i;
    else if (c == '\r' && i + 1 < n && p[i + 1] == '\n') m.lineEnds |= RefMask(1) << i;
    else if (c == '\0') m.zeros |= RefMask(1) << i;
  }
  if (n < kRefBlock) m.zeros |= RefMask(1) << n;
  return m;
}

// The separators of the block at p, or of the rest up to end when no more than a block
// is left. A CR in the last byte of a block looks one byte ahead for its LF, which is
// there to read before end.
KV_REF_ALWAYS_INLINE inline RefBlockMasks ScanRefBlock(const char* p, const char* end) {
  if (end - p <= static_cast<ptrdiff_t>(kRefBlock)) return ScanRefTail(p, end);
  using namespace ref_scan;
  RefBlockMasks m = {0, 0, 0};
  const Block b = Load(p);
  m.tabs = Equal(b, '\t');
  // CRs and zeros are rare (once a line, once a file): one test for the whole block first.
  if (!AnyStop(b)) return m;
  const RefMask crs = Equal(b, '\r');
  m.zeros = Equal(b, '\0');
  if (crs) {
    const RefMask lfsBehind =
        Equal(b, '\n') >> 1 | static_cast<RefMask>(p[kRefBlock] == '\n') << (kRefBlock - 1);
    m.lineEnds = crs & lfsBehind;
  }
  return m;
}

// Walks a text's separators block by block, so that each byte is scanned once however
// the text is taken: token by token, many tokens at a time, or line by line. Positions
// only move forward. Separators cut later (overwritten with a zero) stay in the masks
// of their block, which lie behind the position by then.
//
// While the text is still being converted, the scan ends two bytes before what is
// there, so a separator that counts has the bytes behind it (the start of the next
// token, and the byte that tells whether the data ends there) to read. A zero found at
// the end while the text is not complete means the scan needs more text, not that the
// data ends.
class RefScanCursor {
 public:
  // Scans from p (not past the end) of a text converted up to `ready`.
  void Start(char* p, char* ready, bool complete) {
    m_complete = complete;
    m_end = complete ? ready : ready - 2;
    m_block = p;
    m_masks = ScanRefBlock(p, m_end);
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
  // The current block's masks, field by field: one wide copy of them would wait for the
  // narrow stores that made them.
  void CopyMasks(RefBlockMasks* to) const {
    to->tabs = m_masks.tabs;
    to->lineEnds = m_masks.lineEnds;
    to->zeros = m_masks.zeros;
  }
  // Bits of the current block before p.
  RefMask Before(const char* p) const { return BitsBelow(static_cast<size_t>(p - m_block)); }
  // Whether a zero found at p stands for text not converted yet.
  bool NeedsMore(const char* p) const { return p == m_end && !m_complete; }

 private:
  char* m_block = nullptr;
  const char* m_end = nullptr;
  bool m_complete = true;
  RefBlockMasks m_masks = {0, 0, 0};
};
