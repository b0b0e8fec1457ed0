#include "base/LocalTime.h"

#include <ctime>

namespace {
LocalTimeFunc g_localTime = nullptr;
}  // namespace

bool ToLocalTime(int64_t secondsSince1970, CivilTime* out) {
  return (g_localTime ? g_localTime : SystemLocalTime)(secondsSince1970, out);
}

void SetLocalTimeFunc(LocalTimeFunc func) { g_localTime = func; }

void CivilTimeFromTm(const struct tm& local, CivilTime* out) {
  out->year = local.tm_year + 1900;
  out->month = local.tm_mon + 1;
  out->day = local.tm_mday;
  out->hour = local.tm_hour;
  out->minute = local.tm_min;
  out->second = local.tm_sec;
}
