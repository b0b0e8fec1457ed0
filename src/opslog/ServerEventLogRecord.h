#pragma once
// One row of the server event log answer 0x8018, in wire order (little-endian; "string"
// is a 16-bit length and the bytes):
//   logId u32, time (16), serverEventId u8, logType u8, description string
// Fields lists them once for the row's decoder and encoder (msg/LogRowFields.h).
#include <cstdint>
#include <string>

#include "msg/LogTime.h"

struct ServerEventLogRow {
  uint32_t logId = 0;
  LogTime time;
  uint8_t serverEventId = 0;
  uint8_t logType = 0;
  std::string description;

  template <class Row, class Field>
  static void Fields(Row& r, const Field& f) {
    f(r.logId), f(r.time), f(r.serverEventId), f(r.logType), f(r.description);
  }
  // The next page starts after the log id of the last row of this one.
  uint32_t PagingId() const { return logId; }
};
