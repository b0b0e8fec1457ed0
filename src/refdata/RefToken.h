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
// token is a C string inside the file text and nothing is copied. The separators are
// found with a RefScanCursor, which scans each byte of the text once (the token or line
// that runs past the converted text is scanned again once more text is there).
#include <cstddef>
#include <cstdint>

#include "refdata/RefScan.h"

// Tokens must fit the 1 MiB token buffer of the file format: at most this many bytes.
enum : size_t { kRefTokenLimit = 0x100000 - 1, kRefLineLimit = 0x100000 - 1 };

struct RefTokenCut {
  char* next;     // where the next token starts; null when the data is exhausted
  size_t length;  // bytes of the token; when needsMore, the bytes seen so far
  bool needsMore; // the token runs past the text converted so far: nothing was cut
};

// Cuts the token that starts at p (not at the terminating zero): its separator's first
// byte becomes the token's terminating zero.
inline RefTokenCut CutRefToken(RefScanCursor& scan, char* p) {
  scan.MoveTo(p);
  RefMask before = scan.Before(p);
  for (;;) {
    RefBlockMasks m;
    scan.CopyMasks(&m);  // stores through char pointers may alias the cursor
    const RefMask stops = (m.tabs | m.lineEnds | m.zeros) & ~before;
    if (stops) {
      char* at = scan.Block() + LowBit(stops);
      RefTokenCut cut = {nullptr, static_cast<size_t>(at - p), scan.NeedsMore(at)};
      const char c = *at;
      if (cut.needsMore || c == '\0') return cut;  // or the data ends inside this last token
      *at = '\0';
      char* next = at + (c == '\t' ? 1 : 2);
      if (*next) cut.next = next;
      return cut;
    }
    scan.NextBlock();
    before = 0;
  }
}

struct RefTokenSkip {
  char* next;      // where the next token starts; null when the data is exhausted
  bool tooLong;    // a token was longer than kRefTokenLimit: stopped there
  bool needsMore;  // the text converted so far ended: next is the token to go on from
};

// Steps over `count` tokens from p and lowers *count by the tokens passed.
inline RefTokenSkip SkipRefTokens(RefScanCursor& scan, char* p, int* count) {
  char* tokenStart = p;
  scan.MoveTo(p);
  RefMask before = scan.Before(p);
  for (;;) {
    RefBlockMasks m;
    scan.CopyMasks(&m);  // stores through char pointers may alias the cursor
    char* block = scan.Block();
    // Separators count only before the end of the data; a CR LF is one separator.
    const RefMask separators = (m.tabs | m.lineEnds) & ~before & BitsBelowLowest(m.zeros);
    if (separators) {
      // Only the token that runs into this block can be long.
      if (block + LowBit(separators) - tokenStart > static_cast<ptrdiff_t>(kRefTokenLimit)) {
        return {nullptr, true, false};
      }
      const unsigned n = CountBits(separators);
      if (n >= static_cast<unsigned>(*count)) {
        RefMask s = separators;
        for (int k = 1; k < *count; ++k) s &= s - 1;
        const unsigned at = LowBit(s);
        char* next = block + at + 1 + BitAt(m.lineEnds, at);
        *count = 0;
        return {*next ? next : nullptr, false, false};
      }
      *count -= static_cast<int>(n);
      const unsigned last = HighBit(separators);
      tokenStart = block + last + 1 + BitAt(m.lineEnds, last);
    }
    if (m.zeros) {
      char* zero = block + LowBit(m.zeros);
      if (scan.NeedsMore(zero)) return {tokenStart, false, true};
      // Data that ends inside a token ends that last, unterminated token.
      if (zero != tokenStart) --*count;
      return {nullptr, false, false};
    }
    // Signed: behind a CR LF split over two blocks the next token starts past this one.
    if (block + kRefBlock - tokenStart > static_cast<ptrdiff_t>(kRefTokenLimit)) {
      return {nullptr, true, false};
    }
    scan.NextBlock();
    before = 0;
  }
}
