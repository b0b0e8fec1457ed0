#pragma once
// Test doubles for the console log: its log lines, and 0xB404 answers built with the
// encoder beside the answer's reader.
#include <memory>
#include <string>
#include <vector>

#include "common/TestConsole.h"
#include "msg/Console.h"
#include "msg/MassiveMsgBuilder.h"
#include "opslog/KDLogAnswer.h"

// Every operator line as "<top byte of the class word>:<text>".
inline std::vector<std::string> KDLogLines() { return CLogCapture::Short(); }

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
