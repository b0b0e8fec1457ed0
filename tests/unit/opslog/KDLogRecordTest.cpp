#include <gtest/gtest.h>

#include <string>

#include "opslog/KDLogCategories.h"
#include "opslog/KDLogRecord.h"
#include "ui/ColourMarkup.h"
#include "unit/opslog/KDLogRecordBytes.h"

namespace {

KDLogRecord Decode(const KDLogRecordSpec& spec) {
  std::vector<uint8_t> bytes = KDLogRecordBytes(spec);
  uint8_t raw[kKDLogRecordSize];
  memcpy(raw, bytes.data(), sizeof raw);
  return DecodeKDLogRecord(raw);
}

TEST(KDLogRecord, fields_come_from_their_offsets) {
  KDLogRecord r = Decode({"operator7", 13, "shard 3 restarted", 2008, 3, 5, 7, 4, 9, 250});
  EXPECT_EQ(r.userName, "operator7");
  EXPECT_EQ(r.category, 13);
  EXPECT_EQ(r.logText, "shard 3 restarted");
  KDLogCells cells = KDLogRowCells(r);
  EXPECT_EQ(cells[0], "operator7");
  EXPECT_EQ(cells[1], "ServerControl");
  EXPECT_EQ(cells[2], "shard 3 restarted");
  EXPECT_EQ(cells[3], "2008-3-5 07:04:09 250");
}

TEST(KDLogRecord, full_width_text_fields_stay_within_their_field) {
  // Neither field holds a zero: the name must not run into the category byte or the
  // log text, nor the log text into the time.
  KDLogRecord r = Decode({std::string(128, 'N'), 0x41, std::string(256, 'L'), 2012, 12, 31, 23, 59, 58, 0});
  EXPECT_EQ(r.userName, std::string(128, 'N'));
  EXPECT_EQ(r.category, 0x41);
  EXPECT_EQ(r.logText, std::string(256, 'L'));
  EXPECT_EQ(KDLogTimeText(r.time), "2012-12-31 23:59:58 0");
}

TEST(KDLogRecord, time_keeps_signed_year_and_large_fraction) {
  KDLogRecord r = Decode({"", 0, "", -1, 1, 2, 3, 4, 5, 4000000000u});
  EXPECT_EQ(KDLogTimeText(r.time), "-1-1-2 03:04:05 4000000000");
}

TEST(KDLogCategories, names_differ_from_the_filter_entries) {
  EXPECT_STREQ(KDLogCategoryName(9), "Login/Logout");
  EXPECT_STREQ(KDLogCategoryName(16), "CAS");
  EXPECT_STREQ(KDLogCategoryName(17), "ConcurrentUserLog");
  EXPECT_STREQ(KDLogCategoryName(24), "KV_UserPunishment");
  EXPECT_STREQ(KDLogCategoryName(0), "Unknown");
  EXPECT_STREQ(KDLogCategoryName(2), "Unknown");
  EXPECT_STREQ(KDLogCategoryName(255), "Unknown");
  for (const KDLogChoice& entry : kKDLogFilterEntries) {
    SCOPED_TRACE(entry.text);
    EXPECT_NE(entry.data, 16u);
    EXPECT_NE(entry.data, 17u);
  }
  EXPECT_STREQ(kKDLogFilterEntries[2].text, "LoginLogout");
}

TEST(KDLogCopy, header_then_one_tab_separated_line_per_record_marks_removed) {
  std::vector<KDLogRecord> records = {
      Decode({"op^1one", 11, "^2notice^0 sent to %s", 2009, 10, 1, 0, 0, 1, 7}),
      Decode({"op2", 99, "", 2009, 10, 2, 12, 30, 0, 0}),
  };
  EXPECT_EQ(StripColourMarks(KDLogCopyText(records).c_str()),
            "UserName\tCatagory\tLog\tDateTime\r\n"
            "opone\tNotice\tnotice sent to %s\t2009-10-1 00:00:01 7\r\n"
            "op2\tUnknown\t\t2009-10-2 12:30:00 0\r\n");
  EXPECT_EQ(KDLogCopyText({}), "UserName\tCatagory\tLog\tDateTime\r\n");
}

}  // namespace
