#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "opslog/SiegeLogSession.h"
#include "msg/RelayRequest.h"
#include "opslog/SiegeLogTexts.h"
#include "unit/opslog/RelayLogTestSupport.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

using Lines = std::vector<std::string>;

// A guild name with marks and a format of its own: it must show as sent.
const char kGuild[] = "^1Iron %d Wolves%s^0";

SiegeLogRow Row(uint8_t code, uint32_t data2 = 0, const std::string& text = kGuild) {
  SiegeLogRow r;
  r.head = 0xA1B2C3D4;
  r.time = TimeOf(2026, 3, 5, 7, 4, 9);
  r.eventCode = code;
  r.data1 = 11;
  r.data2 = data2;
  r.data3 = 33;
  r.text = text;
  return r;
}

TEST(SiegeLogTexts, every_event_code_with_each_description_rule) {
  const std::string g = std::string("^2") + kGuild + "^0";
  struct Case {
    uint8_t code;
    uint32_t data2;
    const char* event;
    std::string description;
  } cases[] = {
      {1, 1, "Siege Start!", ""},
      {2, 1, "Siege End!", ""},
      {3, 0, "Result Change Owner!", ""},
      {3, 1, "Result Change Owner!", "Defense Success! Guild Name : " + g},
      {3, 2, "Result Change Owner!", "Offense Success! Guild Name : " + g},
      {3, 3, "Result Change Owner!", ""},
      {4, 0, "Result Change Temporary Owner", "Temporary Fortress Occupy! Guild Name : " + g},
      {5, 0, "Add Struct", "Siege Struct Name : " + g},
      {6, 0, "Upgrade Struct", "Siege Struct Name : " + g},
      {7, 0, "Repair Struct", "Siege Struct Name : " + g},
      {8, 0, "Remove Struct", "Siege Struct Name : " + g},
      {9, 0, "Enroll Siege Request!", "Enroll Offense Siege Request! Guild Name : " + g},
      {9, 1, "Enroll Siege Request!", "Enroll Defense Siege Request! Guild Name : " + g},
      {9, 7, "Enroll Siege Request!", "Enroll Defense Siege Request! Guild Name : " + g},
      {16, 0, "Cancel Siege Request!", "Cancel Offense Siege Request! Guild Name : " + g},
      {16, 2, "Cancel Siege Request!", "Cancel Defense Siege Request! Guild Name : " + g},
      {17, 12, "Forge Siege Item", "Item Name : " + g + ", Item Num : ^212^0"},
      {18, 12, "Cancel Forge Siege Item", "Item Name : " + g},
      {19, 3, "Collect Forge Siege Item", "Item Name : " + g + ", Item Num : ^23^0"},
      {19, 0xFFFFFFFF, "Collect Forge Siege Item", "Item Name : " + g + ", Item Num : ^2-1^0"},
      {20, 0, "Add Siege Object", "Object Name : " + g},
      {21, 0, "Dead Siege Object", "Object Name : " + g},
      {22, 0, "Remove Siege Object", "Object Name : " + g},
      {23, 5, "Success to add reward", kGuild},
      {24, 5, "Failed to add reward", kGuild},
  };
  std::vector<bool> known(256, false);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << int(c.code) << " data2 " << c.data2);
    known[c.code] = true;
    EXPECT_EQ(SiegeLogRowCells(Row(c.code, c.data2)),
              (SiegeLogCells{c.event, c.description, "2026-03-05 07:04:09"}));
  }
  for (int code = 0; code < 256; ++code) {
    if (known[code]) continue;
    SCOPED_TRACE(code);
    EXPECT_EQ(SiegeLogRowCells(Row(static_cast<uint8_t>(code), 1)),
              (SiegeLogCells{"Unknown Event Log [^2" + std::to_string(code) + "^0]", "", "2026-03-05 07:04:09"}));
  }
}

TEST(SiegeLogTexts, texts_stay_within_their_1024_bytes) {
  struct Case {
    uint8_t code;
    size_t textSize;
    size_t descriptionSize;
  } cases[] = {
      {23, 1023, 1023},  // a reward text that fills the line exactly
      {23, 1024, 1023},
      {24, 70000, 1023},
      {5, 1023 - 24, 1023},  // "Siege Struct Name : ^2" + name + "^0"
      {5, 1024 - 24, 1023},
      {17, 5000, 1023},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << int(c.code) << " text " << c.textSize);
    SiegeLogCells cells = SiegeLogRowCells(Row(c.code, 4, std::string(c.textSize, 'r')));
    EXPECT_EQ(cells[1].size(), c.descriptionSize);
  }
  EXPECT_EQ(SiegeLogRowCells(Row(5, 0, std::string(1023 - 24, 'r')))[1].substr(1023 - 2), "^0");
  SiegeLogRow old = Row(1);
  old.time = TimeOf(-1, 12, 31, 23, 59, 58);
  EXPECT_EQ(SiegeLogRowCells(old)[2], "-1-12-31 23:59:58");
}

std::vector<std::string> EntryTexts(const std::vector<ChoiceEntry>& entries) {
  std::vector<std::string> texts;
  for (const ChoiceEntry& e : entries) texts.push_back(e.text + "=" + std::to_string(e.data));
  return texts;
}

TEST(SiegeLogChoices, categories_in_list_order) {
  std::vector<std::string> categories;
  for (const LogChoice& c : kSiegeLogCategories) categories.push_back(c.text + std::string("=") + std::to_string(c.data));
  EXPECT_EQ(categories, (std::vector<std::string>{"Start And End=0", "Result Defense And Offense=1",
                                                   "Temporary Result Change Owner=2", "Struct=3", "Request=4",
                                                   "Forge Item=5", "Object=6", "Success And Failed Add Reward=7",
                                                   "All=250"}));
}

TEST(SiegeLogChoices, shards_in_the_console_s_order_and_enabled_fortresses_by_id) {
  RelayLogConsole console;
  EXPECT_EQ(EntryTexts(ShardEntries()),
            (std::vector<std::string>{"Velmora-Ember=1", "Aschfeld-Tide=2", "Velmora-Gale=7", "Korrin-Deep=8"}));
  // A name that fills its 64 bytes holds no zero: it is read within them.
  memset(console.directory.FindShard(8)->name, 'N', sizeof(KDShardRecord::name));
  EXPECT_EQ(EntryTexts(ShardEntries()).back(), std::string(64, 'N') + "=8");
  Console().directory = nullptr;
  EXPECT_TRUE(ShardEntries().empty());

  EXPECT_TRUE(SiegeFortressEntries(nullptr).empty());
  CScratchDir dir;
  dir.WriteCompleteSet();
  dir.Write("SiegeFortress.txt", FortressRow(1, 30, "FORTRESS_ZULU") + FortressRow(0, 2, "FORTRESS_OFF") +
                                     FortressRow(1, 1, "FORTRESS_ALPHA") + FortressRow(1, 0x10003, "FORTRESS_WIDE"));
  CGameRefData data;
  ASSERT_TRUE(data.Load());
  EXPECT_EQ(EntryTexts(SiegeFortressEntries(&data)),
            (std::vector<std::string>{"FORTRESS_ALPHA=1", "FORTRESS_ZULU=30", "FORTRESS_WIDE=65539"}));
}

const char kBegin[] = "2026-2-4 07:04:09";
const char kEnd[] = "2026-3-5 17:30:00";

SiegeLogQueryInput Input(uint32_t shard, uint32_t fortress, uint32_t category, const std::string& end = kEnd) {
  SiegeLogQueryInput in;
  in.shardData = shard;
  in.fortressData = fortress;
  in.categoryData = category;
  in.beginText = kBegin;
  in.endText = end;
  return in;
}

std::string Request(uint16_t service, uint32_t fortress, uint8_t category, const std::string& begin,
                    const std::string& end) {
  return WireU16(service) + WireU16(0x400E) + WireU32(fortress) + std::string(1, static_cast<char>(category)) +
         WireString(begin) + WireString(end);
}

std::vector<SiegeLogRow> Rows(size_t n) {
  std::vector<SiegeLogRow> rows;
  for (size_t i = 0; i < n; ++i) rows.push_back(Row(static_cast<uint8_t>(1 + i % 24), static_cast<uint32_t>(i)));
  return rows;
}

TEST(SiegeLogQuery, request_fields_inside_the_relay_and_the_next_page_from_the_cursor) {
  RelayLogConsole console;
  SiegeLogSession s;
  // Only the low 16 bits of the item data name the shard and the fortress.
  s.Query(Input(0x00050001, 0x00070003, 5));
  ASSERT_EQ(console.messenger.sent.size(), 1u);
  EXPECT_EQ(GetID(console.messenger.sent[0]), 0x7203);
  EXPECT_EQ(console.messenger.Payload(0), Request(101, 3, 5, kBegin, kEnd));
  EXPECT_TRUE(s.Waiting());

  MassiveMsgBuilder b(0x800E);
  s.OnAnswer(AnswerMsg(b, SiegeAnswerBytes(0, Rows(50), "2026-3-1 10:00:00")));
  EXPECT_FALSE(s.Waiting());
  // "Query More" takes the selections of now, and the category, cursor and End text kept.
  s.QueryMore(2, 1);
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), Request(102, 1, 5, "2026-3-1 10:00:00", kEnd));

  // The siege page does not look at the service: a stopped one is sent to as well.
  MassiveMsgBuilder c(0x800E);
  s.OnAnswer(AnswerMsg(c, SiegeAnswerBytes(0, {}, "")));
  s.Query(Input(7, 2, 250, "2026-3-6 00:00:00"));
  ASSERT_EQ(console.messenger.sent.size(), 3u);
  EXPECT_EQ(console.messenger.Payload(2), Request(107, 2, 250, kBegin, "2026-3-6 00:00:00"));
  EXPECT_TRUE(RelayLogLines() == Lines({"00000000:^250^0 log found", "00000000:^20^0 log found"}));
}

// The server's cursor goes out as it came, however long, as long as the request fits
// one record; one that does not is refused whole and nothing waits for an answer.
TEST(SiegeLogQuery, cursor_sent_byte_for_byte_or_refused_whole) {
  RelayLogConsole console;
  SiegeLogSession s;
  const size_t fitting = 4090 - 4 - 4 - 1 - 2 - 2 - strlen(kEnd);
  for (size_t length : {size_t{3000}, fitting, fitting + 1}) {
    SCOPED_TRACE(length);
    console.messenger.sent.clear();
    ClearRelayLog();
    s.Query(Input(1, 3, 5));
    const std::string cursor(length, 'c');
    MassiveMsgBuilder b(0x800E);
    s.OnAnswer(AnswerMsg(b, SiegeAnswerBytes(0, Rows(50), cursor)));
    const bool fits = length <= fitting;
    EXPECT_EQ(s.QueryMore(1, 3), fits ? RequestOutcome::kSent : RequestOutcome::kTooLong);
    ASSERT_EQ(console.messenger.sent.size(), fits ? 2u : 1u);
    if (fits) {
      EXPECT_EQ(console.messenger.Payload(1), Request(101, 3, 5, cursor, kEnd));
      MassiveMsgBuilder c(0x800E);
      s.OnAnswer(AnswerMsg(c, SiegeAnswerBytes(0, {}, "")));
    } else {
      EXPECT_FALSE(s.Waiting());
      EXPECT_EQ(RelayLogLines().back(), "02000000:^2query SiegeLog not sent: too long for one request");
    }
  }
}

TEST(SiegeLogQuery, the_server_reads_back_what_the_page_wrote) {
  SiegeLogRequest sent;
  sent.serviceId = 107;
  sent.fortress = 0x10002;
  sent.category = 250;
  sent.begin = std::string(300, 'b');
  sent.end = std::string(260, 'e');
  CMsg msg;
  msg.Init(0x7203);
  WriteSiegeLogRequest(&msg, sent);
  RelayHead head = ReadRelayHead(&msg);
  EXPECT_EQ(head.serviceId, 107);
  EXPECT_EQ(head.innerId, 0x400E);
  SiegeLogRequest read;
  ASSERT_TRUE(ReadSiegeLogRequest(&msg, &read));
  EXPECT_EQ(read.fortress, 0x10002u);
  EXPECT_EQ(read.category, 250);
  EXPECT_EQ(read.begin, sent.begin);
  EXPECT_EQ(read.end, sent.end);

  // Cut short, or with bytes after the fields, the request is not read.
  for (int extra : {-1, 1}) {
    SCOPED_TRACE(extra);
    CMsg other;
    other.Init(0x7203);
    WriteSiegeLogRequest(&other, sent);
    if (extra > 0) WriteU8(&other, 0);
    else other.m_WritePos = static_cast<uint16_t>(other.m_WritePos - 1);
    ReadRelayHead(&other);
    EXPECT_FALSE(ReadSiegeLogRequest(&other, &read));
  }
}

TEST(SiegeLogQuery, refusals_send_nothing_and_leave_the_page_idle) {
  struct Case {
    const char* name;
    uint32_t shard, fortress;
    bool withMessenger;
    Lines log;
  } cases[] = {
      {"no shard", 0, 3, true, {"01000000:please type siege fortress name or select shard"}},
      {"no fortress", 1, 0, true, {"01000000:please type siege fortress name or select shard"}},
      {"fortress past 16 bits", 1, 0x10000, true, {"01000000:please type siege fortress name or select shard"}},
      {"shard not in the directory", 9, 3, true, {"02000001:Not found Shard[9]"}},
      {"no messenger", 1, 3, false, {"02000000:^2query SiegeLog not sent: no console messenger"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RelayLogConsole console;
    if (!c.withMessenger) Console().messenger = nullptr;
    SiegeLogSession s;
    s.Query(Input(c.shard, c.fortress, 3));
    EXPECT_EQ(RelayLogLines(), c.log);
    EXPECT_FALSE(s.Waiting());
    EXPECT_TRUE(console.messenger.sent.empty());
    // The End text and category were kept before the refusal.
    EXPECT_EQ(s.EndText(), kEnd);
    EXPECT_EQ(s.Category(), 3);
    ClearRelayLog();
    s.QueryMore(c.shard, c.fortress);
    EXPECT_EQ(RelayLogLines(), c.log);
    EXPECT_FALSE(s.Waiting());
  }
}

TEST(SiegeLogQuery, waiting_refuses_both_queries_until_an_answer_and_never_times_out) {
  RelayLogConsole console;
  SiegeLogSession s;
  s.Query(Input(1, 3, 5));
  TestNow() += 3600000;
  s.Query(Input(2, 1, 7, "2026-12-31 23:59:59"));
  s.QueryMore(1, 3);
  EXPECT_EQ(RelayLogLines(), Lines(2, "01000000:blocked. wait for response"));
  EXPECT_EQ(console.messenger.sent.size(), 1u);
  // The refused "Query" has stored its End text and category all the same.
  EXPECT_EQ(s.EndText(), "2026-12-31 23:59:59");
  EXPECT_EQ(s.Category(), 7);

  MassiveMsgBuilder b(0x800E);
  s.OnAnswer(AnswerMsg(b, SiegeAnswerBytes(2, {}, "")));
  s.QueryMore(1, 3);
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), Request(101, 3, 7, "", "2026-12-31 23:59:59"));
}

TEST(SiegeLogAnswer, counts_paging_boundary_failure_and_cursor) {
  struct Case {
    uint8_t result;
    size_t rows;
    bool more;
    const char* cursor;  // kept by the session afterwards
    Lines log;
  } cases[] = {
      {0, 0, false, "earlier", {"00000000:^20^0 log found"}},
      {0, 1, false, "next", {"00000000:^21^0 log found"}},
      {0, 49, false, "next", {"00000000:^249^0 log found"}},
      {0, 50, true, "next", {"00000000:^250^0 log found"}},
      {0, 51, true, "next", {"00000000:^251^0 log found"}},
      {1, 50, true, "next", {"00000000:^250^0 log found"}},
      {3, 2, false, "next", {"00000000:^22^0 log found"}},
      {2, 50, false, "earlier", {"01000000:query SiegeLog failed"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "result " << int(c.result) << " rows " << c.rows);
    RelayLogConsole console;
    SiegeLogSession s;
    MassiveMsgBuilder earlier(0x800E), b(0x800E);
    s.OnAnswer(AnswerMsg(earlier, SiegeAnswerBytes(0, Rows(1), "earlier")));
    s.Query(Input(1, 3, 250));
    ClearRelayLog();
    SiegeLogAnswer a = s.OnAnswer(AnswerMsg(b, SiegeAnswerBytes(c.result, Rows(c.rows), "next")));
    EXPECT_EQ(a.failed, c.result == 2);
    EXPECT_EQ(a.rows.size(), c.result == 2 ? 0u : c.rows);
    EXPECT_EQ(a.MoreRows(), c.more);
    EXPECT_EQ(s.NextBegin(), c.cursor);
    EXPECT_FALSE(s.Waiting());
    EXPECT_EQ(RelayLogLines(), c.log);
  }
}

TEST(SiegeLogAnswer, written_as_result_status_count_rows_and_cursor) {
  EXPECT_EQ(SiegeAnswerBytes(2, Rows(3), "c"), (std::vector<uint8_t>{2}));
  EXPECT_EQ(SiegeAnswerBytes(0, {}, "c"), (std::vector<uint8_t>{0, 0, 0, 0}));
  std::vector<uint8_t> one = SiegeAnswerBytes(1, {Row(1, 0, "")}, "c");
  ASSERT_EQ(one.size(), 4u + 35u + 3u);
  EXPECT_EQ(std::vector<uint8_t>(one.begin(), one.begin() + 4), (std::vector<uint8_t>{1, 0, 1, 0}));
  EXPECT_EQ(std::vector<uint8_t>(one.end() - 3, one.end()), (std::vector<uint8_t>{1, 0, 'c'}));
}

TEST(SiegeLogAnswer, rows_split_anywhere_read_whole) {
  std::vector<SiegeLogRow> rows = {Row(17, 4), Row(23, 0, std::string(300, 'w')), Row(99, 1, "")};
  std::vector<uint8_t> bytes = SiegeAnswerBytes(0, rows, "2026-3-9 00:00:00");
  for (size_t split = 0; split <= bytes.size(); ++split) {
    SCOPED_TRACE(split);
    MassiveMsgBuilder b(0x800E);
    b.Append(bytes.data(), bytes.size());
    SiegeLogAnswer a = ReadSiegeLogAnswer(b.BuildAt({split, split + 1}));
    ASSERT_FALSE(a.cutShort);
    ASSERT_EQ(a.rows.size(), 3u);
    EXPECT_EQ(a.nextBegin, "2026-3-9 00:00:00");
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(a.rows[i].head, rows[i].head);
      EXPECT_EQ(a.rows[i].data1, rows[i].data1);
      EXPECT_EQ(a.rows[i].data3, rows[i].data3);
      EXPECT_EQ(SiegeLogRowCells(a.rows[i]), SiegeLogRowCells(rows[i]));
    }
  }
}

TEST(SiegeLogAnswer, cut_short_keeps_the_rows_read_ends_the_wait_and_names_the_answer) {
  std::vector<uint8_t> whole = SiegeAnswerBytes(0, Rows(3), "2026-3-9 00:00:00");
  const size_t rowBytes = 4 + 16 + 1 + 12 + 2 + sizeof kGuild - 1;
  struct Case {
    const char* name;
    size_t keep;  // payload bytes that arrive
    size_t rows;
  } cases[] = {
      {"inside the header", 3, 0},
      {"inside the third row", 4 + 2 * rowBytes + 10, 2},
      {"inside the cursor", whole.size() - 1, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RelayLogConsole console;
    SiegeLogSession s;
    s.Query(Input(1, 3, 250));
    ClearRelayLog();
    MassiveMsgBuilder b(0x800E);
    SiegeLogAnswer a = s.OnAnswer(AnswerMsg(b, std::vector<uint8_t>(whole.begin(), whole.begin() + c.keep), 40));
    EXPECT_TRUE(a.cutShort);
    EXPECT_EQ(a.rows.size(), c.rows);
    EXPECT_FALSE(a.MoreRows());
    EXPECT_FALSE(s.Waiting());
    EXPECT_EQ(s.NextBegin(), "");
    EXPECT_EQ(RelayLogLines(),
              Lines{"02000000:^2answer 0x800E ended inside a row; " + std::to_string(c.rows) + " log kept"});
  }
  // An answer handed over without parts is treated the same way.
  RelayLogConsole console;
  SiegeLogSession s;
  s.Query(Input(1, 3, 250));
  EXPECT_TRUE(s.OnAnswer(nullptr).cutShort);
  EXPECT_FALSE(s.Waiting());
}

}  // namespace
