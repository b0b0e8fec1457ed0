#include <gtest/gtest.h>

#include <ctime>

#include "base/LocalTime.h"

namespace {

bool FixedTime(int64_t seconds, CivilTime* out) {
  out->year = static_cast<int>(seconds);
  return true;
}

// The system's conversion agrees with the C library's way back, so the zone's offset
// and its daylight rules are applied once, in the right direction; past 2038 too.
TEST(LocalTime, system_conversion_round_trips) {
  for (int64_t moment : {int64_t(86400) * 400, int64_t(1234567890), int64_t(0x7FFFFFFF), int64_t(4000000000)}) {
    SCOPED_TRACE(moment);
    CivilTime t;
    ASSERT_TRUE(ToLocalTime(moment, &t));
    struct tm back = {};
    back.tm_year = t.year - 1900;
    back.tm_mon = t.month - 1;
    back.tm_mday = t.day;
    back.tm_hour = t.hour;
    back.tm_min = t.minute;
    back.tm_sec = t.second;
    back.tm_isdst = -1;
#ifdef _WIN32
    // The i686 runtime's time_t has 32 bits.
    EXPECT_EQ(static_cast<int64_t>(_mktime64(&back)), moment);
#else
    EXPECT_EQ(static_cast<int64_t>(mktime(&back)), moment);
#endif
  }
}

TEST(LocalTime, installed_conversion_and_back) {
  CivilTime t;
  SetLocalTimeFunc(FixedTime);
  ASSERT_TRUE(ToLocalTime(1234, &t));
  EXPECT_EQ(t.year, 1234);
  SetLocalTimeFunc(nullptr);
  ASSERT_TRUE(ToLocalTime(86400 * 400, &t));
  EXPECT_EQ(t.year, 1971);
}

}  // namespace
