#include "gamelog/ItemTextPieces.h"

#include <cstring>
#include <limits>

TextSplit SplitAtFirst(const std::string& text, char separator) {
  const char* t = text.c_str();
  const char* at = strchr(t, separator);
  if (!at) return {};
  return {std::string(t, at), std::string(at + 1)};
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
