#pragma once
// Call stack text for the assertion report: one line per frame,
// "\t<module>: <function><source file> (<line>)\n", with "<unknown module>" and
// "<unknown symbol>" where the platform cannot tell.
#include <cstddef>

enum : int {
  kCallStackMaxFrames = 64,
  kCallStackSkippedFrames = 3,  // the capture and report machinery itself
};

// Fills buf (terminated, cut at size - 1) with the current thread's stack, leaving out
// the innermost `skipFrames` frames. symbolFolder heads the symbol search path (may be
// null). When the platform's debug help cannot be used, buf holds the reason instead.
void CaptureCallStack(char* buf, size_t size, int skipFrames, const char* symbolFolder);
