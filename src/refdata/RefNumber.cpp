#include "refdata/RefNumber.h"

#include <cstdlib>

int32_t RefAtoi(const char* text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  int64_t value = 0;
  const int64_t limit = negative ? int64_t(INT32_MAX) + 1 : INT32_MAX;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > limit) {
      value = limit;
      while (*p >= '0' && *p <= '9') ++p;
      break;
    }
  }
  return static_cast<int32_t>(negative ? -value : value);
}

float RefAtof(const char* text) { return static_cast<float>(std::atof(text)); }
