#include "base/TickCount.h"

#include <windows.h>

uint32_t PlatformTickCount() { return GetTickCount(); }
