#include "base/TickCount.h"

namespace {
TickCountFunc g_tickCount = nullptr;
}

uint32_t TickCount() { return g_tickCount ? g_tickCount() : PlatformTickCount(); }

void SetTickCountFunc(TickCountFunc func) { g_tickCount = func; }
