#include "opslog/KDLogRecord.h"

#include <algorithm>
#include <cstring>

#include "base/Format.h"
#include "opslog/KDLogCategories.h"

namespace {
void EncodeField(uint8_t* field, size_t width, const std::string& text) {
  memset(field, 0, width);
  memcpy(field, text.data(), std::min(text.size(), width));
}
}  // namespace

KDLogRecord DecodeKDLogRecord(const uint8_t (&bytes)[kKDLogRecordSize]) {
  KDLogRecord r;
  r.userName = FieldText(reinterpret_cast<const char*>(bytes + kKDLogUserNameAt), kKDLogUserNameWidth);
  r.category = bytes[kKDLogCategoryAt];
  r.logText = FieldText(reinterpret_cast<const char*>(bytes + kKDLogTextAt), kKDLogTextWidth);
  r.time = DecodeLogTime(bytes + kKDLogTimeAt);
  return r;
}

void EncodeKDLogRecord(const KDLogRecord& record, uint8_t (&bytes)[kKDLogRecordSize]) {
  EncodeField(bytes + kKDLogUserNameAt, kKDLogUserNameWidth, record.userName);
  bytes[kKDLogCategoryAt] = record.category;
  EncodeField(bytes + kKDLogTextAt, kKDLogTextWidth, record.logText);
  EncodeLogTime(bytes + kKDLogTimeAt, record.time);
}

void WriteKDLogRecord(ByteWriter& out, const KDLogRecord& record) {
  uint8_t bytes[kKDLogRecordSize];
  EncodeKDLogRecord(record, bytes);
  out.Bytes(bytes, sizeof bytes);
}

std::string KDLogTimeText(const LogTime& t) {
  // The fraction prints as a signed number, as every %d of the log texts does; a real
  // fraction (below 10^9 nanoseconds) never reaches the sign bit.
  return FormatString(kCaptionChars, "%d-%d-%d %02d:%02d:%02d %d", t.year, t.month, t.day, t.hour, t.minute,
                      t.second, static_cast<int32_t>(t.fraction));
}

KDLogCells KDLogRowCells(const KDLogRecord& record) {
  return {record.userName, KDLogCategoryName(record.category), record.logText, KDLogTimeText(record.time)};
}

std::string KDLogCopyText(const std::vector<KDLogRecord>& records) {
  std::string text = "UserName\tCatagory\tLog\tDateTime\r\n";
  for (const KDLogRecord& record : records) text += KDLogCopyLine(record);
  return text;
}

std::string KDLogCopyLine(const KDLogRecord& record) {
  KDLogCells cells = KDLogRowCells(record);
  return cells[0] + '\t' + cells[1] + '\t' + cells[2] + '\t' + cells[3] + "\r\n";
}
