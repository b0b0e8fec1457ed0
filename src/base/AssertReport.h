#pragma once
// The assertion report: one way for the module to report a broken internal
// expectation. It shows a box with the expression, the source position and (without a
// debugger) the call stack, and lets the operator carry on or end the process.
#include <cstddef>

#include "base/Platform.h"

// Report flag bits. The flag word is 0x112 with a debugger attached and 0x12A
// without; both show the box (0x002).
enum : unsigned {
  kAssertCallStack = 0x008,
  kAssertOkBreaks = 0x010,  // OK makes the report ask the caller to break
};

// The parts of a report that block or end the process. Tests install their own so a
// run never waits on a real box; a null member keeps the platform's own behaviour.
struct AssertionUi {
  // Shows the box text with OK and Cancel; returns true for OK, false for Cancel.
  bool (*showBox)(const char* text) = nullptr;
  void (*exitProcess)(int code) = nullptr;
  bool (*debuggerAttached)() = nullptr;
};

// Installs ui (copied); null restores the platform's behaviour.
void SetAssertionUi(const AssertionUi* ui);

// Formats the expression and reports it. True: the caller carries on with its own
// failure path. False: the caller should break into the debugger.
bool ReportAssertion(int line, const char* file, const char* exprFormat, ...) KV_PRINTF(3, 4);

// True once any report has been made in this process.
bool AssertionReported();

// The caller's side of a false result. Without a debugger a breakpoint would end the
// process, so nothing happens then.
void BreakIntoDebuggerIfAttached();

// Platform parts (AssertReport_win.cpp, AssertReport_posix.cpp).
bool PlatformDebuggerAttached();
bool PlatformShowAssertionBox(const char* text);
void PlatformExitProcess(int code);
void PlatformBreakIntoDebugger();
