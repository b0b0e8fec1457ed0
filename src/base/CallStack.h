#pragma once
// Call stack text for the assertion report: one line per frame,
// "\t<module>: <function><source file> (<line>)\n", with "<unknown module>" and
// "<unknown symbol>" where the platform cannot tell.
#include <cstddef>

enum : int {
  kCallStackMaxFrames = 64,
  // The report machinery above the capture: ReportAssertion, so that the listing
  // starts at the code that reported.
  kCallStackSkippedFrames = 1,
};

// Fills buf (terminated, cut at size - 1) with the current thread's stack: at most
// kCallStackMaxFrames frames counted from the caller, its innermost `skipFrames` left
// out; this function's own frame is never listed. symbolFolder heads the symbol search
// path (may be null). When the platform's debug help cannot be used, buf holds the
// reason instead.
void CaptureCallStack(char* buf, size_t size, int skipFrames, const char* symbolFolder);
