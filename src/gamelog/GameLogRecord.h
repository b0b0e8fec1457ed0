#pragma once
// The two game log record layouts of answer 0x8001, in wire order (little-endian;
// "string" is a 16-bit length and the bytes):
//   GameLogCharRecord (kinds 1 and 3): time (16), eventId u8, data1 u32, data2 u32,
//     position string, text string
//   GameLogItemRecord (kinds 2 and 4): serial s64, time (16), refItemId u32, data u32,
//     storage u8, operation u8, slotFrom u8, slotTo u8, position string, text string,
//     amount s64
// Each decoder reads one record from a multi-part answer and throws CMsgException when
// the answer ends inside it; each encoder writes the same bytes for the stand-in
// console, the tests and the fuzzers.
#include <cstdint>
#include <string>

#include "base/ByteOrder.h"
#include "msg/LogTime.h"
#include "msg/MassiveMsg.h"

struct GameLogCharRecord {
  LogTime time;
  uint8_t eventId = 0;
  uint32_t data1 = 0;
  uint32_t data2 = 0;
  std::string position;
  std::string text;
};

struct GameLogItemRecord {
  int64_t serial = 0;
  LogTime time;
  uint32_t refItemId = 0;
  uint32_t data = 0;
  uint8_t storage = 0;
  uint8_t operation = 0;
  uint8_t slotFrom = 0;
  uint8_t slotTo = 0;
  std::string position;
  std::string text;
  int64_t amount = 0;
};

GameLogCharRecord ReadGameLogCharRecord(CMassiveMsg* massive);
GameLogItemRecord ReadGameLogItemRecord(CMassiveMsg* massive);
void WriteGameLogCharRecord(ByteWriter& out, const GameLogCharRecord& record);
void WriteGameLogItemRecord(ByteWriter& out, const GameLogItemRecord& record);

// "%d-%02d-%02d %02d:%02d:%02d": the Time column of both record kinds (no fraction).
std::string GameLogTimeText(const LogTime& time);
