#include <windows.h>

#include "base/AssertReport.h"

bool PlatformDebuggerAttached() { return IsDebuggerPresent() != FALSE; }

bool PlatformShowAssertionBox(const char* text) {
  return MessageBoxA(nullptr, text, "QWLib Debug Module", MB_OKCANCEL | MB_ICONERROR) != IDCANCEL;
}

void PlatformExitProcess(int code) { ExitProcess(static_cast<UINT>(code)); }

void PlatformBreakIntoDebugger() { DebugBreak(); }
