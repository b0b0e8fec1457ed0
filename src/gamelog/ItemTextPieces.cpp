#include "gamelog/ItemTextPieces.h"

#include <limits>

TextSplit SplitAtFirst(const std::string& text, char separator) {
  TextSplit split;
  size_t at = text.find(separator);
  if (at == std::string::npos) return split;
  split.before = text.substr(0, at);
  split.after = text.substr(at + 1);
  return split;
}

int32_t ReadDecimal(const char* p) {
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  // Counted in 64 bits and held at the limit, so no digit string overflows.
  const int64_t limit = negative ? -int64_t(std::numeric_limits<int32_t>::min()) : std::numeric_limits<int32_t>::max();
  int64_t value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > limit) value = limit;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

std::string WithShopMark(const std::string& piece, const char* mark) {
  if (piece.find("Var:") != std::string::npos) return piece;
  return piece + mark;
}
