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
  // Each line as "<top byte of the class word>:<text>", to compare a whole log at once.
  static std::vector<std::string> Short() {
    std::vector<std::string> lines;
    for (const Line& line : Lines()) lines.push_back(std::to_string(line.first >> 24) + ":" + line.second);
    return lines;
  }
  // The log output function, for code that is handed one (the DLL's entry record).
  static void KV_CDECL Output(uint32_t classWord, const char* text) { Lines().emplace_back(classWord, text); }
};
