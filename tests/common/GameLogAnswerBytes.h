#pragma once
// A whole 0x8001 game log answer as bytes, written with the records' own encoders: result
// 1, the kind, the unused byte, the count, the records and, with rows, the cursor. For the
// tests and the benchmarks alike: it needs no test framework.
#include <cstdint>
#include <string>
#include <vector>

#include "gamelog/GameLogRecord.h"

template <class Record>
std::vector<uint8_t> AnswerBytes(uint8_t kind, const std::vector<Record>& records, const std::string& next) {
  std::vector<uint8_t> b;
  ByteWriter w(&b);
  w.U8(1);
  w.U8(kind);
  w.U8(0xEE);
  w.U16(static_cast<uint16_t>(records.size()));
  for (const Record& r : records) WriteLogRow(w, r);
  if (!records.empty()) w.String(next);
  return b;
}
