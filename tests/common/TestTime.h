#pragma once
// The one builder of record timestamps for tests.
#include <cstdint>

#include "msg/LogTime.h"

inline LogTime TestTime(int16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t minute, uint16_t second,
                        uint32_t fraction = 0) {
  return LogTime{year, month, day, hour, minute, second, fraction};
}
