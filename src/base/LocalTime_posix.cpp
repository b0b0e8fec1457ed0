#include <ctime>

#include "base/LocalTime.h"

bool SystemLocalTime(int64_t secondsSince1970, CivilTime* out) {
  time_t moment = static_cast<time_t>(secondsSince1970);
  struct tm local = {};
  if (!localtime_r(&moment, &local)) return false;
  CivilTimeFromTm(local, out);
  return true;
}
