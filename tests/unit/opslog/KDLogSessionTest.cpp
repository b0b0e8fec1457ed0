#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "opslog/KDLogCategories.h"
#include "opslog/KDLogSession.h"
#include "ui/ColourMarkup.h"
#include "unit/opslog/KDLogTestSupport.h"

namespace {

const KDLogRecord kLogin = {"gm_rhea", 9, "login from 10.1.2.3", {2008, 3, 5, 7, 4, 9, 0}};
const KDLogRecord kPatch = {"gm_orin", 10, "^2patch %s applied to %n", {2008, 3, 6, 23, 0, 1, 500}};
// Neither text field holds a zero; the category code has no name; the fraction is past 2^31.
const KDLogRecord kFull = {std::string(128, 'N'), 0x41, std::string(256, 'L'), {2012, 12, 31, 23, 59, 58, 3000000000u}};

KDLogQueryInput Input(uint32_t queryBy, std::string name, uint32_t category) {
  return {queryBy, name, category, "2008-2-4 07:04:09", "2008-3-5 07:04:09"};
}

const std::string kTimes = std::string("\x11\x00", 2) + "2008-2-4 07:04:09" + std::string("\x11\x00", 2) + "2008-3-5 07:04:09";

// Checked byte by byte against the wire layout, not through the decoder.
TEST(KDLogRecord, encoded_at_its_wire_offsets) {
  const KDLogRecord e = {"gm_orsolya", 13, "text with %s and ^4marks", {2026, 11, 2, 7, 5, 9, 0x01020304}};
  uint8_t r[kKDLogRecordSize];
  memset(r, 0xEE, sizeof r);
  EncodeKDLogRecord(e, r);
  auto u16 = [&r](size_t at) { return LoadLE16(r + at); };
  EXPECT_STREQ(reinterpret_cast<const char*>(r), "gm_orsolya");
  EXPECT_EQ(r[127], 0) << "unused user bytes are zero";
  EXPECT_EQ(r[128], 13);
  EXPECT_STREQ(reinterpret_cast<const char*>(r + 129), "text with %s and ^4marks");
  EXPECT_EQ(r[384], 0);
  EXPECT_EQ(u16(385), 2026);
  EXPECT_EQ(u16(387), 11);
  EXPECT_EQ(u16(389), 2);
  EXPECT_EQ(u16(391), 7);
  EXPECT_EQ(u16(393), 5);
  EXPECT_EQ(u16(395), 9);
  EXPECT_EQ(LoadLE32(r + 397), 0x01020304u);
}

TEST(KDLogQuery, request_fields_by_user_name_or_by_category) {
  TestConsole console;
  KDLogSession s;
  s.Query(Input(kKDLogByUserName, "gm_rhea", 9));
  s.Query(Input(kKDLogByUserName, "gm_rhea", 9));
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x01000000u, "blocked. wait for response"}}));
  ASSERT_EQ(console.messenger.sent.size(), 1u);
  EXPECT_EQ(GetID(console.messenger.sent[0]), 0x7404);
  EXPECT_EQ(console.messenger.Payload(0), std::string("\x07\x00gm_rhea\x09", 10) + kTimes);

  MassiveMsgBuilder b(0xB404);
  s.OnAnswer(KDLogAnswerMsg(b, KDLogAnswerBytes(0, {})));
  s.Query(Input(kKDLogByCategory, "left over", 24));
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), std::string("\x00\x00\x18", 3) + kTimes);

  // An overlong name is cut so that the times still fit in the record.
  MassiveMsgBuilder c(0xB404);
  s.OnAnswer(KDLogAnswerMsg(c, KDLogAnswerBytes(0, {})));
  s.Query(Input(kKDLogByUserName, std::string(5000, 'x'), 1));
  ASSERT_EQ(console.messenger.sent.size(), 3u);
  std::string sent = console.messenger.Payload(2);
  EXPECT_EQ(sent.size(), 4090u);
  EXPECT_EQ(sent.substr(sent.size() - kTimes.size() - 1), "\x01" + kTimes);
}

// The name takes what the record has left after the other fields: 4049 characters fit
// whole, one more is cut off; the field and time texts are cut to their buffers first.
TEST(KDLogQuery, fields_at_their_limits) {
  struct Case {
    size_t name;
    size_t time;
    size_t nameSent;
    size_t timeSent;
  } cases[] = {
      {4049, 17, 4049, 17},
      {4050, 17, 4049, 17},
      {4095, 259, 3565, 259},
      {4096, 260, 3565, 259},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << " name, " << c.time << " time");
    KDLogQueryInput input = Input(kKDLogByUserName, std::string(c.name, 'n'), 1);
    input.beginText = input.endText = std::string(c.time, '7');
    KDLogQueryOutcome outcome = BuildKDLogRequest(input, false);
    ASSERT_EQ(outcome.refusal, nullptr);
    CMsg msg;
    msg.Init(0x7404);
    WriteKDLogRequest(&msg, outcome.request);
    KDLogRequest sent;
    ASSERT_TRUE(ReadKDLogRequest(&msg, &sent));
    EXPECT_EQ(sent.userName.size(), c.nameSent);
    EXPECT_EQ(sent.category, 1);
    EXPECT_EQ(sent.beginTime.size(), c.timeSent);
    EXPECT_EQ(sent.endTime.size(), c.timeSent);
  }
}

// The log service's side of the request: the four fields, nothing short, nothing after.
TEST(KDLogQuery, request_is_read_field_by_field_and_must_be_whole) {
  struct Case {
    const char* name;
    std::string payload;
    bool whole;
  } cases[] = {
      {"whole", std::string("\x07\x00op_kesh\x0B", 10) + kTimes, true},
      {"a byte after the end time", std::string("\x07\x00op_kesh\x0B", 10) + kTimes + '\0', false},
      {"end time one byte short", std::string("\x07\x00op_kesh\x0B", 10) + kTimes.substr(0, kTimes.size() - 1),
       false},
      {"begin time claims more than follows", std::string("\x07\x00op_kesh\x0B\x28\x00" "2026", 16), false},
      {"no category", std::string("\x07\x00op_kesh", 9), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CMsg msg;
    msg.Init(0x7404);
    WriteBytes(&msg, c.payload.data(), static_cast<uint16_t>(c.payload.size()));
    KDLogRequest q;
    EXPECT_EQ(ReadKDLogRequest(&msg, &q), c.whole);
    if (!c.whole) continue;
    EXPECT_EQ(q.userName, "op_kesh");
    EXPECT_EQ(q.category, 11);
    EXPECT_EQ(q.beginTime, "2008-2-4 07:04:09");
    EXPECT_EQ(q.endTime, "2008-3-5 07:04:09");
  }
}

TEST(KDLogQuery, without_a_messenger_nothing_waits_for_an_answer) {
  TestConsole console;
  Console().messenger = nullptr;
  KDLogSession s;
  s.Query(Input(kKDLogByUserName, "gm_rhea", 0));
  EXPECT_FALSE(s.Waiting());
  ASSERT_EQ(CLogCapture::Lines().size(), 1u);
  EXPECT_EQ(CLogCapture::Lines()[0].first, 0x02000000u);
}

// Only result 2 is a failure, and it drops what was held; every other result lists the
// records. The limit warning comes at exactly 100 records.
TEST(KDLogAnswer, counts_failure_and_the_limit) {
  struct Case {
    uint8_t result;
    size_t sent;
    size_t held;
    LogLines log;
  } cases[] = {
      {0, 0, 0, {{0x00000000u, "^40^0 log found"}}},
      {0, 1, 1, {{0x00000000u, "^41^0 log found"}}},
      {1, 1, 1, {{0x00000000u, "^41^0 log found"}}},
      {3, 1, 1, {{0x00000000u, "^41^0 log found"}}},
      {255, 1, 1, {{0x00000000u, "^41^0 log found"}}},
      {0, 99, 99, {{0x00000000u, "^499^0 log found"}}},
      {0, 100, 100, {{0x01000000u, "query KDLOG count is limited : ^2100"}, {0x00000000u, "^4100^0 log found"}}},
      {0, 101, 101, {{0x00000000u, "^4101^0 log found"}}},
      {2, 0, 0, {{0x01000000u, "query KDLog failed"}}},
      {2, 3, 0, {{0x01000000u, "query KDLog failed"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "result " << int{c.result} << ", " << c.sent << " records");
    TestConsole console;
    KDLogSession s;
    MassiveMsgBuilder earlier(0xB404);
    s.OnAnswer(KDLogAnswerMsg(earlier, KDLogAnswerBytes(0, {kLogin, kLogin})));
    CLogCapture::Lines().clear();
    MassiveMsgBuilder b(0xB404);
    s.OnAnswer(KDLogAnswerMsg(b, KDLogAnswerBytes(c.result, std::vector<KDLogRecord>(c.sent, kPatch))));
    EXPECT_EQ(s.Records().size(), c.held);
    EXPECT_EQ(CLogCapture::Lines(), c.log);
  }
}

// Any nonzero "more" byte announces a record.
TEST(KDLogAnswer, every_nonzero_more_byte_announces_a_record) {
  for (uint8_t more : {1, 2, 0x80, 0xFF}) {
    SCOPED_TRACE(int{more});
    std::vector<uint8_t> bytes = KDLogAnswerBytes(0, {kLogin, kPatch});
    bytes[1] = more;
    bytes[1 + 1 + kKDLogRecordSize] = more;
    MassiveMsgBuilder b(0xB404);
    KDLogAnswer a = ReadKDLogAnswer(KDLogAnswerMsg(b, bytes));
    EXPECT_FALSE(a.cutShort);
    ASSERT_EQ(a.records.size(), 2u);
    EXPECT_EQ(a.records[1].userName, "gm_orin");
  }
}

TEST(KDLogAnswer, records_split_anywhere_read_within_their_fields) {
  std::vector<uint8_t> bytes = KDLogAnswerBytes(0, {kPatch, kFull});
  for (size_t split = 0; split < bytes.size(); split += 5) {
    SCOPED_TRACE(split);
    MassiveMsgBuilder b(0xB404);
    b.Append(bytes.data(), bytes.size());
    KDLogAnswer a = ReadKDLogAnswer(b.BuildAt({split, split + 1, split + 400}));
    ASSERT_FALSE(a.cutShort);
    ASSERT_EQ(a.records.size(), 2u);
    EXPECT_EQ(KDLogRowCells(a.records[0]),
              (KDLogCells{"gm_orin", "ModulePatch", "^2patch %s applied to %n", "2008-3-6 23:00:01 500"}));
    EXPECT_EQ(KDLogRowCells(a.records[1]),
              (KDLogCells{std::string(128, 'N'), "Unknown", std::string(256, 'L'), "2012-12-31 23:59:58 -1294967296"}));
  }
}

TEST(KDLogAnswer, cut_short_keeps_whole_records_and_frees_the_page) {
  TestConsole console;
  KDLogSession s;
  std::vector<uint8_t> bytes = KDLogAnswerBytes(0, {kLogin, kPatch, kLogin});
  bytes.resize(1 + 2 * 402 + 1 + 150);
  s.Query(Input(kKDLogByUserName, "", 0));
  MassiveMsgBuilder b(0xB404);
  s.OnAnswer(KDLogAnswerMsg(b, bytes, 300));
  EXPECT_FALSE(s.Waiting());
  ASSERT_EQ(s.Records().size(), 2u);
  EXPECT_EQ(s.Records()[1].userName, "gm_orin");
  ASSERT_EQ(CLogCapture::Lines().size(), 1u);
  EXPECT_EQ(CLogCapture::Lines()[0],
            (CLogCapture::Line{0x02000000u, "^2answer 0xB404 ended inside a record; 2 log kept"}));

  // An answer handed over without parts is treated the same way.
  s.Query(Input(kKDLogByUserName, "", 0));
  s.OnAnswer(nullptr);
  EXPECT_FALSE(s.Waiting());
  EXPECT_TRUE(s.Records().empty());
}

// Named codes at both ends of the name list; "Unknown" around and between them.
TEST(KDLogCategories, names_of_codes_and_unknown_for_the_rest) {
  const struct {
    uint8_t code;
    const char* name;
  } cases[] = {{0, "Unknown"},          {1, "GM Command"}, {2, "Unknown"}, {18, "Unknown"},
               {24, "KV_UserPunishment"}, {25, "Unknown"},   {255, "Unknown"}};
  for (const auto& c : cases) EXPECT_STREQ(KDLogCategoryName(c.code), c.name) << int(c.code);
}

TEST(KDLogCopy, header_and_tab_separated_records_or_a_refusal) {
  TestConsole console;
  KDLogSession s;
  std::string text = "unchanged";
  EXPECT_FALSE(s.CopyText(&text));
  EXPECT_EQ(text, "unchanged");
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x01000000u, "there is no data to copy to clipboard"}}));

  MassiveMsgBuilder b(0xB404);
  s.OnAnswer(KDLogAnswerMsg(b, KDLogAnswerBytes(0, {kPatch, kLogin})));
  ASSERT_TRUE(s.CopyText(&text));
  EXPECT_EQ(StripColourMarks(text.c_str()),
            "UserName\tCatagory\tLog\tDateTime\r\n"
            "gm_orin\tModulePatch\tpatch %s applied to %n\t2008-3-6 23:00:01 500\r\n"
            "gm_rhea\tLogin/Logout\tlogin from 10.1.2.3\t2008-3-5 07:04:09 0\r\n");
  // Some rows, in the order asked, as the same lines; a row past the records adds none.
  EXPECT_EQ(StripColourMarks(s.RowsCopyText({1, 0, 2, -1}).c_str()),
            "gm_rhea\tLogin/Logout\tlogin from 10.1.2.3\t2008-3-5 07:04:09 0\r\n"
            "gm_orin\tModulePatch\tpatch %s applied to %n\t2008-3-6 23:00:01 500\r\n");
}

}  // namespace
