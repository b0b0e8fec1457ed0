#pragma once
// The two game log record layouts of answer 0x8001, in wire order (little-endian;
// "string" is a 16-bit length and the bytes):
//   GameLogCharRecord (kinds 1 and 3): time (16), eventId u8, data1 u32, data2 u32,
//     position string, text string
//   GameLogItemRecord (kinds 2 and 4): serial s64, time (16), refItemId u32, data u32,
//     storage u8, operation u8, slotFrom u8, slotTo u8, position string, text string,
//     amount s64
// Fields lists each layout once for its decoder, ReadLogRow (which throws CMsgException
// when the answer ends inside a record), and its encoder, WriteLogRow, which writes the
// same bytes for the stand-in console, the tests and the fuzzers (msg/LogRowFields.h).
#include <cstdint>
#include <string>

#include "msg/LogRowFields.h"
#include "msg/LogTime.h"

struct GameLogCharRecord {
  LogTime time;
  uint8_t eventId = 0;
  uint32_t data1 = 0;
  uint32_t data2 = 0;
  std::string position;
  std::string text;

  template <class Row, class Field>
  static void Fields(Row& r, const Field& f) {
    f(r.time), f(r.eventId), f(r.data1), f(r.data2), f(r.position), f(r.text);
  }
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

  template <class Row, class Field>
  static void Fields(Row& r, const Field& f) {
    f(r.serial), f(r.time), f(r.refItemId), f(r.data), f(r.storage), f(r.operation), f(r.slotFrom),
        f(r.slotTo), f(r.position), f(r.text), f(r.amount);
  }
};
