#include "SimLog.h"

#include <cstdarg>
#include <cstring>

#include "base/Format.h"

namespace {
CSimLog* g_current = nullptr;
}

CSimLog::CSimLog() { g_current = this; }

CSimLog::~CSimLog() {
  if (g_current == this) g_current = nullptr;
}

void KV_CDECL CSimLog::Output(uint32_t classWord, const char* text) {
  if (g_current) g_current->Add(classWord, text);
}

void CSimLog::Add(uint32_t classWord, const char* text) {
  SimLogLine line;
  line.classWord = classWord;
  // The plug-in's lines are at most 1023 characters; anything longer is cut here too.
  line.text = text ? std::string(text, strnlen(text, kLineChars - 1)) : std::string("(null text)");
  Push(std::move(line));
}

void CSimLog::Note(const char* format, ...) {
  char buf[kLineChars];
  va_list args;
  va_start(args, format);
  FormatBoundedV(buf, sizeof buf, format, args);
  va_end(args);
  SimLogLine line;
  line.text = buf;
  line.fromConsole = true;
  Push(std::move(line));
}

void CSimLog::Push(SimLogLine line) {
  m_lines.push_back(std::move(line));
  if (m_listener) m_listener();
}
