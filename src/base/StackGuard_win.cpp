// The stack protector's runtime, linked into the DLL in place of the compiler's. That
// one seeds its guard from the system's random number provider in a constructor,
// which loads libraries while the DLL itself is being loaded, under the loader lock,
// where the console may deadlock. Here the guard comes from values the kernel hands
// out without loading anything.
#include "base/StackGuard_win.h"

#include <windows.h>

// Other compilers bring their own runtime for their own protector.
#if defined(__GNUC__)

#define KV_NO_STACK_PROTECTOR __attribute__((no_stack_protector))
// Before the constructors of C++ objects, so that as little of our code as possible
// runs with the unseeded guard.
#define KV_EARLY_CONSTRUCTOR __attribute__((constructor(101)))

uintptr_t __stack_chk_guard = kStackGuardUnseeded;

namespace {

// One round of a 64-bit finaliser: every input bit reaches every output bit.
constexpr uint64_t Mix(uint64_t state, uint64_t value) {
  uint64_t h = state ^ value;
  h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9u;
  h = (h ^ (h >> 27)) * 0x94D049BB133111EBu;
  return h ^ (h >> 31);
}

// Runs from the DLL's start-up code, whose frames (and this one) are not protected:
// a protected frame live across the change would find its copy of the old guard
// stale on return and end the process. Constructors that run before this one check
// against the unseeded value consistently.
KV_NO_STACK_PROTECTOR KV_EARLY_CONSTRUCTOR void SeedStackGuard() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  uint64_t h = Mix(0x6A09E667F3BCC908u, static_cast<uint64_t>(counter.QuadPart));
  h = Mix(h, (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  h = Mix(h, GetTickCount64());
  h = Mix(h, (static_cast<uint64_t>(GetCurrentProcessId()) << 32) | GetCurrentThreadId());
  // Where the stack and the DLL lie differs from run to run under address space
  // layout randomisation.
  h = Mix(h, (static_cast<uint64_t>(reinterpret_cast<uintptr_t>(&counter)) << 32) |
                 reinterpret_cast<uintptr_t>(&__stack_chk_guard));
  // The lowest byte stays zero, as in the unseeded value: an overrun by a string copy
  // ends at a zero and so cannot write the guard back unchanged.
  __stack_chk_guard = static_cast<uintptr_t>(h ^ (h >> 32)) & ~static_cast<uintptr_t>(0xFF);
}

}  // namespace

// The stack is corrupt, so nothing of ours may run any more: no unwinding, no
// exception handlers (the console's included), no DLL detach. TerminateProcess ends
// every thread at once on every Windows; the fast-fail interrupt would do the same
// only from Windows 8 on, and on Windows 7 raise an access violation that handlers see.
KV_NO_STACK_PROTECTOR void __stack_chk_fail() {
  TerminateProcess(GetCurrentProcess(), STATUS_STACK_BUFFER_OVERRUN);
  __builtin_unreachable();
}

#endif  // __GNUC__
