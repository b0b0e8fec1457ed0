#pragma once
// One row of the server event log answer 0x8018, in wire order (little-endian; "string"
// is a 16-bit length and the bytes):
//   logId u32, time (16), serverEventId u8, logType u8, description string
// The decoder reads one row from a multi-part answer and throws CMsgException when the
// answer ends inside it; the encoder writes the same bytes for the stand-in console,
// the tests and the fuzzers.
#include <cstdint>
#include <string>

#include "base/ByteOrder.h"
#include "msg/LogTime.h"
#include "msg/MassiveMsg.h"

struct ServerEventLogRow {
  uint32_t logId = 0;
  LogTime time;
  uint8_t serverEventId = 0;
  uint8_t logType = 0;
  std::string description;
};

ServerEventLogRow ReadServerEventLogRow(CMassiveMsg* massive);
void WriteServerEventLogRow(ByteWriter& out, const ServerEventLogRow& row);
