#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamelog/GameLogQuery.h"
#include "gamelog/GameLogSession.h"
#include "msg/RelayRequest.h"
#include "unit/gamelog/GameLogTestSupport.h"

namespace {

class GameLogQueryTest : public ::testing::Test {
 protected:
  GameLogQueryInput Input(uint8_t kind, uint8_t option, std::string name, std::string code = "") {
    return QueryInput(&shard, kind, option, std::move(name), std::move(code));
  }
  GameLogQueryInput WithShard(uint16_t id, const KDShardRecord* record) {
    GameLogQueryInput in = Input(1, 0, "Varnel");
    in.shardId = id;
    in.shard = record;
    return in;
  }
  GameLogQueryInput WithSpan(const char* begin, const char* end) {
    GameLogQueryInput in = Input(3, 0, "Varnel");
    in.beginText = begin;
    in.endText = end;
    return in;
  }

  KDShardRecord shard = ShardRecord(7, 107);
  TestConsole console;
  CGameRefData refData;
  GameLogSession session{refData};
};

TEST_F(GameLogQueryTest, every_refusal_has_its_text_and_sends_nothing) {
  struct Case {
    const char* what;
    GameLogQueryInput input;
    const char* refusal;
  } cases[] = {
      {"no shard", WithShard(0, &shard), "some input fields are wrong"},
      {"no record", WithShard(7, nullptr), "some input fields are wrong"},
      {"no kind", Input(0, 0, "Varnel"), "some input fields are wrong"},
      {"no name", Input(1, 0, ""), "some input fields are wrong"},
      {"no serial", Input(4, 0, ""), "some input fields are wrong"},
      {"no begin", WithSpan("", kEnd), "some input fields are wrong"},
      {"no end", WithSpan(kBegin, ""), "some input fields are wrong"},
      {"33 bytes kind 1", Input(1, 0, std::string(33, 'n')), "character name is under 32 bytes"},
      {"33 bytes kind 2", Input(2, 0, std::string(33, 'n')), "character name is under 32 bytes"},
      {"33 bytes kind 3", Input(3, 0, std::string(33, 'n')), "character name is under 32 bytes"},
      {"empty code name", Input(2, 16, "Varnel", ""), "invalid codename specified"},
      {"129-byte code name", Input(2, 16, "Varnel", std::string(129, 'c')), "invalid codename specified"},
      {"letter in serial", Input(4, 0, "12a"), "invalid serial number"},
      {"signed serial", Input(4, 0, "-12"), "invalid serial number"},
      {"blank in serial", Input(4, 0, "12 "), "invalid serial number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CLogCapture::Lines().clear();
    EXPECT_FALSE(session.NewQuery(c.input));
    EXPECT_EQ(console.Lines(), (LogLines{{0x01000000u, c.refusal}}));
  }
  EXPECT_TRUE(console.messenger.sent.empty());
}

TEST_F(GameLogQueryTest, request_bytes_of_every_kind_and_option) {
  struct Case {
    const char* what;
    GameLogQueryInput input;
    std::string payload;
  } cases[] = {
      {"character", Input(1, 255, "Varnel", "left over"),
       RequestBytes(107, 1, 255, "Varnel", kBegin, kEnd, "left over")},
      {"32-byte name", Input(1, 0, std::string(32, 'n')),
       RequestBytes(107, 1, 0, std::string(32, 'n'), kBegin, kEnd, "")},
      {"console operations ignore the name", Input(1, 9, ""), RequestBytes(107, 1, 9, "KDC", kBegin, kEnd, "")},
      {"item console operations", Input(2, 17, "Varnel"), RequestBytes(107, 2, 17, "KDC", kBegin, kEnd, "")},
      {"item by code name", Input(2, 16, "Varnel", std::string(128, 'c')),
       RequestBytes(107, 2, 16, "Varnel", kBegin, kEnd, std::string(128, 'c'))},
      {"other item options carry the code name edit", Input(2, 5, "Varnel", std::string(200, 'c')),
       RequestBytes(107, 2, 5, "Varnel", kBegin, kEnd, std::string(200, 'c'))},
      {"quest", Input(3, 0, "Varnel", "x"), RequestBytes(107, 3, 0, "Varnel", kBegin, kEnd, "x")},
      {"serial", Input(4, 0, "123", "ignored"), RequestBytes(107, 4, 0, "KDC", kBegin, kEnd, "123", 50)},
      {"33-digit serial", Input(4, 6, std::string(33, '9')),
       RequestBytes(107, 4, 6, "KDC", kBegin, kEnd, std::string(33, '9'), 50)},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    SCOPED_TRACE(cases[i].what);
    ASSERT_TRUE(session.NewQuery(cases[i].input));
    ASSERT_EQ(console.messenger.sent.size(), i + 1);
    EXPECT_EQ(GetID(console.messenger.sent[i]), 0x7203);
    EXPECT_EQ(console.messenger.Payload(i), cases[i].payload);
  }
  EXPECT_TRUE(console.Lines().empty());
}

// A text goes out whole or the request is not sent: cut, a serial names another item
// and a cursor another page. The edits hold up to 4095 characters.
TEST_F(GameLogQueryTest, texts_go_out_whole_or_nothing_is_sent) {
  const size_t serialRoom = 4090 - RequestBytes(107, 4, 0, "KDC", kBegin, kEnd, "").size() - 4;
  const std::string serial(serialRoom, '7');
  ASSERT_TRUE(session.NewQuery(Input(4, 0, serial)));
  EXPECT_EQ(console.messenger.Payload(0), RequestBytes(107, 4, 0, "KDC", kBegin, kEnd, serial, 50));
  const size_t codeRoom = 4090 - RequestBytes(107, 2, 0, "Varnel", kBegin, kEnd, "").size();
  ASSERT_TRUE(session.NewQuery(Input(2, 0, "Varnel", std::string(codeRoom, 'c'))));

  EXPECT_FALSE(session.NewQuery(Input(4, 0, serial + "7")));
  EXPECT_FALSE(session.NewQuery(Input(2, 0, "Varnel", std::string(codeRoom + 1, 'c'))));
  EXPECT_EQ(console.Lines(), (LogLines{{0x01000000u, "invalid serial number"}, {0x01000000u, "invalid codename specified"}}));
  EXPECT_EQ(console.messenger.sent.size(), 2u);

  // "Query More" carries the server's cursor as it came.
  const size_t cursorRoom = 4090 - RequestBytes(107, 2, 0, "Varnel", "", kEnd, "").size();
  for (size_t length : {size_t{300}, size_t{3000}, cursorRoom, cursorRoom + 1}) {
    SCOPED_TRACE(length);
    const std::string cursor(length, 'x');
    MassiveMsgBuilder b(0x8001);
    session.OnAnswer(AnswerMsg(b, AnswerBytes(2, std::vector<GameLogItemRecord>{ItemRecord(5, 1001, 1, "moved")}, cursor), 301));
    CLogCapture::Lines().clear();
    const size_t sent = console.messenger.sent.size();
    const bool fits = length <= cursorRoom;
    EXPECT_EQ(session.QueryMore(1), fits);
    ASSERT_EQ(console.messenger.sent.size(), sent + (fits ? 1 : 0));
    if (fits) {
      EXPECT_EQ(console.messenger.Payload(sent), RequestBytes(107, 2, 0, "Varnel", cursor, kEnd, ""));
    } else {
      EXPECT_EQ(console.Lines(), (LogLines{{0x02000000u, "^2game log query not sent: too long for one request"}}));
    }
  }
}

TEST_F(GameLogQueryTest, history_request_carries_the_serial_in_signed_decimal) {
  struct Case {
    int64_t serial;
    uint32_t rows;
    const char* text;
  } cases[] = {
      {1, 30, "1"},
      {-42, 0, "-42"},
      {INT64_MIN, 30, "-9223372036854775808"},
      {INT64_MAX, 0, "9223372036854775807"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    CMsg msg;
    msg.Init(0x7203);
    WriteGameLogRequest(&msg, SerialHistoryRequest(107, c.serial, "", kEnd, c.rows));
    std::string payload(reinterpret_cast<const char*>(msg.m_Storage) + 6, msg.m_WritePos - 6);
    EXPECT_EQ(payload, RequestBytes(107, 4, 0, "KDC", "", kEnd, c.text, c.rows));
  }
}

TEST(GameLogRequestReader, reads_back_what_the_page_writes_and_refuses_the_rest) {
  GameLogRequest plain;
  plain.kind = 2;
  plain.option = 16;
  plain.charName = "Varnel";
  plain.beginTime = kBegin;
  plain.endTime = "";
  plain.itemCodeName = "ITEM_WEAPON_SWORD_01";
  for (const GameLogRequest& sent : {plain, SerialHistoryRequest(107, -42, kBegin, kEnd, 30)}) {
    SCOPED_TRACE(sent.kind);
    CMsg msg;
    msg.Init(0x7203);
    WriteGameLogRequest(&msg, sent);
    ReadRelayHead(&msg);
    GameLogRequest got;
    ASSERT_TRUE(ReadGameLogRequest(&msg, &got));
    EXPECT_EQ(std::vector<std::string>({std::to_string(got.kind), std::to_string(got.option), got.charName,
                                        got.beginTime, got.endTime, got.itemCodeName}),
              std::vector<std::string>({std::to_string(sent.kind), std::to_string(sent.option), sent.charName,
                                        sent.beginTime, sent.endTime, sent.itemCodeName}));
    EXPECT_EQ(got.hasMaxRows, sent.hasMaxRows);
    EXPECT_EQ(got.maxRows, sent.maxRows);
  }
  // Cut inside a field, or with bytes that are neither nothing nor maxRows after it.
  std::string whole = RequestBytes(107, 1, 0, "Varnel", kBegin, kEnd, "").substr(4);
  for (const std::string& bytes : {whole.substr(0, whole.size() - 1), whole + "xy", std::string(1, '\x01')}) {
    CMsg msg;
    msg.Init(0x7203);
    WriteBytes(&msg, bytes.data(), static_cast<uint16_t>(bytes.size()));
    GameLogRequest got;
    EXPECT_FALSE(ReadGameLogRequest(&msg, &got)) << bytes.size();
  }
}

// Days back from now; none before 1970-01-01 00:00:00 UTC, which the pickers' local
// time conversion refuses.
TEST(GameLogDuration, days_back_within_the_pickers_reach) {
  TestConsole console;
  int64_t begin = -1;
  ASSERT_TRUE(DurationBegin(0, 1000, &begin));
  EXPECT_EQ(begin, 1000);
  ASSERT_TRUE(DurationBegin(2, 2 * 86400, &begin));
  EXPECT_EQ(begin, 0);
  begin = 7;
  EXPECT_FALSE(DurationBegin(2, 2 * 86400 - 1, &begin));
  EXPECT_FALSE(DurationBegin(-1, 1000, &begin));
  EXPECT_EQ(begin, 7);
  EXPECT_EQ(console.Lines(), (LogLines{{0x01000000u, "please type days"}, {0x01000000u, "please type days"}}));
}

}  // namespace
