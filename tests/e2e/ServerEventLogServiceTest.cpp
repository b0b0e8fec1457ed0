// The simulated server event log service of the shard managers: its readable records,
// the request it reads, and what it answers, decoded with the module's own answer reader.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ServedShardLog.h"
#include "ServerEventLogService.h"
#include "msg/MsgIds.h"
#include "opslog/ServerEventLogAnswer.h"

namespace {

// Event 7 on shard 1: a start, 60 completions and rewards, an end, all in one minute
// so that only the log id tells them apart; event 3 and shard 2 a row each.
std::string TestLog() {
  std::string log = "1 | 100 | 2026-11-18 20:00:00 | 7 | 1 | began\n";
  for (int i = 0; i < 60; ++i)
    log += "1 | " + std::to_string(101 + i) + " | 2026-11-18 20:01:00 | 7 | " + (i % 3 ? "3" : "4") + " | hero " +
           std::to_string(i) + "\n";
  log += "1 | 200 | 2026-11-18 20:01:00 | 7 | 2 | ended\n"
         "1 | 201 | 2026-11-19 00:00:00 | 3 | 9 | odd\n"
         "2 | 202 | 2026-11-19 01:00:00 | 7 | 1 | other shard\n";
  return log;
}

struct Served : ServedShardLog<ServerEventLogEntry, CServerEventLogService> {
  Served() : ServedShardLog(ParseServerEventLog, TestLog()) {}
  ServerEventLogAnswer Ask(uint16_t serviceId, uint32_t startLog, uint32_t event, uint8_t category,
                           const std::string& begin, const std::string& end = "2026-12-31 23:59:59") {
    ServerEventLogRequest q;
    q.startLog = startLog;
    q.eventId = event;
    q.category = category;
    q.begin = begin;
    q.end = end;
    return Answered(serviceId, q, kMsgServerEventAnswer, 61, ReadServerEventLogAnswer);
  }
};

TEST(ServerEventLogRecords, a_line_that_does_not_fit_is_named) {
  struct Case {
    const char* line;
    const char* error;
  } cases[] = {
      {"1 | 5 | 2026-11-01 08:00:00 | 7 | 1 | x", "line 2: log ids do not rise"},
      {"1 | 11 | 2026-10-01 08:00:00 | 7 | 1 | x", "line 2: times do not rise with the log ids"},
      {"1 | 11 | 2026-11-01 08:00:00 | 256 | 1 | x", "line 2: server event id is not a number from 0 to 255"},
      {"1 | 11 | 2026-11-01 08:00:00 | 7 | 0x100 | x", "line 2: log type is not a number from 0 to 255"},
      {"1 | 11 | 2026-11-01 08:00:00 | 7 | 1", "line 2: expected shard | number | time | number | number | text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<ServerEventLogEntry> entries;
    std::string error;
    EXPECT_FALSE(ParseServerEventLog(std::string("1 | 10 | 2026-11-01 08:00:00 | 7 | 1 | x\n") + c.line, &entries, &error));
    EXPECT_EQ(error, c.error);
  }
}

TEST(ServerEventLogRecords, the_sample_holds_every_log_type_and_several_events) {
  std::vector<ServerEventLogEntry> entries;
  std::string error;
  ASSERT_TRUE(LoadServerEventLog(KV_SAMPLE_SERVEREVENT, &entries, &error)) << error;
  std::set<int> types, events;
  size_t invasionOnFirstShard = 0;
  for (const ServerEventLogEntry& e : entries) {
    types.insert(e.row.logType);
    events.insert(e.row.serverEventId);
    if (e.shardId == 1 && e.row.serverEventId == 7) ++invasionOnFirstShard;
  }
  EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 9}));
  EXPECT_GE(events.size(), 4u);
  EXPECT_GT(invasionOnFirstShard, 50u) << "enough for a second page";
}

TEST(ServerEventLogService, pages_go_on_after_the_last_log_id_within_one_second) {
  Served s;
  ServerEventLogAnswer first = s.Ask(101, 0, 7, 255, "2026-11-1 00:00:00");
  ASSERT_FALSE(first.cutShort);
  ASSERT_EQ(first.rowCount, 50);
  EXPECT_EQ(first.rows[0].logId, 100u);
  EXPECT_EQ(first.nextLogId, 149u);
  EXPECT_EQ(first.nextBegin, "2026-11-18 20:01:00");
  ServerEventLogAnswer second = s.Ask(101, first.nextLogId, 7, 255, first.nextBegin);
  ASSERT_EQ(second.rowCount, 12);
  EXPECT_EQ(second.rows[0].logId, 150u);
  EXPECT_EQ(second.rows[11].description, "ended");
}

TEST(ServerEventLogService, filters_by_shard_event_category_and_span) {
  Served s;
  struct Case {
    const char* name;
    uint16_t service;
    uint32_t event;
    uint8_t category;
    const char* begin;
    const char* end;
    int rows;  // -1: failed
  } cases[] = {
      {"start and end", 101, 7, 0, "", "", 2},
      {"completions", 101, 7, 1, "", "", 40},
      {"rewards", 101, 7, 2, "", "", 20},
      {"a log type in no category", 101, 3, 255, "", "", 1},
      {"a log type in no category, by category", 101, 3, 1, "", "", 0},
      {"the other shard", 102, 7, 255, "", "", 1},
      {"an event past 8 bits", 101, 0x107, 255, "", "", 0},
      {"before the event", 101, 7, 255, "", "2026-11-18 19:59:59", 0},
      {"a service of no shard", 107, 7, 255, "", "", -1},
      {"a time that cannot be read", 101, 7, 255, "2026-13-1 00:00:00", "", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectRowsOrFailed(s.Ask(c.service, 0, c.event, c.category, c.begin, c.end), c.rows);
  }
}

}  // namespace
