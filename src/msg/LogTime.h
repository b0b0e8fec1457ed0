#pragma once
// The 16-byte timestamp that log records carry (the layout of an ODBC timestamp):
//   s16 year, u16 month, day, hour, minute, second, u32 fraction; little-endian.
#include <cstdint>
#include <string>

#include "base/ByteOrder.h"
#include "msg/MassiveMsg.h"

enum : uint16_t { kLogTimeSize = 16 };

struct LogTime {
  int16_t year = 0;
  uint16_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
  uint32_t fraction = 0;
};

// The layout itself, for records that carry the time inside a fixed block.
LogTime DecodeLogTime(const uint8_t* bytes);
void EncodeLogTime(uint8_t* bytes, const LogTime& time);
// Reads the 16 bytes from a multi-part answer; throws CMsgException when they are not there.
LogTime ReadLogTime(CMassiveMsg* massive);
void WriteLogTime(ByteWriter& out, const LogTime& time);

// "%d-%02d-%02d %02d:%02d:%02d" (no fraction): the Time column of the game, siege and
// server event logs.
std::string LogTimeText(const LogTime& time);
