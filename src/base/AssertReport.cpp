#include "base/AssertReport.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/CallStack.h"
#include "base/Format.h"

namespace {

const char kButtons[] = "(press \"ok\" to advance, press \"cancel\" to exit)";

AssertionUi g_ui;
bool g_reported = false;
char g_callStack[kCellChars];

// Appends a formatted piece; false (with buf unchanged in length) when it does not fit.
bool AppendFits(char* buf, size_t size, size_t* used, const char* format, ...) KV_PRINTF(4, 5);
bool AppendFits(char* buf, size_t size, size_t* used, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int n = vsnprintf(buf + *used, size - *used, format, args);
  va_end(args);
  if (n < 0 || static_cast<size_t>(n) >= size - *used) {
    buf[*used] = '\0';
    return false;
  }
  *used += static_cast<size_t>(n);
  return true;
}

bool DebuggerAttached() {
  return g_ui.debuggerAttached ? g_ui.debuggerAttached() : PlatformDebuggerAttached();
}

bool ShowBox(const char* text) {
  return g_ui.showBox ? g_ui.showBox(text) : PlatformShowAssertionBox(text);
}

void ExitProcessWith(int code) {
  if (g_ui.exitProcess) g_ui.exitProcess(code);
  else PlatformExitProcess(code);
}

}  // namespace

void SetAssertionUi(const AssertionUi* ui) { g_ui = ui ? *ui : AssertionUi(); }

bool AssertionReported() { return g_reported; }

void BreakIntoDebuggerIfAttached() {
  if (DebuggerAttached()) PlatformBreakIntoDebugger();
}

bool ReportAssertion(int line, const char* file, const char* exprFormat, ...) {
  g_reported = true;
  const unsigned flags = DebuggerAttached() ? 0x112u : 0x12Au;

  if (flags & kAssertCallStack) {
    CaptureCallStack(g_callStack, sizeof g_callStack, kCallStackSkippedFrames, nullptr);
  }

  char expression[kLineChars];
  va_list args;
  va_start(args, exprFormat);
  int n = vsnprintf(expression, sizeof expression, exprFormat, args);
  va_end(args);
  if (n < 0 || static_cast<size_t>(n) >= sizeof expression) return false;

  char text[kCellChars];
  size_t used = 0;
  text[0] = '\0';
  if (!AppendFits(text, sizeof text, &used,
                  "Debug Assertion Failed.\n\nExpression : %s\nLine : %d\nFile : %s\n\n",
                  expression, line, file)) {
    return false;
  }
  if (flags & kAssertCallStack) {
    // A deep stack alone can fill the box; cut it so the report is still shown.
    size_t reserve = strlen("CallStack:\n") + strlen("\n\n") + strlen(kButtons) + 1;
    size_t room = sizeof text > used + reserve ? sizeof text - used - reserve : 0;
    size_t stackLen = strnlen(g_callStack, room);
    if (!AppendFits(text, sizeof text, &used, "CallStack:\n%.*s\n\n", static_cast<int>(stackLen),
                    g_callStack)) {
      return false;
    }
  }
  if (!AppendFits(text, sizeof text, &used, "%s", kButtons)) return false;

  // Both flag words show the box with OK and Cancel; Cancel ends the process.
  if (ShowBox(text)) return (flags & kAssertOkBreaks) == 0;
  ExitProcessWith(0);
  return true;  // only reached when a test's exit function returns
}
