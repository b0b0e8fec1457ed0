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

// Tokens must fit the 1 MiB token buffer of the file format: at most this many bytes.
enum : size_t { kRefTokenLimit = 0x100000 - 1, kRefLineLimit = 0x100000 - 1 };

struct RefTokenCut {
  char* next;       // where the next token starts; null when the data is exhausted
  size_t length;    // bytes of the token
  bool endsLine;    // the separator was CR LF, or the data ended
};

// Cuts the token that starts at p; p must not point at the terminating zero.
inline RefTokenCut CutRefToken(char* p) {
  char* start = p;
  for (;;) {
    // Most bytes are ordinary; test the three that can end a token in one compare.
    while (static_cast<unsigned char>(*p) > '\r') ++p;
    char c = *p;
    if (c == '\t') {
      *p = '\0';
      RefTokenCut cut{p + 1, static_cast<size_t>(p - start), false};
      if (*cut.next == '\0') cut.next = nullptr;
      return cut;
    }
    if (c == '\r' && p[1] == '\n') {
      *p = '\0';
      RefTokenCut cut{p + 2, static_cast<size_t>(p - start), true};
      if (*cut.next == '\0') cut.next = nullptr;
      return cut;
    }
    if (c == '\0') return RefTokenCut{nullptr, static_cast<size_t>(p - start), true};
    ++p;
  }
}
