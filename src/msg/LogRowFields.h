#pragma once
// The decoder and the encoder of a log answer row, both made from the row's one list of
// its fields (a static Fields(row, field) in wire order), so that the bytes the module
// reads and the bytes the stand-in console, the tests and the fuzzers write cannot
// drift apart. Field kinds: u8, u32, s64, the 16-byte time and the wire string.
#include <cstdint>
#include <string>

#include "base/ByteOrder.h"
#include "msg/LogTime.h"
#include "msg/MassiveMsg.h"

struct RowFieldReader {
  CMassiveMsg* massive;
  void operator()(uint8_t& value) const { value = ReadU8(massive); }
  void operator()(uint32_t& value) const { value = ReadU32(massive); }
  void operator()(int64_t& value) const { value = static_cast<int64_t>(ReadU64(massive)); }
  void operator()(LogTime& value) const { value = ReadLogTime(massive); }
  void operator()(std::string& value) const { value = ReadString(massive); }
};

struct RowFieldWriter {
  ByteWriter& out;
  void operator()(const uint8_t& value) const { out.U8(value); }
  void operator()(const uint32_t& value) const { out.U32(value); }
  void operator()(const int64_t& value) const { out.U64(static_cast<uint64_t>(value)); }
  void operator()(const LogTime& value) const { WriteLogTime(out, value); }
  void operator()(const std::string& value) const { out.String(value); }
};

// Reads one row; throws CMsgException when the answer ends inside it.
template <class Row>
Row ReadLogRow(CMassiveMsg* massive) {
  Row row;
  Row::Fields(row, RowFieldReader{massive});
  return row;
}

template <class Row>
void WriteLogRow(ByteWriter& out, const Row& row) {
  Row::Fields(row, RowFieldWriter{out});
}
