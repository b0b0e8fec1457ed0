#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "base/StackGuard_win.h"

namespace {

// Through a pointer the compiler cannot see into, so the buffer and the write stay.
void* (*volatile g_fill)(void*, int, size_t) = memset;

// A local array makes this a protected function.
void FillBuffer(size_t count) {
  char buffer[16];
  g_fill(buffer, 'x', count);
}
void (*volatile g_fill_buffer)(size_t) = FillBuffer;

TEST(StackGuard, IsSeededAtLoad) { EXPECT_NE(__stack_chk_guard, kStackGuardUnseeded); }

TEST(StackGuardDeathTest, OverrunEndsTheProcessWithItsStatus) {
  g_fill_buffer(16);
  EXPECT_EXIT(g_fill_buffer(64), testing::ExitedWithCode(static_cast<int>(STATUS_STACK_BUFFER_OVERRUN)), "");
}

}  // namespace
