// The paged relay log core in both its uses, the siege log and the server event log:
// the requests and their refusals, the wait, paging, and answers read whole, split or
// cut short. What only one page does has a test of its own at the end.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "msg/RelayRequest.h"
#include "opslog/RelayLogRequest.h"
#include "opslog/RelayLogSession.h"
#include "opslog/ServerEventLogRecord.h"
#include "opslog/SiegeLogRecord.h"
#include "unit/opslog/RelayLogTestSupport.h"

namespace {

// What each page sends and says, as its operators and its servers expect it.
struct PageFacts {
  uint16_t inner, answer;
  bool startLog;         // the request carries a start log
  size_t countBytes;     // width of the answer's row count
  size_t emptyRowBytes;  // a row with an empty text
  const char* name;      // in "query <name> failed" and the lines of a request not sent
  const char* noTarget;  // the refusal without a shard or a target
};
const PageFacts kSiegeFacts = {0x400E, 0x800E, false, 2, 35, "SiegeLog",
                               "please type siege fortress name or select shard"};
const PageFacts kServerEventFacts = {0x4018, 0x8018, true, 1, 24, "ServerEventLog",
                                     "please type Server Event Name or select shard"};

// Each use: its row type and kind, row n of a test page (a text with marks and a format
// of its own must travel as sent).
struct Siege {
  using Row = SiegeLogRow;
  static const RelayLogKind& Kind() { return kSiegeLog; }
  static const PageFacts& Facts() { return kSiegeFacts; }
  static Row MakeRow(uint32_t n, const std::string& text = "^1Iron %d Wolves%s^0") {
    return {n, TestTime(2026, 3, 5, 7, 4, 9, kRelayFraction), static_cast<uint8_t>(1 + n % 24), 11, n, 33, text};
  }
};

struct ServerEvent {
  using Row = ServerEventLogRow;
  static const RelayLogKind& Kind() { return kServerEventLog; }
  static const PageFacts& Facts() { return kServerEventFacts; }
  static Row MakeRow(uint32_t n, const std::string& text = "^3stage %s cleared^0") {
    return {n, TestTime(2026, 11, 2, 7, 5, 9, kRelayFraction), 7, static_cast<uint8_t>(n % 6), text};
  }
};

// The operator lines of a page, class word and text.
CLogCapture::Line Refusal(const std::string& text) { return {0x01000000u, text}; }
CLogCapture::Line Failed(const PageFacts& page) { return Refusal(std::string("query ") + page.name + " failed"); }
CLogCapture::Line NotSent(const PageFacts& page, const char* why) {
  return {0x02000000u, std::string("^2query ") + page.name + " not sent: " + why};
}

struct UseName {
  template <class T>
  static std::string GetName(int) {
    return T::Facts().name;
  }
};

const char kBegin[] = "2026-2-4 07:04:09";
const char kEnd[] = "2026-3-5 17:30:00";

RelayLogQueryInput Input(uint32_t shard, uint32_t target, uint32_t category, const std::string& end = kEnd) {
  return {shard, target, category, kBegin, end};
}

// The request's payload; the start log goes out only where the request has one.
template <class T>
std::string Request(uint16_t service, uint32_t startLog, uint32_t target, uint8_t category, const std::string& begin,
                    const std::string& end) {
  const PageFacts& page = T::Facts();
  return WireU16(service) + WireU16(page.inner) + (page.startLog ? WireU32(startLog) : "") + WireU32(target) +
         std::string(1, static_cast<char>(category)) + WireString(begin) + WireString(end);
}

template <class T>
std::vector<typename T::Row> Rows(size_t n, uint32_t first = 1) {
  std::vector<typename T::Row> rows;
  for (size_t i = 0; i < n; ++i) rows.push_back(T::MakeRow(first + static_cast<uint32_t>(i)));
  return rows;
}

template <class T>
class RelayLog : public ::testing::Test {
 protected:
  using Row = typename T::Row;
  using Session = RelayLogSessionOf<Row>;

  RelayLogAnswer<Row> Answer(Session& s, uint8_t result, const std::vector<Row>& rows, const std::string& cursor) {
    return Answer(s, AnswerBytes(T::Kind(), result, rows, cursor), 4090);
  }
  RelayLogAnswer<Row> Answer(Session& s, const std::vector<uint8_t>& bytes, size_t partBytes) {
    MassiveMsgBuilder b(T::Facts().answer);
    return s.OnAnswer(AnswerMsg(b, bytes, partBytes));
  }
  const std::string Payload(size_t i) const { return console.messenger.Payload(i); }

  RelayLogConsole console;
  Session session{T::Kind()};
};

using Uses = ::testing::Types<Siege, ServerEvent>;
TYPED_TEST_SUITE(RelayLog, Uses, UseName);

TYPED_TEST(RelayLog, query_sends_the_low_16_bits_of_its_choices_and_query_more_the_cursor) {
  using T = TypeParam;
  auto& s = this->session;
  s.Query(Input(0x00050001, 0x00070003, 5));
  ASSERT_EQ(this->console.messenger.sent.size(), 1u);
  EXPECT_EQ(GetID(this->console.messenger.sent[0]), 0x7203);
  EXPECT_EQ(this->Payload(0), Request<T>(101, 0, 3, 5, kBegin, kEnd));
  EXPECT_TRUE(s.Waiting());

  this->Answer(s, 0, Rows<T>(50, 9001), "2026-3-1 10:00:00");
  EXPECT_FALSE(s.Waiting());
  // The category and End text "Query" kept, the cursor, and the last row's log id.
  EXPECT_EQ(s.QueryMore(1, 3), RequestOutcome::kSent);
  ASSERT_EQ(this->console.messenger.sent.size(), 2u);
  EXPECT_EQ(this->Payload(1), Request<T>(101, 9050, 3, 5, "2026-3-1 10:00:00", kEnd));
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x00000000u, "^250^0 log found"}}));
}

// The server's cursor goes out as it came, however long, as long as the request fits
// one record; one that does not is refused whole and nothing waits for an answer.
TYPED_TEST(RelayLog, cursor_sent_byte_for_byte_or_refused_whole) {
  using T = TypeParam;
  auto& s = this->session;
  const size_t fitting = 4090 - 4 - (T::Facts().startLog ? 4 : 0) - 4 - 1 - 2 - 2 - strlen(kEnd);
  for (size_t length : {size_t{3000}, fitting, fitting + 1}) {
    SCOPED_TRACE(length);
    this->console.messenger.sent.clear();
    CLogCapture::Lines().clear();
    s.Query(Input(1, 3, 5));
    const std::string cursor(length, 'c');
    this->Answer(s, 0, Rows<T>(50, 9001), cursor);
    const bool fits = length <= fitting;
    EXPECT_EQ(s.QueryMore(1, 3), fits ? RequestOutcome::kSent : RequestOutcome::kTooLong);
    ASSERT_EQ(this->console.messenger.sent.size(), fits ? 2u : 1u);
    if (fits) {
      EXPECT_EQ(this->Payload(1), Request<T>(101, 9050, 3, 5, cursor, kEnd));
      this->Answer(s, 0, {}, "");
    } else {
      EXPECT_FALSE(s.Waiting());
      EXPECT_EQ(CLogCapture::Lines().back(), NotSent(T::Facts(), "too long for one request"));
    }
  }
}

TYPED_TEST(RelayLog, the_server_reads_back_what_the_page_wrote) {
  using T = TypeParam;
  RelayLogRequest sent;
  sent.kind = &T::Kind();
  sent.serviceId = 107;
  sent.startLog = T::Facts().startLog ? 0xFFFFFFF0u : 0;
  sent.target = 0x10002;
  sent.category = 250;
  sent.begin = std::string(300, 'b');
  sent.end = std::string(3000, 'e');
  CMsg msg;
  msg.Init(0x7203);
  WriteRelayLogRequest(&msg, sent);
  RelayHead head = ReadRelayHead(&msg);
  EXPECT_EQ(head.serviceId, 107);
  EXPECT_EQ(head.innerId, T::Facts().inner);
  RelayLogRequest read;
  ASSERT_TRUE(ReadRelayLogRequest(&msg, T::Kind(), &read));
  EXPECT_EQ(read.kind, &T::Kind());
  EXPECT_EQ(read.startLog, sent.startLog);
  EXPECT_EQ(read.target, 0x10002u);
  EXPECT_EQ(read.category, 250);
  EXPECT_EQ(read.begin, sent.begin);
  EXPECT_EQ(read.end, sent.end);

  // Cut short, or with bytes after the fields, the request is not read.
  for (int extra : {-1, 1}) {
    SCOPED_TRACE(extra);
    CMsg other;
    other.Init(0x7203);
    WriteRelayLogRequest(&other, sent);
    if (extra > 0) WriteU8(&other, 0);
    else other.m_WritePos = static_cast<uint16_t>(other.m_WritePos - 1);
    ReadRelayHead(&other);
    EXPECT_FALSE(ReadRelayLogRequest(&other, T::Kind(), &read));
  }
}

TYPED_TEST(RelayLog, refusals_send_nothing_and_leave_the_page_idle) {
  using T = TypeParam;
  struct Case {
    const char* name;
    uint32_t shard, target;
    bool withMessenger;
    CLogCapture::Line log;
  } cases[] = {
      {"no shard", 0, 3, true, Refusal(T::Facts().noTarget)},
      {"no target", 1, 0, true, Refusal(T::Facts().noTarget)},
      {"target past 16 bits", 1, 0x10000, true, Refusal(T::Facts().noTarget)},
      {"shard not in the directory", 9, 3, true, {0x02000001u, "Not found Shard[9]"}},
      {"no messenger", 1, 3, false, NotSent(T::Facts(), "no console messenger")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CLogCapture::Lines().clear();
    Console().messenger = c.withMessenger ? &this->console.messenger : nullptr;
    RelayLogSessionOf<typename T::Row> s(T::Kind());
    s.Query(Input(c.shard, c.target, 3));
    EXPECT_EQ(CLogCapture::Lines(), LogLines{c.log});
    EXPECT_FALSE(s.Waiting());
    EXPECT_TRUE(this->console.messenger.sent.empty());
    // The End text and category were kept before the refusal.
    EXPECT_EQ(s.EndText(), kEnd);
    EXPECT_EQ(s.Category(), 3);
    // "Query More" meets the same refusal.
    CLogCapture::Lines().clear();
    EXPECT_EQ(s.QueryMore(c.shard, c.target), RequestOutcome::kRefused);
    EXPECT_EQ(CLogCapture::Lines(), LogLines{c.log});
    EXPECT_FALSE(s.Waiting());
  }
}

TYPED_TEST(RelayLog, answers_count_page_fail_and_leave_the_cursor) {
  using T = TypeParam;
  struct Case {
    uint8_t result;
    size_t rows;
    bool more;
    const char* cursor;  // kept by the session afterwards
    uint32_t nextLogId;  // likewise, where the request has a start log
    CLogCapture::Line log;
  } cases[] = {
      {0, 0, false, "earlier", 77, {0x00000000u, "^20^0 log found"}},
      {0, 1, false, "next", 501, {0x00000000u, "^21^0 log found"}},
      {0, 49, false, "next", 549, {0x00000000u, "^249^0 log found"}},
      {0, 50, true, "next", 550, {0x00000000u, "^250^0 log found"}},
      {0, 51, true, "next", 551, {0x00000000u, "^251^0 log found"}},
      {1, 50, true, "next", 550, {0x00000000u, "^250^0 log found"}},
      {3, 2, false, "next", 502, {0x00000000u, "^22^0 log found"}},
      {2, 50, false, "earlier", 77, Failed(T::Facts())},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "result " << int(c.result) << " rows " << c.rows);
    RelayLogSessionOf<typename T::Row> s(T::Kind());
    this->Answer(s, 0, Rows<T>(1, 77), "earlier");
    s.Query(Input(1, 3, 250));
    CLogCapture::Lines().clear();
    RelayLogAnswer<typename T::Row> a = this->Answer(s, c.result, Rows<T>(c.rows, 501), "next");
    EXPECT_EQ(a.failed, c.result == 2);
    EXPECT_EQ(a.rows.size(), c.result == 2 ? 0u : c.rows);
    EXPECT_EQ(a.MoreRows(), c.more);
    EXPECT_EQ(s.NextBegin(), c.cursor);
    EXPECT_EQ(s.NextLogId(), T::Facts().startLog ? c.nextLogId : 0u);
    EXPECT_FALSE(s.Waiting());
    EXPECT_EQ(CLogCapture::Lines(), LogLines{c.log});
  }
}

TYPED_TEST(RelayLog, answers_written_as_result_status_count_rows_and_cursor) {
  using T = TypeParam;
  const RelayLogKind& kind = T::Kind();
  EXPECT_EQ(AnswerBytes(kind, 2, Rows<T>(3), "c"), (std::vector<uint8_t>{2}));
  const size_t countBytes = T::Facts().countBytes;
  EXPECT_EQ(AnswerBytes(kind, 0, Rows<T>(0), "c"), std::vector<uint8_t>(2 + countBytes, 0));
  std::vector<uint8_t> one = AnswerBytes(kind, 1, std::vector<typename T::Row>{T::MakeRow(5, "")}, "c");
  ASSERT_EQ(one.size(), 2 + countBytes + T::Facts().emptyRowBytes + 3);
  std::vector<uint8_t> head = {1, 0, 1, 0};
  head.resize(2 + countBytes);
  EXPECT_EQ(std::vector<uint8_t>(one.begin(), one.begin() + head.size()), head);
  EXPECT_EQ(std::vector<uint8_t>(one.end() - 3, one.end()), (std::vector<uint8_t>{1, 0, 'c'}));
  // The count says as many rows as its field holds, and only those rows follow.
  std::vector<uint8_t> many = AnswerBytes(kind, 0, Rows<T>(300), "c");
  EXPECT_EQ(std::vector<uint8_t>(many.begin() + 2, many.begin() + 2 + countBytes),
            (countBytes == 2 ? std::vector<uint8_t>{0x2C, 0x01} : std::vector<uint8_t>{255}));
  MassiveMsgBuilder b(T::Facts().answer);
  EXPECT_FALSE(ReadRelayLogAnswer<typename T::Row>(AnswerMsg(b, many), kind).cutShort);
}

TYPED_TEST(RelayLog, rows_split_anywhere_read_whole) {
  using T = TypeParam;
  std::vector<typename T::Row> rows = {T::MakeRow(17), T::MakeRow(0xFFFFFFFF, std::string(600, 'w')),
                                       T::MakeRow(3, "")};
  std::vector<uint8_t> bytes = AnswerBytes(T::Kind(), 0, rows, "2026-3-9 00:00:00");
  for (size_t split = 0; split <= bytes.size(); ++split) {
    SCOPED_TRACE(split);
    MassiveMsgBuilder b(T::Facts().answer);
    b.Append(bytes.data(), bytes.size());
    RelayLogAnswer<typename T::Row> a = ReadRelayLogAnswer<typename T::Row>(b.BuildAt({split, split + 1}), T::Kind());
    ASSERT_FALSE(a.cutShort);
    ASSERT_EQ(a.rows.size(), 3u);
    EXPECT_EQ(a.nextBegin, "2026-3-9 00:00:00");
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(RowBytes(a.rows[i]), RowBytes(rows[i]));
  }
}

TYPED_TEST(RelayLog, cut_short_keeps_the_rows_read_ends_the_wait_and_names_the_answer) {
  using T = TypeParam;
  std::vector<uint8_t> whole = AnswerBytes(T::Kind(), 0, Rows<T>(3, 10), "2026-3-9 00:00:00");
  // Where the third row starts: the bytes of two rows and an empty cursor, less the cursor.
  const size_t third = AnswerBytes(T::Kind(), 0, Rows<T>(2, 10), "").size() - 2;
  struct Case {
    const char* name;
    size_t keep;  // payload bytes that arrive
    size_t rows;
  } cases[] = {
      {"inside the header", 1 + T::Facts().countBytes, 0},
      {"inside the third row", third + 10, 2},
      {"inside the cursor", whole.size() - 1, 3},
  };
  char answerId[8];
  snprintf(answerId, sizeof answerId, "0x%04X", T::Facts().answer);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RelayLogSessionOf<typename T::Row> s(T::Kind());
    s.Query(Input(1, 3, 250));
    CLogCapture::Lines().clear();
    RelayLogAnswer<typename T::Row> a =
        this->Answer(s, std::vector<uint8_t>(whole.begin(), whole.begin() + c.keep), 33);
    EXPECT_TRUE(a.cutShort);
    EXPECT_EQ(a.rows.size(), c.rows);
    EXPECT_FALSE(a.MoreRows());
    EXPECT_FALSE(s.Waiting());
    EXPECT_EQ(s.NextBegin(), "");
    EXPECT_EQ(s.NextLogId(), 0u);
    EXPECT_EQ(CLogCapture::Lines(),
              (LogLines{{0x02000000u, "^2answer " + std::string(answerId) + " ended inside a row; " +
                                          std::to_string(c.rows) + " log kept"}}));
  }
  // An answer handed over without parts is treated the same way.
  RelayLogSessionOf<typename T::Row> s(T::Kind());
  s.Query(Input(1, 3, 250));
  EXPECT_TRUE(s.OnAnswer(nullptr).cutShort);
  EXPECT_FALSE(s.Waiting());
}

// The siege page's "Query More" goes to the shard and fortress selected now, and the
// page does not look at the manager service: a stopped one, or one the directory does
// not list, is sent to as well.
TEST(SiegeLogQuery, query_more_takes_the_selection_of_now_and_no_service_is_checked) {
  RelayLogConsole console;
  RelayLogSessionOf<SiegeLogRow> s(kSiegeLog);
  s.Query(Input(1, 3, 5));
  MassiveMsgBuilder b(0x800E);
  s.OnAnswer(AnswerMsg(b, AnswerBytes(kSiegeLog, 0, Rows<Siege>(50), "2026-3-1 10:00:00")));
  s.QueryMore(2, 1);
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), Request<Siege>(102, 0, 1, 5, "2026-3-1 10:00:00", kEnd));
  for (uint16_t shard : {7, 8}) {
    MassiveMsgBuilder c(0x800E);
    s.OnAnswer(AnswerMsg(c, AnswerBytes(kSiegeLog, 0, Rows<Siege>(0), "")));
    s.Query(Input(shard, 2, 250, "2026-3-6 00:00:00"));
    EXPECT_EQ(console.messenger.Payload(console.messenger.sent.size() - 1),
              Request<Siege>(static_cast<uint16_t>(100 + shard), 0, 2, 250, kBegin, "2026-3-6 00:00:00"));
  }
  EXPECT_EQ(console.messenger.sent.size(), 4u);
}

TEST(SiegeLogQuery, a_wait_never_runs_out) {
  RelayLogConsole console;
  RelayLogSessionOf<SiegeLogRow> s(kSiegeLog);
  s.Query(Input(1, 3, 5));
  TestNow() += 3600000;
  s.Query(Input(2, 1, 7, "2026-12-31 23:59:59"));
  s.QueryMore(1, 3);
  EXPECT_EQ(CLogCapture::Lines(), LogLines(2, {0x01000000u, "blocked. wait for response"}));
  EXPECT_EQ(console.messenger.sent.size(), 1u);
  // The refused "Query" has stored its End text and category all the same.
  EXPECT_EQ(s.EndText(), "2026-12-31 23:59:59");
  EXPECT_EQ(s.Category(), 7);

  MassiveMsgBuilder b(0x800E);
  s.OnAnswer(AnswerMsg(b, AnswerBytes(kSiegeLog, 2, Rows<Siege>(0), "")));
  s.QueryMore(1, 3);
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), Request<Siege>(101, 0, 3, 7, "", "2026-12-31 23:59:59"));
}

TEST(ServerEventLogQuery, the_manager_service_must_be_listed_and_running) {
  struct Case {
    uint16_t shard;
    CLogCapture::Line log;
  } cases[] = {
      {8, {0x02000001u, "Not found Shard[8]"}},
      {7, {0x01000000u, "plz launch Realmwarden[107]"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shard);
    RelayLogConsole console;
    RelayLogSessionOf<ServerEventLogRow> s(kServerEventLog);
    s.Query(Input(c.shard, 7, 1));
    CLogCapture::Lines().clear();
    // "Query More" goes to what "Query" kept, whatever is selected now.
    EXPECT_EQ(s.QueryMore(0, 0), RequestOutcome::kRefused);
    EXPECT_EQ(CLogCapture::Lines(), LogLines{c.log});
    EXPECT_TRUE(console.messenger.sent.empty());
    EXPECT_FALSE(s.Waiting());
  }
  // Both running states send; every other state is refused with the service's identifier.
  for (uint32_t state : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 0x80000004u}) {
    SCOPED_TRACE(state);
    RelayLogConsole console;
    console.directory.FindService(107)->state = state;
    RelayLogSessionOf<ServerEventLogRow> s(kServerEventLog);
    s.Query(Input(7, 7, 255));
    bool running = state == 4 || state == 5;
    EXPECT_EQ(console.messenger.sent.size(), running ? 1u : 0u);
    EXPECT_EQ(CLogCapture::Lines(), (running ? LogLines{} : LogLines{{0x01000000u, "plz launch Realmwarden[107]"}}));
  }
}

TEST(ServerEventLogQuery, a_wait_blocks_for_five_seconds_of_ticks_then_lets_the_query_go) {
  RelayLogConsole console;
  RelayLogSessionOf<ServerEventLogRow> s(kServerEventLog);
  TestNow() = 0xFFFFFC00u;  // the wait spans the tick count's wrap
  s.Query(Input(1, 7, 255));
  TestNow() += 1200;
  s.Query(Input(2, 3, 0, "2026-12-1 00:00:00"));
  TestNow() += 3799;
  s.QueryMore(0, 0);
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x01000000u, "blocked. wait for response or timeout[3800]"},
                                            {0x01000000u, "blocked. wait for response or timeout[1]"}}));
  EXPECT_EQ(console.messenger.sent.size(), 1u);
  // A refused "Query" has kept its End text and category, not its shard and event.
  EXPECT_EQ(s.EndText(), "2026-12-1 00:00:00");
  EXPECT_EQ(s.Category(), 0);
  EXPECT_EQ(s.ShardId(), 1);

  TestNow() += 4800;  // 6 s after the first send
  CLogCapture::Lines().clear();
  s.Query(Input(2, 3, 0));
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), Request<ServerEvent>(102, 0, 3, 0, kBegin, kEnd));
  EXPECT_TRUE(CLogCapture::Lines().empty());
  EXPECT_TRUE(s.Waiting());
  // The wait starts again at the new send; "Query More" clears an expired one itself.
  TestNow() += 5000;
  s.QueryMore(0, 0);
  EXPECT_EQ(console.messenger.sent.size(), 3u);
  EXPECT_TRUE(CLogCapture::Lines().empty());
}

TEST(RelayLogWait, milliseconds_left_as_an_unsigned_tick_difference) {
  struct Case {
    uint32_t sent, now, left;
  } cases[] = {
      {1000, 1000, 5000},
      {1000, 2200, 3800},
      {1000, 5999, 1},
      {1000, 6000, 0},
      {1000, 7000, 0},
      {0xFFFFF000u, 0x00000200u, 392},  // 4608 ms across the wrap
      {0xFFFFFFFFu, 0x00001387u, 0},    // exactly 5000 ms across the wrap
      {5000, 1000, 0},                  // a count that went back reads as long past
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.sent << " -> " << c.now);
    EXPECT_EQ(RelayLogWaitLeft(c.sent, c.now, 5000), c.left);
  }
}

}  // namespace
