#include "opslog/KDLogRecord.h"

#include <cinttypes>

#include "base/Format.h"
#include "opslog/KDLogCategories.h"

namespace {
uint16_t U16At(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32At(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
}  // namespace

KDLogRecord DecodeKDLogRecord(const uint8_t (&bytes)[kKDLogRecordSize]) {
  KDLogRecord r;
  r.userName = FieldText(reinterpret_cast<const char*>(bytes), kKDLogUserNameWidth);
  r.category = bytes[128];
  r.logText = FieldText(reinterpret_cast<const char*>(bytes + 129), kKDLogTextWidth);
  const uint8_t* t = bytes + 385;
  r.time.year = static_cast<int16_t>(U16At(t));
  r.time.month = U16At(t + 2);
  r.time.day = U16At(t + 4);
  r.time.hour = U16At(t + 6);
  r.time.minute = U16At(t + 8);
  r.time.second = U16At(t + 10);
  r.time.fraction = U32At(t + 12);
  return r;
}

std::string KDLogTimeText(const KDLogTime& t) {
  // The fraction is unsigned on the wire; printed signed, a value past 2^31 would show
  // as a negative number.
  return FormatString(kCaptionChars, "%d-%d-%d %02d:%02d:%02d %" PRIu32, t.year, t.month, t.day, t.hour, t.minute,
                      t.second, t.fraction);
}

KDLogCells KDLogRowCells(const KDLogRecord& record) {
  return {record.userName, KDLogCategoryName(record.category), record.logText, KDLogTimeText(record.time)};
}

std::string KDLogCopyText(const std::vector<KDLogRecord>& records) {
  std::string text = "UserName\tCatagory\tLog\tDateTime\r\n";
  for (const KDLogRecord& record : records) {
    KDLogCells cells = KDLogRowCells(record);
    text += cells[0] + '\t' + cells[1] + '\t' + cells[2] + '\t' + cells[3] + "\r\n";
  }
  return text;
}
