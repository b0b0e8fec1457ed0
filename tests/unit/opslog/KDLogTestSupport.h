#pragma once
// Test doubles for the console log: a log sink that keeps every operator line, and
// 0xB404 answers built from readable records.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/LogOutput.h"
#include "common/RecordingMessenger.h"
#include "msg/Console.h"
#include "msg/MassiveMsgBuilder.h"

// Every operator line as "class word in hex: text".
inline std::vector<std::string>& KDLogLines() {
  static std::vector<std::string> lines;
  return lines;
}

inline void KV_CDECL CaptureKDLogLine(uint32_t classWord, const char* text) {
  KDLogLines().push_back(std::to_string(classWord >> 24) + ":" + text);
}

// Installs the messenger and the log sink for one test.
struct KDLogConsole {
  KDLogConsole() {
    Console().messenger = &messenger;
    KDLogLines().clear();
    SetLogOutputFunc(CaptureKDLogLine);
  }
  ~KDLogConsole() {
    Console().messenger = nullptr;
    SetLogOutputFunc(nullptr);
  }
  RecordingMessenger messenger;
};

struct KDLogRecordSpec {
  std::string userName;
  uint8_t category;
  std::string logText;
  uint16_t time[6];  // year, month, day, hour, minute, second
  uint32_t fraction;
};

// result, then "more" 1 and 401 bytes per record, then "more" 0.
inline std::vector<uint8_t> KDLogAnswerBytes(uint8_t result, const std::vector<KDLogRecordSpec>& records) {
  std::vector<uint8_t> b{result};
  for (const KDLogRecordSpec& r : records) {
    size_t at = b.size() + 1;
    b.resize(at + 401, 0);
    b[at - 1] = 1;
    memcpy(&b[at], r.userName.data(), std::min<size_t>(r.userName.size(), 128));
    b[at + 128] = r.category;
    memcpy(&b[at + 129], r.logText.data(), std::min<size_t>(r.logText.size(), 256));
    for (int i = 0; i < 6; ++i) memcpy(&b[at + 385 + 2 * i], &r.time[i], 2);  // little-endian hosts only
    memcpy(&b[at + 397], &r.fraction, 4);
  }
  b.push_back(0);
  return b;
}

inline CMassiveMsg* KDLogAnswerMsg(MassiveMsgBuilder& b, const std::vector<uint8_t>& bytes, size_t partBytes = 4090) {
  b.Append(bytes.data(), bytes.size());
  return b.Build(partBytes);
}
