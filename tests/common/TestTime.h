#pragma once
// The one builder of record timestamps for tests.
#include <cstdint>

#include "msg/LogTime.h"

inline LogTime TestTime(int16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t minute, uint16_t second,
                        uint32_t fraction = 0) {
  LogTime t;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  t.fraction = fraction;
  return t;
}
