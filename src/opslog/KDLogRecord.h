#pragma once
// One console log record as the log service sends it: 401 bytes, fixed layout.
//   0   128  user name, zero-terminated when shorter than the field
//   128   1  category code
//   129 256  log text, zero-terminated when shorter than the field
//   385  16  time: year (s16), month, day, hour, minute, second (u16), fraction (u32)
// All integers little-endian. The text fields are read within their width whether or
// not they hold a zero.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

enum : uint16_t { kKDLogRecordSize = 401, kKDLogUserNameWidth = 128, kKDLogTextWidth = 256 };

struct KDLogTime {
  int16_t year = 0;
  uint16_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
  uint32_t fraction = 0;
};

struct KDLogRecord {
  std::string userName;
  uint8_t category = 0;
  std::string logText;
  KDLogTime time;
};

KDLogRecord DecodeKDLogRecord(const uint8_t (&bytes)[kKDLogRecordSize]);

// "year-month-day hh:mm:ss fraction", as the list and the clipboard show it.
std::string KDLogTimeText(const KDLogTime& time);

// The four cells of a record's row: user name, category name, log text, time text.
typedef std::array<std::string, 4> KDLogCells;
KDLogCells KDLogRowCells(const KDLogRecord& record);

// The clipboard text of the records: a header line and one line per record, fields
// separated by tabs, every line ended by CR LF (colour marks are removed on copying).
std::string KDLogCopyText(const std::vector<KDLogRecord>& records);
