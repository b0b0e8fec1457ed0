#pragma once
// One console log record as the log service sends it: 401 bytes, fixed layout.
//   0   128  user name, zero-terminated when shorter than the field
//   128   1  category code
//   129 256  log text, zero-terminated when shorter than the field
//   385  16  time (msg/LogTime.h)
// The text fields are read within their width whether or not they hold a zero. The
// encoder beside the decoder builds the same bytes for the stand-in console and tests.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/ByteOrder.h"
#include "msg/LogTime.h"

enum : uint16_t {
  kKDLogRecordSize = 401,
  kKDLogUserNameAt = 0,
  kKDLogUserNameWidth = 128,
  kKDLogCategoryAt = 128,
  kKDLogTextAt = 129,
  kKDLogTextWidth = 256,
  kKDLogTimeAt = 385,
};
static_assert(kKDLogTimeAt + kLogTimeSize == kKDLogRecordSize, "console log record layout");

struct KDLogRecord {
  std::string userName;
  uint8_t category = 0;
  std::string logText;
  LogTime time;
};

KDLogRecord DecodeKDLogRecord(const uint8_t (&bytes)[kKDLogRecordSize]);
// Text longer than its field is cut to the field's width (then without a zero).
void EncodeKDLogRecord(const KDLogRecord& record, uint8_t (&bytes)[kKDLogRecordSize]);
void WriteKDLogRecord(ByteWriter& out, const KDLogRecord& record);

// "year-month-day hh:mm:ss fraction", as the list and the clipboard show it.
std::string KDLogTimeText(const LogTime& time);

// The four cells of a record's row: user name, category name, log text, time text.
typedef std::array<std::string, 4> KDLogCells;
KDLogCells KDLogRowCells(const KDLogRecord& record);

// The clipboard text of the records: a header line and one line per record, fields
// separated by tabs, every line ended by CR LF (colour marks are removed on copying).
std::string KDLogCopyText(const std::vector<KDLogRecord>& records);
// One record's line of that text.
std::string KDLogCopyLine(const KDLogRecord& record);
