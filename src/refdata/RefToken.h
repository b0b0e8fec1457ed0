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

#include "refdata/RefScan.h"

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

// Steps over `count` tokens from p. Returns where the next token starts (null when the
// data is exhausted), lowers *count by the tokens passed, and sets *tooLong when one of
// them is longer than kRefTokenLimit (then stops there).
inline char* SkipRefTokens(char* p, const char* end, int* count, bool* tooLong) {
  char* tokenStart = p;
  *tooLong = false;
  for (char* block = p;; block += kRefBlock) {
    const RefBlockMasks m = ScanRefBlock(block, end);
    // Separators count only before the end of the data; a CR LF is one separator.
    const uint64_t separators = (m.tabs | m.lineEnds) & BitsBelowLowest(m.zeros);
    if (separators) {
      // Only the token that runs into this block can be long.
      if (block + LowBit64(separators) - tokenStart > static_cast<ptrdiff_t>(kRefTokenLimit)) {
        *tooLong = true;
        return nullptr;
      }
      const unsigned n = CountBits64(separators);
      if (n >= static_cast<unsigned>(*count)) {
        uint64_t s = separators;
        for (int k = 1; k < *count; ++k) s &= s - 1;
        const unsigned at = LowBit64(s);
        char* next = block + at + 1 + BitAt(m.lineEnds, at);
        *count = 0;
        return *next ? next : nullptr;
      }
      *count -= static_cast<int>(n);
      const unsigned last = HighBit64(separators);
      tokenStart = block + last + 1 + BitAt(m.lineEnds, last);
    }
    if (m.zeros) {
      // Data that ends inside a token ends that last, unterminated token.
      if (block + LowBit64(m.zeros) != tokenStart) --*count;
      return nullptr;
    }
    // Signed: behind a CR LF split over two blocks the next token starts past this one.
    if (block + kRefBlock - tokenStart > static_cast<ptrdiff_t>(kRefTokenLimit)) {
      *tooLong = true;
      return nullptr;
    }
  }
}
