// The simulated game log service of the shard managers: its readable records, the
// request it reads, and what it answers, decoded with the module's own answer reader.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "GameLogService.h"
#include "SampleLogs.h"
#include "TwoShardFarm.h"
#include "gamelog/GameLogAnswer.h"
#include "unit/gamelog/GameLogTestSupport.h"
#include "msg/MsgIds.h"

namespace {

// Three characters on shard 1, one on shard 2; 60 logins of Varnel for paging.
std::string TestLog() {
  std::string log =
      "# test log\n"
      "1 | Varnel | 2026-11-01 08:00:00.5 | char | 1 | 40211 | 0x0A01A8C0 | | Varnel\n"
      "1 | Varnel | 2026-11-01 08:30:00 | char | 200 | 3 | 0 | Velmora | quest | with | bars\n"
      "1 | Brenna | 2026-11-01 09:00:00 | char | 199 | 0 | 0 | MCP | Velmora,1,2,3,4\n"
      "1 | Varnel | 2026-11-01 09:10:00 | item | 500 | 1001 | ITEM_WEAPON_SWORD_01 | 0x10 | 0 | 10 | 13 | 6 | 0 | "
      "Velmora | \n"
      "1 | Brenna | 2026-11-01 09:20:00 | item | 500 | 1001 | ITEM_WEAPON_SWORD_01 | 0 | 0 | 99 | 6 | 255 | -5 | "
      "MII_D | gone\n"
      "1 | Brenna | 2026-11-01 09:30:00 | item | 501 | 6001 | ITEM_ETC_POTION_HP_01 | 3 | 0 | 30 | 255 | 13 | 0 | "
      "Velmora | \n"
      "2 | Kesh | 2026-11-01 07:00:00 | char | 4 | 1 | 2 | Tidefall | \n"
      "2 | Kesh | 2026-11-01 07:01:00 | item | 500 | 1064 | - | 0 | 0 | 10 | 13 | 6 | 0 | Tidefall | other shard\n";
  for (int i = 0; i < 60; ++i)
    log += "1 | Varnel | 2026-11-02 10:" + std::string(i < 10 ? "0" : "") + std::to_string(i) +
           ":00 | char | 4 | 40211 | 1 | Velmora | \n";
  return log;
}

class GameLogServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ParseSimConfig(kTwoShardFarm, &config, &error)) << error;
    std::vector<GameLogEntry> entries;
    ASSERT_TRUE(ParseGameLogRecords(TestLog(), &entries, &error)) << error;
    service = std::make_unique<CGameLogService>(entries, config);
  }
  GameLogAnswer Ask(uint16_t service, uint8_t kind, uint8_t option, const std::string& name,
                    const std::string& begin = kBegin, const std::string& end = kEnd, const std::string& code = "",
                    int64_t maxRows = -1) {
    GameLogRequest q{0, kind, option, name, begin, end, code, maxRows >= 0, static_cast<uint32_t>(maxRows)};
    builders.emplace_back(new MassiveMsgBuilder(0x8001));
    uint8_t error = 0;
    int rows = this->service->Answer(service, q, builders.back().get(), &error);
    GameLogAnswer a = ReadGameLogAnswer(builders.back()->Build(97));
    EXPECT_FALSE(a.cutShort);
    EXPECT_EQ(rows, a.failed ? -1 : static_cast<int>(a.rowCount));
    if (a.failed) {
      EXPECT_EQ(error, a.errorCode);
    }
    return a;
  }

  SimConfig config;
  std::unique_ptr<CGameLogService> service;
  std::vector<std::unique_ptr<MassiveMsgBuilder>> builders;
};

TEST(GameLogRecords, reads_both_record_kinds_and_orders_them_by_time) {
  std::vector<GameLogEntry> e;
  std::string error;
  ASSERT_TRUE(ParseGameLogRecords(TestLog(), &e, &error)) << error;
  ASSERT_EQ(e.size(), 68u);
  EXPECT_EQ(e[0].character, "Kesh") << "oldest first";
  const GameLogEntry& created = e[2];
  EXPECT_FALSE(created.isItem);
  EXPECT_EQ(created.charRecord.data2, 0x0A01A8C0u);
  EXPECT_EQ(created.charRecord.time.fraction, 5u);
  EXPECT_EQ(created.charRecord.position, "");
  EXPECT_EQ(e[3].charRecord.text, "quest | with | bars") << "the text runs to the end of the line";
  const GameLogEntry& item = e[5];
  ASSERT_TRUE(item.isItem);
  EXPECT_EQ(item.itemRecord.serial, 500);
  EXPECT_EQ(item.itemRecord.data, 0x10u);
  EXPECT_EQ(item.codeName, "ITEM_WEAPON_SWORD_01");
  EXPECT_EQ(e[6].itemRecord.amount, -5);
  EXPECT_EQ(e[1].codeName, "") << "- is no code name";
  ASSERT_TRUE(ParseGameLogRecords(
      "1 | NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN | 2026-11-01 08:00:00 | char | 1 | 0 | 0 | p | t\n", &e, &error))
      << "a name of 32 characters: " << error;
}

TEST(GameLogRecords, refuses_lines_that_do_not_fit_the_records) {
  const char* bad[] = {
      "0 | A | 2026-11-01 08:00:00 | char | 1 | 0 | 0 | p | t",
      "1 | | 2026-11-01 08:00:00 | char | 1 | 0 | 0 | p | t",
      "1 | NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNN | 2026-11-01 08:00:00 | char | 1 | 0 | 0 | p | t",
      "1 | A | 2026-13-01 08:00:00 | char | 1 | 0 | 0 | p | t",
      "1 | A | 2026-11-01 08:00:00 | char | 256 | 0 | 0 | p | t",
      "1 | A | 2026-11-01 08:00:00 | char | 1 | -1 | 0 | p | t",
      "1 | A | 2026-11-01 08:00:00 | char | 1 | 0 | 0x100000000 | p | t",
      "1 | A | 2026-11-01 08:00:00 | char | 1 | 0 | 0",
      "1 | A | 2026-11-01 08:00:00 | note | 1 | 0 | 0 | p | t",
      "1 | A | 2026-11-01 08:00:00 | item | x | 1 | - | 0 | 0 | 10 | 1 | 2 | 0 | p | t",
      "1 | A | 2026-11-01 08:00:00 | item | 1 | 1 |  | 0 | 0 | 10 | 1 | 2 | 0 | p | t",
      "1 | A | 2026-11-01 08:00:00 | item | 1 | 1 | - | 0 | 0 | 10 | 1 | 256 | 0 | p | t",
      "1 | A | 2026-11-01 08:00:00 | item | 1 | 1 | - | 0 | 0 | 10 | 1 | 2 | 0 | p",
      "1 | A | 2026-11-01 08:00:00.1234567890 | char | 1 | 0 | 0 | p | t",
  };
  for (const char* line : bad) {
    SCOPED_TRACE(line);
    std::vector<GameLogEntry> e;
    std::string error;
    EXPECT_FALSE(ParseGameLogRecords(std::string("# fine\n") + line + "\n", &e, &error));
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
  }
}

// What the service answers: rows of the shard behind the service, of the character, in
// the kind and option and within the span (the code name counts for option 16 alone), or
// a failure with its code.
TEST_F(GameLogServiceTest, narrows_by_shard_character_kind_option_and_span_or_fails_with_a_code) {
  const std::string kSword = "item_weapon_sword_01";
  struct Case {
    const char* what;
    uint16_t service;
    uint8_t kind, option;
    std::string name, begin, end, code;
    int rows;
    uint8_t error = 0;  // a failure's code; 0: the answer has rows
  } cases[] = {
      {"all of Varnel's events, first page", 101, 1, 255, "varnel", kBegin, kEnd, kSword, 50},
      {"creation only", 101, 1, 0, "Varnel", kBegin, kEnd, kSword, 1},
      {"quests are kind 3", 101, 3, 0, "Varnel", kBegin, kEnd, kSword, 1},
      {"the span's end", 101, 1, 1, "Varnel", kBegin, "2026-11-2 10:09:00", kSword, 10},
      {"open span", 101, 1, 1, "Varnel", "", "", kSword, 50},
      {"console edits of everyone", 101, 1, 9, "KDC", "", "", kSword, 1},
      {"items of the shard", 101, 2, 255, "Brenna", "", "", kSword, 2},
      {"item option family", 101, 2, 1, "Brenna", "", "", kSword, 1},
      {"by code name", 101, 2, 16, "Varnel", "", "", kSword, 1},
      {"the other shard", 102, 1, 255, "Kesh", "", "", kSword, 1},
      {"unknown character", 101, 1, 255, "Nobody", "", "", "", 0, 6},
      {"character of the other shard", 102, 1, 255, "Varnel", "", "", "", 0, 6},
      {"unknown kind", 101, 5, 0, "Varnel", "", "", "", 0, 3},
      {"no kind", 101, 0, 0, "Varnel", "", "", "", 0, 3},
      {"time that is none", 101, 1, 255, "Varnel", "yesterday", "", "", 0, 5},
      {"cursor without a place", 101, 1, 255, "Varnel", "2026-11-1 00:00:00#", "", "", 0, 5},
      {"serial with a letter", 101, 4, 0, "KDC", "", "", "12a", 0, 5},
      {"no serial (query more of kind 4)", 101, 4, 0, "KDC", "", "", "", 0, 5},
      {"code name query without one", 101, 2, 16, "Varnel", "", "", "", 0, 5},
      {"a shard no manager serves", 109, 1, 255, "Varnel", "", "", "", 0, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameLogAnswer a = Ask(c.service, c.kind, c.option, c.name, c.begin, c.end, c.code);
    EXPECT_EQ(a.failed, c.error != 0);
    if (c.error) {
      EXPECT_EQ(a.errorCode, c.error);
    } else {
      EXPECT_EQ(a.queryKind, c.kind);
      EXPECT_EQ(a.rowCount, c.rows);
    }
  }
}

TEST_F(GameLogServiceTest, query_more_goes_on_from_the_cursor) {
  GameLogAnswer first = Ask(101, 1, 1, "Varnel");
  ASSERT_EQ(first.rowCount, 50);
  EXPECT_EQ(first.nextBegin, "2026-11-2 10:50:00#58");
  GameLogAnswer second = Ask(101, 1, 1, "Varnel", first.nextBegin);
  ASSERT_EQ(second.rowCount, 10);
  EXPECT_EQ(second.charRows[0].time.minute, 50);
  GameLogAnswer last = Ask(101, 1, 1, "Varnel", second.nextBegin);
  EXPECT_EQ(last.rowCount, 0);
  EXPECT_FALSE(last.hasCursor);
}

TEST_F(GameLogServiceTest, serial_history_honours_max_rows) {
  struct Case {
    int64_t maxRows;
    int rows;
  } cases[] = {{-1, 2}, {50, 2}, {1, 1}, {0, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.maxRows);
    GameLogAnswer a = Ask(101, 4, 0, "KDC", "", "", "500", c.maxRows);
    ASSERT_FALSE(a.failed);
    ASSERT_EQ(a.rowCount, c.rows);
    EXPECT_EQ(a.itemRows[0].serial, 500);
    EXPECT_EQ(a.itemRows[0].refItemId, 1001u) << "the other shard's serial 500 stays out";
  }
  EXPECT_EQ(Ask(101, 4, 0, "KDC", "", "", "77", 30).rowCount, 0);
}

TEST_F(GameLogServiceTest, serve_reads_the_request_after_the_relay_head) {
  CSimLog log;
  CMsg msg;
  msg.Init(kMsgRelay);
  WriteGameLogRequest(&msg, SerialHistoryRequest(101, 500, "", "", 0));
  ReadRelayHead(&msg);
  MassiveMsgBuilder out(0x8001);
  ASSERT_TRUE(service->Serve(&msg, RelayHead{101, 0x4001}, &out, &log));
  EXPECT_EQ(ReadGameLogAnswer(out.Build()).rowCount, 2);
  EXPECT_EQ(log.Lines().back().text, "game log service 101: kind 4 option 0 \"KDC\" code \"500\"  .. , max 0: 2 rows");

  msg.Init(kMsgRelay);
  WriteU8(&msg, 1);
  MassiveMsgBuilder bad(0x8001);
  ASSERT_TRUE(service->Serve(&msg, RelayHead{101, 0x4001}, &bad, &log));
  GameLogAnswer a = ReadGameLogAnswer(bad.Build());
  EXPECT_TRUE(a.failed);
  EXPECT_EQ(a.errorCode, 5);
}

// Every row of a query, page after page.
int AllRows(const CGameLogService& service, uint8_t kind, uint8_t option) {
  GameLogRequest q;
  q.kind = kind;
  q.option = option;
  q.charName = "KDC";
  int total = 0;
  for (;;) {
    MassiveMsgBuilder out(0x8001);
    uint8_t code = 0;
    int rows = service.Answer(101, q, &out, &code);
    if (rows <= 0) return total;
    total += rows;
    q.beginTime = ReadGameLogAnswer(out.Build()).nextBegin;
  }
}

TEST(GameLogSample, every_query_option_finds_rows_and_the_options_split_the_log) {
  SimConfig config;
  std::string error;
  ASSERT_TRUE(ParseSimConfig(kTwoShardFarm, &config, &error));
  std::vector<GameLogEntry> entries;
  ASSERT_TRUE(LoadGameLogRecords(KV_SAMPLE_GAMELOG, &entries, &error)) << error;
  CGameLogService service(entries, config);
  struct Case {
    uint8_t kind;
    std::vector<uint8_t> options;
    int unknown;  // rows of codes that only "All" takes (events and operations the log does not know)
  } cases[] = {
      {1, {0, 1, 2, 3, 4, 6, 7, 8, 13, 14, 9, 18}, 1},
      {2, {0, 23, 1, 2, 3, 13, 4, 5, 6, 7, 8, 9, 17, 12, 18, 19, 20, 24, 25, 26}, 1},
  };
  for (const Case& c : cases) {
    int sum = 0;
    for (uint8_t option : c.options) {
      SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(option));
      int rows = AllRows(service, c.kind, option);
      EXPECT_GT(rows, 0);
      sum += rows;
    }
    // No row belongs to two options, and every known code to one.
    EXPECT_EQ(sum + c.unknown, AllRows(service, c.kind, 255)) << int(c.kind);
  }
  EXPECT_GT(AllRows(service, 3, 0), 0);
  // Every storage kind of the same-storage moves, and items the reference lacks.
  std::set<uint8_t> storages;
  bool unregistered = false, none = false;
  for (const GameLogEntry& e : entries) {
    if (!e.isItem) continue;
    if (e.itemRecord.operation >= 10 && e.itemRecord.operation <= 15) storages.insert(e.itemRecord.storage);
    unregistered = unregistered || e.itemRecord.refItemId == 99999;
    none = none || e.itemRecord.refItemId == 0;
  }
  EXPECT_EQ(storages, (std::set<uint8_t>{0, 2, 3, 4}));
  EXPECT_TRUE(unregistered && none);
}

}  // namespace
