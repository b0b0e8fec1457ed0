#pragma once
// One row of the siege log answer 0x800E, in wire order (little-endian; "string" is a
// 16-bit length and the bytes):
//   head u32, time (16), eventCode u8, data1 u32, data2 u32, data3 u32, text string
// The decoder reads one row from a multi-part answer and throws CMsgException when the
// answer ends inside it; the encoder writes the same bytes for the stand-in console,
// the tests and the fuzzers.
#include <cstdint>
#include <string>

#include "base/ByteOrder.h"
#include "msg/LogTime.h"
#include "msg/MassiveMsg.h"

struct SiegeLogRow {
  uint32_t head = 0;  // not shown
  LogTime time;
  uint8_t eventCode = 0;
  uint32_t data1 = 0;  // not shown
  uint32_t data2 = 0;  // side selector or item count
  uint32_t data3 = 0;  // not shown
  std::string text;    // guild, structure, item or object name, or the reward text
};

SiegeLogRow ReadSiegeLogRow(CMassiveMsg* massive);
void WriteSiegeLogRow(ByteWriter& out, const SiegeLogRow& row);
