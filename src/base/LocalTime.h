#pragma once
// Moments in seconds since 1970-01-01 UTC turned into the local time of the machine's
// time zone. Tests install their own conversion so that texts do not depend on where
// they run.
#include <cstdint>

struct CivilTime {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

typedef bool (*LocalTimeFunc)(int64_t secondsSince1970, CivilTime* out);

// Through the installed conversion; false when the moment cannot be converted.
bool ToLocalTime(int64_t secondsSince1970, CivilTime* out);

// Installs a conversion; null restores the system's.
void SetLocalTimeFunc(LocalTimeFunc func);

// The system's conversion with its time zone rules.
bool SystemLocalTime(int64_t secondsSince1970, CivilTime* out);

struct tm;
// The fields of the C runtime's broken-down time, as both systems' conversions fill it.
void CivilTimeFromTm(const struct tm& local, CivilTime* out);
