#pragma once
// The DLL's own stack protector runtime (see StackGuard_win.cpp).

#include <cstdint>

// The value the guard holds until it is seeded at load: zero, newline and 0xFF bytes,
// which string copies stop at or cannot produce.
constexpr uintptr_t kStackGuardUnseeded = 0xFF0A0D00u;

extern "C" {
// The compiler reads this in every protected function's prologue and epilogue.
extern uintptr_t __stack_chk_guard;
// Called by a protected function whose guard copy was overwritten.
[[noreturn]] void __stack_chk_fail();
}
