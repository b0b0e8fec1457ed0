#include <ctime>

#include "base/LocalTime.h"

bool SystemLocalTime(int64_t secondsSince1970, CivilTime* out) {
  // The 64-bit conversion: the C runtime's 32-bit one refuses moments past 2038.
  __time64_t moment = secondsSince1970;
  struct tm local = {};
  if (_localtime64_s(&local, &moment) != 0) return false;
  CivilTimeFromTm(local, out);
  return true;
}
