// The simulated siege log service of the shard managers: its readable records, the
// request it reads, and what it answers, decoded with the module's own answer reader.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ServedShardLog.h"
#include "SiegeLogService.h"
#include "msg/MsgIds.h"
#include "opslog/SiegeLogAnswer.h"
#include "opslog/SiegeLogTexts.h"

namespace {

// Fortress 1 on shard 1: 55 structure repairs, a siege start and a result; fortress 2
// and shard 2 one row each.
std::string TestLog() {
  std::string log = "# test log\n1 | 1 | 2026-11-01 08:00:00 | 1 | 0 |\n";
  for (int i = 0; i < 55; ++i)
    log += "1 | 1 | 2026-11-02 10:" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ":00 | 7 | 0 | Gate " +
           std::to_string(i) + "\n";
  log += "1 | 1 | 2026-11-03 00:00:00 | 3 | 2 | ^6Ember^0 | Wardens\n"
         "1 | 2 | 2026-11-03 01:00:00 | 23 | 0 | 5% of the tax\n"
         "2 | 1 | 2026-11-03 02:00:00 | 2 | 0 | \n";
  return log;
}

struct Served : ServedShardLog<SiegeLogEntry, CSiegeLogService> {
  Served() : ServedShardLog(ParseSiegeLog, TestLog()) {}
  SiegeLogAnswer Ask(uint16_t serviceId, uint32_t fortress, uint8_t category, const std::string& begin,
                     const std::string& end = "2026-12-31 23:59:59") {
    SiegeLogRequest q;
    q.fortress = fortress;
    q.category = category;
    q.begin = begin;
    q.end = end;
    return Answered(serviceId, q, kMsgSiegeLogAnswer, 97, ReadSiegeLogAnswer);
  }
};

TEST(SiegeLogRecords, a_line_that_does_not_fit_is_named) {
  struct Case {
    const char* line;
    const char* error;
  } cases[] = {
      {"1 | 1 | 2026-11-01 08:00:00 | 1", "line 2: expected shard | number | time | number | number | text"},
      {"0 | 1 | 2026-11-01 08:00:00 | 1 | 0 | x", "line 2: shard is not a number from 1 to 65535"},
      {"1 | 0 | 2026-11-01 08:00:00 | 1 | 0 | x", "line 2: fortress is not a number from 1 to 65535"},
      {"1 | 65536 | 2026-11-01 08:00:00 | 1 | 0 | x", "line 2: fortress is not a number from 1 to 65535"},
      {"1 | 1 | 2026-11-01 08:00:00 | 256 | 0 | x", "line 2: event code is not a number from 0 to 255"},
      {"1 | 1 | 2026-11-01 08:00:00 | 1 | -1 | x", "line 2: fields 2, 4 and 5 are 32-bit numbers"},
      {"1 | 1 | 2026-11-01 8h | 1 | 0 | x", "line 2: time is not YYYY-MM-DD hh:mm:ss"},
      {"1 | 1 | 2026-10-31 23:59:59 | 1 | 0 | x", "line 2: records are not in the order of their times"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<SiegeLogEntry> entries;
    std::string error;
    EXPECT_FALSE(ParseSiegeLog(std::string("1 | 1 | 2026-11-01 00:00:00 | 1 | 0 | \n") + c.line, &entries, &error));
    EXPECT_EQ(error, c.error);
  }
}

TEST(SiegeLogRecords, the_sample_holds_every_event_code_two_fortresses_marks_and_percent_signs) {
  std::vector<SiegeLogEntry> entries;
  std::string error;
  ASSERT_TRUE(LoadSiegeLog(KV_SAMPLE_SIEGELOG, &entries, &error)) << error;
  std::set<int> codes, fortresses;
  bool markedGuild = false, percentReward = false;
  for (const SiegeLogEntry& e : entries) {
    codes.insert(e.row.eventCode);
    fortresses.insert(static_cast<int>(e.row.data1));
    markedGuild = markedGuild || (e.row.eventCode == 9 && e.row.text.find('^') != std::string::npos);
    percentReward = percentReward || (e.row.eventCode >= 23 && e.row.text.find('%') != std::string::npos);
  }
  for (int code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17, 18, 19, 20, 21, 22, 23, 24}) EXPECT_TRUE(codes.count(code)) << code;
  EXPECT_TRUE(codes.count(12) && codes.count(30)) << "codes the page does not know";
  EXPECT_EQ(fortresses, (std::set<int>{1, 2}));
  EXPECT_TRUE(markedGuild);
  EXPECT_TRUE(percentReward);
}

TEST(SiegeLogService, pages_of_fifty_go_on_from_their_cursor) {
  Served s;
  SiegeLogAnswer first = s.Ask(101, 1, 250, "2026-11-1 00:00:00");
  ASSERT_FALSE(first.cutShort);
  ASSERT_EQ(first.rowCount, 50);
  EXPECT_EQ(first.rows[0].eventCode, 1);
  EXPECT_EQ(first.rows[49].text, "Gate 48");
  EXPECT_EQ(first.nextBegin, "2026-11-2 10:49:00#50");
  SiegeLogAnswer second = s.Ask(101, 1, 250, first.nextBegin);
  ASSERT_EQ(second.rowCount, 7);
  EXPECT_EQ(second.rows[0].text, "Gate 49");
  EXPECT_EQ(SiegeLogRowCells(second.rows[6])[1], "Offense Success! Guild Name : ^2^6Ember^0 | Wardens^0");
  // The cursor after the last page finds nothing more.
  SiegeLogAnswer after = s.Ask(101, 1, 250, second.nextBegin);
  EXPECT_EQ(after.rowCount, 0);
  EXPECT_FALSE(after.hasCursor);
}

TEST(SiegeLogService, filters_by_shard_fortress_category_and_span) {
  Served s;
  struct Case {
    const char* name;
    uint16_t service;
    uint32_t fortress;
    uint8_t category;
    const char* begin;
    const char* end;
    int rows;  // -1: failed
  } cases[] = {
      {"start and end", 101, 1, 0, "2026-11-1 00:00:00", "2026-12-31 23:59:59", 1},
      {"result", 101, 1, 1, "2026-11-1 00:00:00", "2026-12-31 23:59:59", 1},
      {"structures", 101, 1, 3, "2026-11-1 00:00:00", "2026-12-31 23:59:59", 50},
      {"rewards of fortress 1", 101, 1, 7, "", "", 0},
      {"rewards of fortress 2", 101, 2, 7, "", "", 1},
      {"the other shard", 102, 1, 250, "", "", 1},
      {"a span of ten minutes", 101, 1, 250, "2026-11-2 10:05:00", "2026-11-2 10:14:59", 10},
      {"a service of no shard", 107, 1, 250, "", "", -1},
      {"a time that cannot be read", 101, 1, 250, "yesterday", "", -1},
      {"a cursor as the end", 101, 1, 250, "", "2026-11-2 10:49:00#50", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectRowsOrFailed(s.Ask(c.service, c.fortress, c.category, c.begin, c.end), c.rows);
  }
}

}  // namespace
