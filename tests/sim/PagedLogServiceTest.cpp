// The shard managers' simulated siege and server event log services, one paged service
// in two set-ups: their readable records, what they answer, and how they page, decoded
// with the module's own answer reader.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "PagedLogService.h"
#include "SampleLogs.h"
#include "TwoShardFarm.h"
#include "opslog/RelayLogAnswer.h"
#include "unit/opslog/RelayLogTestSupport.h"

namespace {

// Fortress 1 on shard 1: a siege start, 55 structure repairs and a result, the rows the
// pages go through; fortress 2 and shard 2 one row each.
std::string SiegeTestLog() {
  std::string log = "# test log\n1 | 1 | 2026-11-01 08:00:00 | 1 | 0 |\n";
  for (int i = 0; i < 55; ++i)
    log += "1 | 1 | 2026-11-02 10:" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ":00 | 7 | 0 | Gate " +
           std::to_string(i) + "\n";
  return log + "1 | 1 | 2026-11-03 00:00:00 | 3 | 2 | ^6Ember^0 | Wardens\n"
               "1 | 2 | 2026-11-03 01:00:00 | 23 | 0 | 5% of the tax\n"
               "2 | 1 | 2026-11-03 02:00:00 | 2 | 0 | \n";
}

// Event 7 on shard 1: a start, 60 completions and rewards, an end, all but the start in
// one minute so that only the log id tells them apart; event 3 and shard 2 a row each.
std::string ServerEventTestLog() {
  std::string log = "1 | 100 | 2026-11-18 20:00:00 | 7 | 1 | began\n";
  for (int i = 0; i < 60; ++i)
    log += "1 | " + std::to_string(101 + i) + " | 2026-11-18 20:01:00 | 7 | " + (i % 3 ? "3" : "4") + " | hero " +
           std::to_string(i) + "\n";
  return log + "1 | 200 | 2026-11-18 20:01:00 | 7 | 2 | ended\n"
               "1 | 201 | 2026-11-19 00:00:00 | 3 | 9 | odd\n"
               "2 | 202 | 2026-11-19 01:00:00 | 7 | 1 | other shard\n";
}

// A query of a log and what it answers: rows of the shard behind the service, of the
// target, in the category (that of the event code or log type) and within the span; -1
// for a failure.
struct Filter {
  const char* name;
  uint16_t service;
  uint32_t target;
  uint8_t category;
  const char* begin;
  const char* end;
  int rows;
};

// What each test log pages through: the target and its rows (the first ones of the
// log), the category that takes every row, and the first page's cursor (the siege log's
// names the next row's time and place, the server event log's is its last row's time);
// and queries of that log alone.
struct UseFacts {
  const char* name;
  uint16_t answer;
  uint32_t pagedTarget;
  size_t pagedRows;
  uint8_t all;
  const char* cursor;
  std::vector<Filter> filters;
};
const UseFacts kSiegeFacts = {"SiegeLog", 0x800E, 1, 57, 250, "2026-11-2 10:49:00#50",
    {{"start and end", 101, 1, 0, "2026-11-1 00:00:00", "2026-12-31 23:59:59", 1},
     {"result", 101, 1, 1, "2026-11-1 00:00:00", "2026-12-31 23:59:59", 1},
     {"structures", 101, 1, 3, "2026-11-1 00:00:00", "2026-12-31 23:59:59", 50},
     {"rewards of fortress 1", 101, 1, 7, "", "", 0},
     {"rewards of fortress 2", 101, 2, 7, "", "", 1},
     {"a span of ten minutes", 101, 1, 250, "2026-11-2 10:05:00", "2026-11-2 10:14:59", 10},
     {"a cursor as the end", 101, 1, 250, "", "2026-11-2 10:49:00#50", -1}}};
const UseFacts kServerEventFacts = {"ServerEventLog", 0x8018, 7, 62, 255, "2026-11-18 20:01:00",
    {{"start and end", 101, 7, 0, "", "", 2},
     {"completions", 101, 7, 1, "", "", 40},
     {"rewards", 101, 7, 2, "", "", 20},
     {"a log type in no category", 101, 3, 255, "", "", 1},
     {"a log type in no category, by category", 101, 3, 1, "", "", 0},
     {"an event past 8 bits", 101, 0x107, 255, "", "", 0},
     {"before the event", 101, 7, 255, "", "2026-11-18 19:59:59", 0},
     {"a cursor, which it does not send", 101, 7, 255, "2026-11-18 20:00:00#1", "", -1}}};

// A use of the service: its row type and the facts, set-up, test log and reader above.
template <class R, const UseFacts& facts, const PagedLogServing<R>& serving, std::string (*testLog)(),
          bool (*parse)(const std::string&, std::vector<PagedLogEntry<R>>*, std::string*)>
struct Use {
  using Row = R;
  static const UseFacts& Facts() { return facts; }
  static const PagedLogServing<Row>& Serving() { return serving; }
  static std::string TestLog() { return testLog(); }
  static constexpr auto Parse = parse;
};
using Siege = Use<SiegeLogRow, kSiegeFacts, kSiegeLogServing, SiegeTestLog, ParseSiegeLog>;
using ServerEvent = Use<ServerEventLogRow, kServerEventFacts, kServerEventLogServing, ServerEventTestLog,
                        ParseServerEventLog>;

struct UseName {
  template <class T>
  static std::string GetName(int) {
    return T::Facts().name;
  }
};

// A service over the test log on the two-shard farm; its answers come in parts of
// 61 bytes and are read back with the module's reader.
template <class T>
class PagedLogService : public ::testing::Test {
 protected:
  using Row = typename T::Row;

  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ParseSimConfig(kTwoShardFarm, &m_config, &error)) << error;
    ASSERT_TRUE(T::Parse(T::TestLog(), &m_entries, &error)) << error;
    m_service = std::make_unique<CPagedLogService<Row>>(T::Serving(), m_entries, m_config);
  }
  RelayLogAnswer<Row> Ask(uint16_t serviceId, uint32_t target, uint8_t category, const std::string& begin,
                          const std::string& end = "2026-12-31 23:59:59", uint32_t startLog = 0) {
    RelayLogRequest q;
    q.kind = T::Serving().kind;
    q.startLog = startLog;
    q.target = target;
    q.category = category;
    q.begin = begin;
    q.end = end;
    MassiveMsgBuilder out(T::Facts().answer);
    m_service->Answer(serviceId, q, &out);
    return ReadRelayLogAnswer<Row>(out.Build(61), *T::Serving().kind);
  }

  SimConfig m_config;
  std::vector<PagedLogEntry<Row>> m_entries;
  std::unique_ptr<CPagedLogService<Row>> m_service;
};

using Uses = ::testing::Types<Siege, ServerEvent>;
TYPED_TEST_SUITE(PagedLogService, Uses, UseName);

// A line each log refuses, after a first line it takes (the row without an error).
const struct {
  const char* log;
  const char* line;
  const char* error;
} kBadLines[] = {
    {"SiegeLog", "1 | 1 | 2026-11-01 00:00:00 | 1 | 0 | \n", nullptr},
    {"SiegeLog", "1 | 1 | 2026-11-01 08:00:00 | 1", "line 2: expected shard | number | time | number | number | text"},
    {"SiegeLog", "0 | 1 | 2026-11-01 08:00:00 | 1 | 0 | x", "line 2: shard is not a number from 1 to 65535"},
    {"SiegeLog", "1 | 0 | 2026-11-01 08:00:00 | 1 | 0 | x", "line 2: fortress is not a number from 1 to 65535"},
    {"SiegeLog", "1 | 65536 | 2026-11-01 08:00:00 | 1 | 0 | x", "line 2: fortress is not a number from 1 to 65535"},
    {"SiegeLog", "1 | 1 | 2026-11-01 08:00:00 | 256 | 0 | x", "line 2: event code is not a number from 0 to 255"},
    {"SiegeLog", "1 | 1 | 2026-11-01 08:00:00 | 1 | -1 | x", "line 2: fields 2, 4 and 5 are 32-bit numbers"},
    {"SiegeLog", "1 | 1 | 2026-11-01 8h | 1 | 0 | x", "line 2: time is not YYYY-MM-DD hh:mm:ss"},
    {"SiegeLog", "1 | 1 | 2026-10-31 23:59:59 | 1 | 0 | x", "line 2: records are not in the order of their times"},
    {"ServerEventLog", "1 | 10 | 2026-11-01 08:00:00 | 7 | 1 | x\n", nullptr},
    {"ServerEventLog", "1 | 5 | 2026-11-01 08:00:00 | 7 | 1 | x", "line 2: log ids do not rise"},
    {"ServerEventLog", "1 | 11 | 2026-10-01 08:00:00 | 7 | 1 | x", "line 2: times do not rise with the log ids"},
    {"ServerEventLog", "1 | 11 | 2026-11-01 08:00:00 | 256 | 1 | x",
     "line 2: server event id is not a number from 0 to 255"},
    {"ServerEventLog", "1 | 11 | 2026-11-01 08:00:00 | 7 | 0x100 | x", "line 2: log type is not a number from 0 to 255"},
    {"ServerEventLog", "1 | 11 | 2026-11-01 08:00:00 | 7 | 1",
     "line 2: expected shard | number | time | number | number | text"},
};

TYPED_TEST(PagedLogService, a_line_that_does_not_fit_is_named) {
  using T = TypeParam;
  std::string first;
  for (const auto& c : kBadLines) {
    if (std::string(c.log) != T::Facts().name) continue;
    if (!c.error) {
      first = c.line;
      continue;
    }
    SCOPED_TRACE(c.line);
    std::vector<PagedLogEntry<typename T::Row>> entries;
    std::string error;
    EXPECT_FALSE(T::Parse(first + c.line, &entries, &error));
    EXPECT_EQ(error, c.error);
  }
}

// "Query More" sends the cursor as its begin time and the last row's log id as its
// start log (where the request has one): the pages then hold every row once, in order.
TYPED_TEST(PagedLogService, pages_of_fifty_go_on_from_their_cursor) {
  using T = TypeParam;
  std::vector<std::vector<uint8_t>> paged;
  std::string begin = "2026-11-1 00:00:00";
  uint32_t startLog = 0;
  for (size_t rows : {size_t{50}, T::Facts().pagedRows - 50, size_t{0}}) {
    SCOPED_TRACE(rows);
    RelayLogAnswer<typename T::Row> page =
        this->Ask(101, T::Facts().pagedTarget, T::Facts().all, begin, "2026-12-31 23:59:59", startLog);
    ASSERT_FALSE(page.cutShort);
    ASSERT_EQ(page.rows.size(), rows);
    if (rows == 50) {
      EXPECT_EQ(page.nextBegin, T::Facts().cursor);
    }
    EXPECT_EQ(page.hasCursor, rows > 0);
    for (const auto& row : page.rows) paged.push_back(RowBytes(row));
    if (page.hasCursor) {
      begin = page.nextBegin;
      startLog = page.rows.back().PagingId();
    }
  }
  ASSERT_EQ(paged.size(), T::Facts().pagedRows);
  for (size_t i = 0; i < paged.size(); ++i) EXPECT_EQ(paged[i], RowBytes(this->m_entries[i].row)) << i;
}

// What every log answers for its paged target and "all" category (queries of one log
// alone are in its facts).
const struct {
  const char* name;
  uint16_t service;
  const char* begin;
  int rows;
} kEveryLogFilters[] = {
    {"the other shard", 102, "", 1},
    {"a service of no shard", 107, "", -1},
    {"a time that cannot be read", 101, "yesterday", -1},
    {"a month that is none", 101, "2026-13-1 00:00:00", -1},
};

TYPED_TEST(PagedLogService, filters_by_shard_target_category_and_span) {
  using T = TypeParam;
  auto expect = [this](const char* name, uint16_t service, uint32_t target, uint8_t category, const char* begin,
                       const char* end, int rows) {
    SCOPED_TRACE(name);
    RelayLogAnswer<typename T::Row> answer = this->Ask(service, target, category, begin, end);
    EXPECT_EQ(answer.failed, rows < 0);
    if (rows >= 0) {
      EXPECT_EQ(answer.rowCount, rows);
    }
  };
  for (const auto& c : kEveryLogFilters)
    expect(c.name, c.service, T::Facts().pagedTarget, T::Facts().all, c.begin, "", c.rows);
  for (const Filter& c : T::Facts().filters) expect(c.name, c.service, c.target, c.category, c.begin, c.end, c.rows);
}

// The shared line form, seen through the siege log: the text runs to the end of the
// line, bars, marks and percent signs and all.
TEST(SiegeLogRecords, a_text_keeps_its_bars_marks_and_percent_signs) {
  std::vector<PagedLogEntry<SiegeLogRow>> entries;
  std::string error;
  ASSERT_TRUE(ParseSiegeLog("1 | 1 | 2026-11-03 00:00:00 | 3 | 2 | ^6Ember^0 | Wardens of 5%\n"
                            "1 | 1 | 2026-11-03 00:00:00 | 3 | 2 |\n",
                            &entries, &error))
      << error;
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].row.text, "^6Ember^0 | Wardens of 5%");
  EXPECT_EQ(entries[1].row.text, "");
  EXPECT_EQ(entries[1].row.head, 1u) << "the place in the log";
}

TEST(SiegeLogRecords, the_sample_holds_every_event_code_two_fortresses_marks_and_percent_signs) {
  std::vector<PagedLogEntry<SiegeLogRow>> entries;
  std::string error;
  ASSERT_TRUE(LoadSiegeLog(KV_SAMPLE_SIEGELOG, &entries, &error)) << error;
  std::set<int> codes, fortresses;
  bool markedGuild = false, percentReward = false;
  for (const PagedLogEntry<SiegeLogRow>& e : entries) {
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

TEST(ServerEventLogRecords, the_sample_holds_every_log_type_and_several_events) {
  std::vector<PagedLogEntry<ServerEventLogRow>> entries;
  std::string error;
  ASSERT_TRUE(LoadServerEventLog(KV_SAMPLE_SERVEREVENT, &entries, &error)) << error;
  std::set<int> types, events;
  size_t invasionOnFirstShard = 0;
  for (const PagedLogEntry<ServerEventLogRow>& e : entries) {
    types.insert(e.row.logType);
    events.insert(e.row.serverEventId);
    if (e.shardId == 1 && e.row.serverEventId == 7) ++invasionOnFirstShard;
  }
  EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 9}));
  EXPECT_GE(events.size(), 4u);
  EXPECT_GT(invasionOnFirstShard, 50u) << "enough for a second page";
}

}  // namespace
