#include "base/TickCount.h"

#include <ctime>

// Milliseconds of the monotonic clock, cut to 32 bits as the Windows count is.
uint32_t PlatformTickCount() {
  timespec now = {};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}
