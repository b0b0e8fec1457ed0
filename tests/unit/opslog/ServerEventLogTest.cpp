#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opslog/ServerEventLogSession.h"
#include "msg/RelayRequest.h"
#include "opslog/ServerEventTexts.h"
#include "unit/opslog/RelayLogTestSupport.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

using Lines = std::vector<std::string>;

ServerEventLogRow Row(uint32_t logId, uint8_t logType = 1, const std::string& description = "^3stage %s cleared^0") {
  ServerEventLogRow r;
  r.logId = logId;
  r.time = TimeOf(2026, 11, 2, 7, 5, 9);
  r.serverEventId = 7;
  r.logType = logType;
  r.description = description;
  return r;
}

TEST(ServerEventTexts, cells_of_every_log_type_and_the_fallback) {
  const char* names[256] = {};
  names[1] = "Start!";
  names[2] = "End!";
  names[3] = "Completion";
  names[4] = "Reward";
  for (int type = 0; type < 256; ++type) {
    SCOPED_TRACE(type);
    EXPECT_EQ(ServerEventRowCells(Row(42, static_cast<uint8_t>(type))),
              (ServerEventCells{"42", "2026-11-02 07:05:09", "7", names[type] ? names[type] : "UnknownLogType",
                                "^3stage %s cleared^0"}));
  }
}

TEST(ServerEventTexts, numbers_as_percent_d_and_the_description_within_1024_bytes) {
  struct Case {
    uint32_t logId;
    uint8_t eventId;
    size_t descriptionSize;
    const char* id;
    const char* event;
    size_t shown;
  } cases[] = {
      {0, 0, 0, "0", "0", 0},
      {2147483647u, 255, 1023, "2147483647", "255", 1023},
      {2147483648u, 128, 1024, "-2147483648", "128", 1023},
      {0xFFFFFFFFu, 1, 65535, "-1", "1", 1023},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    ServerEventLogRow row = Row(c.logId, 3, std::string(c.descriptionSize, 'd'));
    row.serverEventId = c.eventId;
    ServerEventCells cells = ServerEventRowCells(row);
    EXPECT_EQ(cells[0], c.id);
    EXPECT_EQ(cells[2], c.event);
    EXPECT_EQ(cells[4], std::string(c.shown, 'd'));
  }
}

TEST(ServerEventTexts, name_keys_up_to_nine_digits_and_names_from_the_text_table) {
  struct Case {
    int32_t id;
    const char* key;
  } cases[] = {
      {7, "SN_SERVER_EVENT_MISSION_7"},
      {0, "SN_SERVER_EVENT_MISSION_0"},
      {999999999, "SN_SERVER_EVENT_MISSION_999999999"},
      {1000000000, ""},
      {-12345678, "SN_SERVER_EVENT_MISSION_-12345678"},
      {-123456789, ""},
      {INT32_MIN, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(ServerEventNameKey(c.id), c.key);
  }

  EXPECT_TRUE(ServerEventEntries(nullptr).empty());
  CScratchDir dir;
  dir.WriteCompleteSet();
  dir.Write("RefServerEventID.txt", "12\r\n7\r\n1000000000\r\n3\r\n");
  dir.Write("TextUISystem.txt", TextRow("SN_SERVER_EVENT_MISSION_7", "Monster Invasion") +
                                    TextRow("SN_SERVER_EVENT_MISSION_12", "Fishing Contest") +
                                    TextRow("SN_SERVER_EVENT_MISSION_1000000000", "Never keyed") +
                                    TextRow("SN_SERVER_EVENT_MISSION_", "Empty key"));
  CGameRefData data;
  ASSERT_TRUE(data.Load());
  std::vector<std::string> entries;
  for (const ChoiceEntry& e : ServerEventEntries(&data)) entries.push_back(e.text + "=" + std::to_string(e.data));
  EXPECT_EQ(entries, (std::vector<std::string>{"=3", "Monster Invasion=7", "Fishing Contest=12", "=1000000000"}));
}

TEST(ServerEventTexts, categories_in_the_order_they_are_added) {
  std::vector<std::string> categories;
  for (const LogChoice& c : kServerEventCategories)
    categories.push_back(c.text + std::string("=") + std::to_string(c.data));
  EXPECT_EQ(categories, (std::vector<std::string>{"Start And End=0", "Completion=1", "Reward=2", "All=255"}));
}

TEST(ServerEventWait, milliseconds_left_as_an_unsigned_tick_difference) {
  struct Case {
    uint32_t sent, now, left;
  } cases[] = {
      {1000, 1000, 5000},
      {1000, 2200, 3800},
      {1000, 5999, 1},
      {1000, 6000, 0},
      {1000, 7000, 0},
      {0xFFFFF000u, 0x00000200u, 392},   // 4608 ms across the wrap
      {0xFFFFFFFFu, 0x00001387u, 0},     // exactly 5000 ms across the wrap
      {5000, 1000, 0},                   // a count that went back reads as long past
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.sent << " -> " << c.now);
    EXPECT_EQ(ServerEventWaitLeft(c.sent, c.now), c.left);
  }
}

const char kBegin[] = "2026-11-1 00:00:00";
const char kEnd[] = "2026-11-30 23:59:59";

ServerEventQueryInput Input(uint32_t shard, uint32_t event, uint32_t category, const std::string& end = kEnd) {
  ServerEventQueryInput in;
  in.shardData = shard;
  in.eventData = event;
  in.categoryData = category;
  in.beginText = kBegin;
  in.endText = end;
  return in;
}

std::string Request(uint16_t service, uint32_t startLog, uint32_t event, uint8_t category, const std::string& begin,
                    const std::string& end) {
  return WireU16(service) + WireU16(0x4018) + WireU32(startLog) + WireU32(event) +
         std::string(1, static_cast<char>(category)) + WireString(begin) + WireString(end);
}

std::vector<ServerEventLogRow> Rows(size_t n, uint32_t firstId = 1) {
  std::vector<ServerEventLogRow> rows;
  for (size_t i = 0; i < n; ++i) rows.push_back(Row(firstId + static_cast<uint32_t>(i), static_cast<uint8_t>(i % 6)));
  return rows;
}

TEST(ServerEventQuery, request_fields_of_query_and_query_more) {
  RelayLogConsole console;
  ServerEventLogSession s;
  // Only the low 16 bits of the item data name the shard and the event.
  s.Query(Input(0x00030002, 0x00010007, 2));
  ASSERT_EQ(console.messenger.sent.size(), 1u);
  EXPECT_EQ(GetID(console.messenger.sent[0]), 0x7203);
  EXPECT_EQ(console.messenger.Payload(0), Request(102, 0, 7, 2, kBegin, kEnd));
  EXPECT_EQ(s.ShardId(), 2);
  EXPECT_EQ(s.EventId(), 7u);

  MassiveMsgBuilder b(0x8018);
  s.OnAnswer(AnswerMsg(b, ServerEventAnswerBytes(0, Rows(50, 9001), "2026-11-20 12:00:00")));
  EXPECT_EQ(s.NextLogId(), 9050u);
  s.QueryMore();
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), Request(102, 9050, 7, 2, "2026-11-20 12:00:00", kEnd));
  EXPECT_EQ(RelayLogLines(), Lines{"00000000:^250^0 log found"});
}

// The server's cursor goes out as it came, however long, as long as the request fits
// one record; one that does not is refused whole and nothing waits for an answer.
TEST(ServerEventQuery, cursor_sent_byte_for_byte_or_refused_whole) {
  RelayLogConsole console;
  ServerEventLogSession s;
  const size_t fitting = 4090 - 4 - 4 - 4 - 1 - 2 - 2 - strlen(kEnd);
  for (size_t length : {size_t{3000}, fitting, fitting + 1}) {
    SCOPED_TRACE(length);
    console.messenger.sent.clear();
    ClearRelayLog();
    s.Query(Input(2, 7, 2));
    const std::string cursor(length, 'c');
    MassiveMsgBuilder b(0x8018);
    s.OnAnswer(AnswerMsg(b, ServerEventAnswerBytes(0, Rows(50, 9001), cursor)));
    const bool fits = length <= fitting;
    EXPECT_EQ(s.QueryMore(), fits ? RequestOutcome::kSent : RequestOutcome::kTooLong);
    ASSERT_EQ(console.messenger.sent.size(), fits ? 2u : 1u);
    if (fits) {
      EXPECT_EQ(console.messenger.Payload(1), Request(102, 9050, 7, 2, cursor, kEnd));
      MassiveMsgBuilder c(0x8018);
      s.OnAnswer(AnswerMsg(c, ServerEventAnswerBytes(0, {}, "")));
    } else {
      EXPECT_FALSE(s.Waiting());
      EXPECT_EQ(RelayLogLines().back(), "02000000:^2query ServerEventLog not sent: too long for one request");
    }
  }
}

TEST(ServerEventQuery, the_server_reads_back_what_the_page_wrote) {
  ServerEventLogRequest sent;
  sent.serviceId = 102;
  sent.startLog = 0xFFFFFFF0u;
  sent.eventId = 12;
  sent.category = 255;
  sent.begin = kBegin;
  sent.end = std::string(4000, 'e');
  CMsg msg;
  msg.Init(0x7203);
  WriteServerEventLogRequest(&msg, sent);
  RelayHead head = ReadRelayHead(&msg);
  EXPECT_EQ(head.serviceId, 102);
  EXPECT_EQ(head.innerId, 0x4018);
  ServerEventLogRequest read;
  ASSERT_TRUE(ReadServerEventLogRequest(&msg, &read));
  EXPECT_EQ(read.startLog, 0xFFFFFFF0u);
  EXPECT_EQ(read.eventId, 12u);
  EXPECT_EQ(read.category, 255);
  EXPECT_EQ(read.begin, kBegin);
  EXPECT_EQ(read.end, sent.end);

  for (int extra : {-1, 1}) {
    SCOPED_TRACE(extra);
    CMsg other;
    other.Init(0x7203);
    WriteServerEventLogRequest(&other, sent);
    if (extra > 0) WriteU8(&other, 0);
    else other.m_WritePos = static_cast<uint16_t>(other.m_WritePos - 1);
    ReadRelayHead(&other);
    EXPECT_FALSE(ReadServerEventLogRequest(&other, &read));
  }
}

TEST(ServerEventQuery, service_checks_and_refusals) {
  struct Case {
    const char* name;
    uint32_t shard, event;
    bool withMessenger;
    Lines log;
  } cases[] = {
      {"no shard", 0, 7, true, {"01000000:please type Server Event Name or select shard"}},
      {"no event", 1, 0, true, {"01000000:please type Server Event Name or select shard"}},
      {"event past 16 bits", 1, 0x10000, true, {"01000000:please type Server Event Name or select shard"}},
      {"shard not in the directory", 9, 7, true, {"02000001:Not found Shard[9]"}},
      {"service not in the directory", 8, 7, true, {"02000001:Not found Shard[8]"}},
      {"service stopped", 7, 7, true, {"01000000:plz launch Realmwarden[107]"}},
      {"no messenger", 1, 7, false, {"02000000:^2query ServerEventLog not sent: no console messenger"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RelayLogConsole console;
    if (!c.withMessenger) Console().messenger = nullptr;
    ServerEventLogSession s;
    s.Query(Input(c.shard, c.event, 1));
    EXPECT_EQ(RelayLogLines(), c.log);
    EXPECT_FALSE(s.Waiting());
    EXPECT_TRUE(console.messenger.sent.empty());
    EXPECT_EQ(s.EndText(), kEnd);
    EXPECT_EQ(s.Category(), 1);
    // "Query More" repeats what "Query" kept, with the same outcome.
    ClearRelayLog();
    s.QueryMore();
    EXPECT_EQ(RelayLogLines(), c.log);
    EXPECT_TRUE(console.messenger.sent.empty());
  }
  // Both running states send; every other state is refused with the service's identifier.
  for (uint32_t state : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 0x80000004u}) {
    SCOPED_TRACE(state);
    RelayLogConsole console;
    console.directory.FindService(107)->state = state;
    ServerEventLogSession s;
    s.Query(Input(7, 7, 255));
    bool running = state == 4 || state == 5;
    EXPECT_EQ(console.messenger.sent.size(), running ? 1u : 0u);
    EXPECT_EQ(RelayLogLines(), running ? Lines{} : Lines{"01000000:plz launch Realmwarden[107]"});
  }
}

TEST(ServerEventQuery, a_wait_blocks_for_five_seconds_of_ticks_then_lets_the_query_go) {
  RelayLogConsole console;
  ServerEventLogSession s;
  TestNow() = 0xFFFFFC00u;  // the wait spans the tick count's wrap
  s.Query(Input(1, 7, 255));
  TestNow() += 1200;
  s.Query(Input(2, 3, 0, "2026-12-1 00:00:00"));
  TestNow() += 3799;
  s.QueryMore();
  EXPECT_EQ(RelayLogLines(), (Lines{"01000000:blocked. wait for response or timeout[3800]",
                                    "01000000:blocked. wait for response or timeout[1]"}));
  EXPECT_EQ(console.messenger.sent.size(), 1u);
  // A refused "Query" has kept its End text and category, not its shard and event.
  EXPECT_EQ(s.EndText(), "2026-12-1 00:00:00");
  EXPECT_EQ(s.Category(), 0);
  EXPECT_EQ(s.ShardId(), 1);

  TestNow() += 4800;  // 6 s after the first send
  ClearRelayLog();
  s.Query(Input(2, 3, 0));
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), Request(102, 0, 3, 0, kBegin, kEnd));
  EXPECT_TRUE(RelayLogLines().empty());
  EXPECT_TRUE(s.Waiting());
  // The wait starts again at the new send; "Query More" clears an expired one itself.
  TestNow() += 5000;
  s.QueryMore();
  EXPECT_EQ(console.messenger.sent.size(), 3u);
  EXPECT_TRUE(RelayLogLines().empty());
}

TEST(ServerEventAnswer, counts_paging_boundary_failure_and_cursor) {
  struct Case {
    uint8_t result;
    size_t rows;
    bool more;
    uint32_t nextLogId;
    const char* cursor;
    Lines log;
  } cases[] = {
      {0, 0, false, 77, "earlier", {"00000000:^20^0 log found"}},
      {0, 1, false, 501, "next", {"00000000:^21^0 log found"}},
      {0, 49, false, 549, "next", {"00000000:^249^0 log found"}},
      {0, 50, true, 550, "next", {"00000000:^250^0 log found"}},
      {0, 255, true, 755, "next", {"00000000:^2255^0 log found"}},
      {4, 50, true, 550, "next", {"00000000:^250^0 log found"}},
      {2, 50, false, 77, "earlier", {"01000000:query ServerEventLog failed"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "result " << int(c.result) << " rows " << c.rows);
    RelayLogConsole console;
    ServerEventLogSession s;
    MassiveMsgBuilder earlier(0x8018), b(0x8018);
    s.OnAnswer(AnswerMsg(earlier, ServerEventAnswerBytes(0, Rows(1, 77), "earlier")));
    s.Query(Input(1, 7, 255));
    ClearRelayLog();
    ServerEventLogAnswer a = s.OnAnswer(AnswerMsg(b, ServerEventAnswerBytes(c.result, Rows(c.rows, 501), "next")));
    EXPECT_EQ(a.rows.size(), c.result == 2 ? 0u : c.rows);
    EXPECT_EQ(a.MoreRows(), c.more);
    EXPECT_EQ(s.NextLogId(), c.nextLogId);
    EXPECT_EQ(s.NextBegin(), c.cursor);
    EXPECT_FALSE(s.Waiting());
    EXPECT_EQ(RelayLogLines(), c.log);
  }
}

TEST(ServerEventAnswer, written_as_result_status_count_rows_and_cursor) {
  EXPECT_EQ(ServerEventAnswerBytes(2, Rows(3), "c"), (std::vector<uint8_t>{2}));
  EXPECT_EQ(ServerEventAnswerBytes(0, {}, "c"), (std::vector<uint8_t>{0, 0, 0}));
  std::vector<uint8_t> one = ServerEventAnswerBytes(1, {Row(5, 1, "")}, "c");
  ASSERT_EQ(one.size(), 3u + 24u + 3u);
  EXPECT_EQ(std::vector<uint8_t>(one.begin(), one.begin() + 4), (std::vector<uint8_t>{1, 0, 1, 5}));
  EXPECT_EQ(std::vector<uint8_t>(one.end() - 3, one.end()), (std::vector<uint8_t>{1, 0, 'c'}));
  // A page holds at most 255 rows: the count is one byte.
  EXPECT_EQ(ServerEventAnswerBytes(0, Rows(300), "c")[2], 255);
}

TEST(ServerEventAnswer, rows_split_anywhere_read_whole) {
  std::vector<ServerEventLogRow> rows = {Row(1, 1), Row(0xFFFFFFFF, 9, std::string(600, 'q')), Row(3, 4, "")};
  std::vector<uint8_t> bytes = ServerEventAnswerBytes(0, rows, "2026-11-3 00:00:00");
  for (size_t split = 0; split <= bytes.size(); ++split) {
    SCOPED_TRACE(split);
    MassiveMsgBuilder b(0x8018);
    b.Append(bytes.data(), bytes.size());
    ServerEventLogAnswer a = ReadServerEventLogAnswer(b.BuildAt({split, split + 1}));
    ASSERT_FALSE(a.cutShort);
    ASSERT_EQ(a.rows.size(), 3u);
    EXPECT_EQ(a.nextLogId, 3u);
    EXPECT_EQ(a.nextBegin, "2026-11-3 00:00:00");
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(ServerEventRowCells(a.rows[i]), ServerEventRowCells(rows[i]));
  }
}

TEST(ServerEventAnswer, cut_short_keeps_the_rows_read_ends_the_wait_and_names_the_answer) {
  std::vector<uint8_t> whole = ServerEventAnswerBytes(0, Rows(3, 10), "2026-11-3 00:00:00");
  const size_t rowBytes = 4 + 16 + 1 + 1 + 2 + 19;
  struct Case {
    const char* name;
    size_t keep;
    size_t rows;
  } cases[] = {
      {"inside the header", 2, 0},
      {"inside the second row", 3 + rowBytes + 5, 1},
      {"inside the cursor", whole.size() - 2, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RelayLogConsole console;
    ServerEventLogSession s;
    s.Query(Input(1, 7, 255));
    ClearRelayLog();
    MassiveMsgBuilder b(0x8018);
    ServerEventLogAnswer a =
        s.OnAnswer(AnswerMsg(b, std::vector<uint8_t>(whole.begin(), whole.begin() + c.keep), 33));
    EXPECT_TRUE(a.cutShort);
    EXPECT_EQ(a.rows.size(), c.rows);
    EXPECT_FALSE(a.MoreRows());
    EXPECT_FALSE(s.Waiting());
    EXPECT_EQ(s.NextLogId(), 0u);
    EXPECT_EQ(RelayLogLines(),
              Lines{"02000000:^2answer 0x8018 ended inside a row; " + std::to_string(c.rows) + " log kept"});
  }
  RelayLogConsole console;
  ServerEventLogSession s;
  s.Query(Input(1, 7, 255));
  EXPECT_TRUE(s.OnAnswer(nullptr).cutShort);
  EXPECT_FALSE(s.Waiting());
}

}  // namespace
