#pragma once
// Pieces of a game log record's free text: several item operations, and the skill
// events' SP pair, pack numbers and names into it, separated by "," "/" or "#"; item
// texts that came from a shop are marked with "Var:".
#include <cstdint>
#include <string>

struct TextSplit {
  std::string before;
  std::string after;  // to the end of the text
};

// Splits at the first separator of the text as "%s" shows it, up to its first zero
// byte; without one there both pieces are empty.
TextSplit SplitAtFirst(const std::string& text, char separator);

// A decimal integer as the C library reads one: leading white space, an optional sign,
// the digits that follow; 0 without digits. Values past the 32-bit range stop at its
// limits.
int32_t ReadDecimal(const char* text);
inline int32_t ReadDecimal(const std::string& text) { return ReadDecimal(text.c_str()); }

// The piece with the mark appended, unless it holds "Var:" somewhere.
std::string WithShopMark(const std::string& piece, const char* mark);
