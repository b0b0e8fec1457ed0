#pragma once
// Test doubles for the console log: a log sink that keeps every operator line, and
// 0xB404 answers built with the encoder beside the answer's reader.
#include <memory>
#include <string>
#include <vector>

#include "base/LogOutput.h"
#include "common/RecordingMessenger.h"
#include "msg/Console.h"
#include "msg/MassiveMsgBuilder.h"
#include "opslog/KDLogAnswer.h"

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

inline std::vector<uint8_t> KDLogAnswerBytes(uint8_t result, const std::vector<KDLogRecord>& records) {
  std::vector<uint8_t> bytes;
  ByteWriter writer(&bytes);
  WriteKDLogAnswer(writer, result, records);
  return bytes;
}

inline CMassiveMsg* KDLogAnswerMsg(MassiveMsgBuilder& b, const std::vector<uint8_t>& bytes, size_t partBytes = 4090) {
  b.Append(bytes.data(), bytes.size());
  return b.Build(partBytes);
}
