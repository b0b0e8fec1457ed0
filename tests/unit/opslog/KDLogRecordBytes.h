#pragma once
// Builds 401-byte console log records and 0xB404 answers for tests.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "msg/MassiveMsgBuilder.h"

struct KDLogRecordSpec {
  std::string userName;
  uint8_t category;
  std::string logText;
  int16_t year;
  uint16_t month, day, hour, minute, second;
  uint32_t fraction;
};

inline std::vector<uint8_t> KDLogRecordBytes(const KDLogRecordSpec& s) {
  std::vector<uint8_t> b(401, 0);
  memcpy(b.data(), s.userName.data(), s.userName.size() < 128 ? s.userName.size() : 128);
  b[128] = s.category;
  memcpy(b.data() + 129, s.logText.data(), s.logText.size() < 256 ? s.logText.size() : 256);
  uint16_t words[6] = {static_cast<uint16_t>(s.year), s.month, s.day, s.hour, s.minute, s.second};
  for (int i = 0; i < 6; ++i) {
    b[385 + 2 * i] = static_cast<uint8_t>(words[i]);
    b[386 + 2 * i] = static_cast<uint8_t>(words[i] >> 8);
  }
  for (int i = 0; i < 4; ++i) b[397 + i] = static_cast<uint8_t>(s.fraction >> (8 * i));
  return b;
}

// result, then "more" 1 and a record for each, then "more" 0.
inline void AppendKDLogAnswer(MassiveMsgBuilder& b, uint8_t result, const std::vector<KDLogRecordSpec>& records) {
  b.AppendU8(result);
  for (const KDLogRecordSpec& r : records) {
    b.AppendU8(1);
    std::vector<uint8_t> bytes = KDLogRecordBytes(r);
    b.Append(bytes.data(), bytes.size());
  }
  b.AppendU8(0);
}
