#pragma once
// Test doubles for the console log: 0xB404 answers built with the encoder beside the
// answer's reader.
#include <memory>
#include <string>
#include <vector>

#include "common/TestConsole.h"
#include "msg/Console.h"
#include "msg/MassiveMsgBuilder.h"
#include "opslog/KDLogAnswer.h"

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
