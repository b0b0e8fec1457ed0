#pragma once
// One row of the siege log answer 0x800E, in wire order (little-endian; "string" is a
// 16-bit length and the bytes):
//   head u32, time (16), eventCode u8, data1 u32, data2 u32, data3 u32, text string
// Fields lists them once for the row's decoder and encoder (msg/LogRowFields.h).
#include <cstdint>
#include <string>

#include "msg/LogTime.h"

struct SiegeLogRow {
  uint32_t head = 0;  // not shown
  LogTime time;
  uint8_t eventCode = 0;
  uint32_t data1 = 0;  // not shown
  uint32_t data2 = 0;  // side selector or item count
  uint32_t data3 = 0;  // not shown
  std::string text;    // guild, structure, item or object name, or the reward text

  template <class Row, class Field>
  static void Fields(Row& r, const Field& f) {
    f(r.head), f(r.time), f(r.eventCode), f(r.data1), f(r.data2), f(r.data3), f(r.text);
  }
  // The siege log pages by its time cursor alone: no row marks where the next page starts.
  uint32_t PagingId() const { return 0; }
};
