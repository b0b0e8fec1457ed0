#pragma once
// The console's log view for tests: keeps every operator line, class word and text,
// while a capture lives.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/LogOutput.h"

class CLogCapture {
 public:
  typedef std::pair<uint32_t, std::string> Line;

  CLogCapture() {
    Lines().clear();
    SetLogOutputFunc(Output);
  }
  ~CLogCapture() { SetLogOutputFunc(nullptr); }
  CLogCapture(const CLogCapture&) = delete;
  CLogCapture& operator=(const CLogCapture&) = delete;

  static std::vector<Line>& Lines() {
    static std::vector<Line> lines;
    return lines;
  }
  // The log output function, for code that is handed one (the DLL's entry record).
  static void KV_CDECL Output(uint32_t classWord, const char* text) { Lines().emplace_back(classWord, text); }
};

// A whole log, to compare at once: each line its class word and text.
typedef std::vector<CLogCapture::Line> LogLines;
