#include "base/LogOutput.h"

#include <cstdarg>

#include "base/Format.h"

namespace {
LogOutputFunc g_logOutput = nullptr;
}

void SetLogOutputFunc(LogOutputFunc func) { g_logOutput = func; }

void LogOutput(uint32_t classWord, const char* format, ...) {
  if (!g_logOutput) return;
  char text[kLineChars];
  va_list args;
  va_start(args, format);
  FormatBoundedV(text, sizeof text, format, args);
  va_end(args);
  g_logOutput(classWord, text);
}
