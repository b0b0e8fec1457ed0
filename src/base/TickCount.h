#pragma once
// The system's millisecond tick count, read through one seam so that tests can step
// time past a page's expiry without sleeping. The count wraps after about 49.7 days;
// callers measure spans as unsigned differences, which stay right across the wrap.
#include <cstdint>

typedef uint32_t (*TickCountFunc)();

// The platform's count, or the function a test installed.
uint32_t TickCount();
// The platform's own count, the seam's default (one file per platform).
uint32_t PlatformTickCount();
// Installs a source of ticks; null goes back to the platform's.
void SetTickCountFunc(TickCountFunc func);
