#include "base/LocalTime.h"

namespace {
LocalTimeFunc g_localTime = nullptr;
}  // namespace

bool ToLocalTime(int64_t secondsSince1970, CivilTime* out) {
  return (g_localTime ? g_localTime : SystemLocalTime)(secondsSince1970, out);
}

void SetLocalTimeFunc(LocalTimeFunc func) { g_localTime = func; }
