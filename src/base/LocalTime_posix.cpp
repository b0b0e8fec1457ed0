#include <ctime>

#include "base/LocalTime.h"

bool SystemLocalTime(int64_t secondsSince1970, CivilTime* out) {
  time_t moment = static_cast<time_t>(secondsSince1970);
  struct tm local = {};
  if (!localtime_r(&moment, &local)) return false;
  out->year = local.tm_year + 1900;
  out->month = local.tm_mon + 1;
  out->day = local.tm_mday;
  out->hour = local.tm_hour;
  out->minute = local.tm_min;
  out->second = local.tm_sec;
  return true;
}
