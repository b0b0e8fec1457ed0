#pragma once
// Token syntax of the reference files, shared by both parsers.
//
// A token runs up to the next TAB or the next CR immediately followed by LF; the
// separator is consumed. A lone CR or LF is an ordinary character, and there is no
// quoting, escaping or trimming. Two TABs in a row give an empty token, which keeps
// its column. After a separator, a terminating zero means the data is exhausted; data
// that ends without a separator still yields its last token.
//
// Tokens are cut in place: the separator's first byte is overwritten with a zero, so a
// token is a C string inside the file text and nothing is copied.
#include <cstddef>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define KV_REF_SSE2 1
#if defined(_MSC_VER)
#include <intrin.h>
#endif
#endif

// Tokens must fit the 1 MiB token buffer of the file format: at most this many bytes.
enum : size_t { kRefTokenLimit = 0x100000 - 1, kRefLineLimit = 0x100000 - 1 };

struct RefTokenCut {
  char* next;       // where the next token starts; null when the data is exhausted
  char* after;      // behind the separator (at the terminating zero when there was none)
  size_t length;    // bytes of the token
  bool endsLine;    // the separator was CR LF, or the data ended
};

// First byte at or after p that may end a token (TAB, CR or the terminating zero; LF
// and the other control bytes below CR are let through too and sorted out by the
// caller). end points at the terminating zero. Texts run long in the text files, so
// whole words are tested at a time where the buffer allows it.
inline char* FindRefSpecial(char* p, const char* end) {
  const size_t ones = ~size_t(0) / 255;
  while (end - p >= static_cast<ptrdiff_t>(sizeof(size_t))) {
    size_t word;
    memcpy(&word, p, sizeof word);
    // Some byte of the word is below 0x0E (the classic "has less than" test).
    if ((word - ones * 0x0E) & ~word & ones * 0x80) break;
    p += sizeof word;
  }
  while (static_cast<unsigned char>(*p) > '\r') ++p;
  return p;
}

// Cuts the token that starts at p; p must not point at the terminating zero, which
// end points at.
inline RefTokenCut CutRefToken(char* p, const char* end) {
  char* start = p;
  for (;;) {
    p = FindRefSpecial(p, end);
    char c = *p;
    if (c == '\t') {
      *p = '\0';
      RefTokenCut cut{p + 1, p + 1, static_cast<size_t>(p - start), false};
      if (*cut.next == '\0') cut.next = nullptr;
      return cut;
    }
    if (c == '\r' && p[1] == '\n') {
      *p = '\0';
      RefTokenCut cut{p + 2, p + 2, static_cast<size_t>(p - start), true};
      if (*cut.next == '\0') cut.next = nullptr;
      return cut;
    }
    if (c == '\0') return RefTokenCut{nullptr, p, static_cast<size_t>(p - start), true};
    ++p;
  }
}

// Steps over the token that starts at p without cutting it: where the next one starts
// (null when the data is exhausted), and the token's length.
inline char* SkipRefToken(char* p, const char* end, size_t* length) {
  char* start = p;
  for (;;) {
    p = FindRefSpecial(p, end);
    char c = *p;
    if (c == '\t' || (c == '\r' && p[1] == '\n')) {
      *length = static_cast<size_t>(p - start);
      p += c == '\t' ? 1 : 2;
      return *p ? p : nullptr;
    }
    if (c == '\0') {
      *length = static_cast<size_t>(p - start);
      return nullptr;
    }
    ++p;
  }
}

// Word-at-a-time helpers for skipping many short tokens (little-endian byte order).
namespace ref_word {

const size_t kOnes = ~size_t(0) / 255;

// 0x80 in every byte of word that equals value, exactly (no false positives).
inline size_t BytesEqual(size_t word, unsigned char value) {
  const size_t x = word ^ (kOnes * value);
  const size_t low7 = kOnes * 0x7F;
  return ~(((x & low7) + low7) | x | low7);
}

// Marks sit in bit 7 of their bytes: shifted to bit 0, one multiplication sums them
// into the top byte.
inline unsigned CountMarks(size_t marks) {
  return static_cast<unsigned>(((marks >> 7) * kOnes) >> (8 * (sizeof(size_t) - 1)));
}

// Byte index of the lowest / highest marked byte; marks is not 0.
inline unsigned FirstMark(size_t marks) {
#if defined(__GNUC__)
  return static_cast<unsigned>(__builtin_ctzll(marks)) / 8;
#else
  unsigned i = 0;
  while (!(marks & 0x80)) marks >>= 8, ++i;
  return i;
#endif
}

inline unsigned LastMark(size_t marks) {
#if defined(__GNUC__)
  return static_cast<unsigned>(63 - __builtin_clzll(marks)) / 8;
#else
  unsigned i = 0;
  while (marks >>= 8) ++i;
  return i;
#endif
}

#if KV_REF_SSE2
// Bit masks of 16 bytes (bit i = byte i).
inline unsigned CountBits16(unsigned x) {
  x = x - ((x >> 1) & 0x5555);
  x = (x & 0x3333) + ((x >> 2) & 0x3333);
  x = (x + (x >> 4)) & 0x0F0F;
  return (x + (x >> 8)) & 0x1F;
}

inline unsigned LowBit16(unsigned x) {
#if defined(_MSC_VER)
  unsigned long i;
  _BitScanForward(&i, x);
  return i;
#else
  return static_cast<unsigned>(__builtin_ctz(x));
#endif
}

inline unsigned HighBit16(unsigned x) {
#if defined(_MSC_VER)
  unsigned long i;
  _BitScanReverse(&i, x);
  return i;
#else
  return static_cast<unsigned>(31 - __builtin_clz(x));
#endif
}
#endif

}  // namespace ref_word

// Steps over `count` tokens from p. Returns where the next token starts (null when the
// data is exhausted), lowers *count by the tokens passed, and sets *tooLong when one of
// them is longer than kRefTokenLimit (then stops there).
inline char* SkipRefTokens(char* p, const char* end, int* count, bool* tooLong) {
  using namespace ref_word;
  const size_t W = sizeof(size_t);
  char* tokenStart = p;
  *tooLong = false;
  while (*count > 0 && p) {
#if KV_REF_SSE2
    // Sixteen bytes at a time where the processor has the registers for it; the
    // steps are those of the word path below.
    if (end - p >= 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      const unsigned stops = static_cast<unsigned>(_mm_movemask_epi8(
          _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(bytes, _mm_setzero_si128()))));
      if (!stops) {
        unsigned tabs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t'))));
        if (!tabs) {
          p += 16;
          if (static_cast<size_t>(p - tokenStart) > kRefTokenLimit) {
            *tooLong = true;
            return nullptr;
          }
          continue;
        }
        if (static_cast<size_t>(p + LowBit16(tabs) - tokenStart) > kRefTokenLimit) {
          *tooLong = true;
          return nullptr;
        }
        unsigned n = CountBits16(tabs);
        if (static_cast<int>(n) < *count) {
          *count -= static_cast<int>(n);
          tokenStart = p + HighBit16(tabs) + 1;
          p += 16;
          continue;
        }
        for (int k = 1; k < *count; ++k) tabs &= tabs - 1;
        p += LowBit16(tabs) + 1;
        *count = 0;
        return *p ? p : nullptr;
      }
    }
#endif
    if (end - p >= static_cast<ptrdiff_t>(W)) {
      size_t word;
      memcpy(&word, p, W);
      // CR (perhaps of CR LF) and zero bytes take the byte path below.
      if (!(BytesEqual(word, '\r') | BytesEqual(word, 0))) {
        size_t tabs = BytesEqual(word, '\t');
        if (!tabs) {
          p += W;
          if (static_cast<size_t>(p - tokenStart) > kRefTokenLimit) {
            *tooLong = true;
            return nullptr;
          }
          continue;
        }
        // Only the token that runs into this word can be long.
        if (static_cast<size_t>(p + FirstMark(tabs) - tokenStart) > kRefTokenLimit) {
          *tooLong = true;
          return nullptr;
        }
        unsigned n = CountMarks(tabs);
        if (static_cast<int>(n) < *count) {
          *count -= static_cast<int>(n);
          tokenStart = p + LastMark(tabs) + 1;
          p += W;
          continue;
        }
        for (int k = 1; k < *count; ++k) tabs &= tabs - 1;
        p += FirstMark(tabs) + 1;
        *count = 0;
        return *p ? p : nullptr;
      }
    }
    if (*p == '\0') {
      // A word step may end right at the terminating zero: behind a separator that is
      // the end of the data, inside a token it ends that last, unterminated token.
      if (p != tokenStart) --*count;
      return nullptr;
    }
    size_t length;
    char* next = SkipRefToken(p, end, &length);
    if (static_cast<size_t>(p - tokenStart) + length > kRefTokenLimit) {
      *tooLong = true;
      return nullptr;
    }
    --*count;
    p = tokenStart = next;
  }
  return p;
}
