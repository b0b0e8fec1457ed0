// The simulated console log service: its readable records, the request it reads and
// the answers it sends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KDLogService.h"
#include "LogTimeKey.h"
#include "msg/MassiveMsg.h"
#include "msg/MsgIds.h"
#include "opslog/KDLogAnswer.h"

namespace {

KDLogRecord Entry(const char* user, uint8_t category, const char* time, const char* text) {
  KDLogRecord e;
  e.userName = user;
  e.category = category;
  e.logText = text;
  EXPECT_TRUE(ParseLogTime(time, &e.time)) << time;
  return e;
}

struct Decoded {
  uint8_t result = 0xFF;
  std::vector<KDLogRecord> records;
};

// Reads an answer over parts cut every 97 bytes, and checks nothing follows it.
Decoded Decode(MassiveMsgBuilder* b) {
  Decoded d;
  CMassiveMsg* m = b->Build(97);
  d.result = ReadU8(m);
  while (ReadU8(m) != 0) {
    uint8_t r[kKDLogRecordSize];
    ReadBytes(m, r, kKDLogRecordSize);
    d.records.push_back(DecodeKDLogRecord(r));
  }
  EXPECT_THROW(ReadU8(m), CMsgException) << "bytes after the last \"more\" byte";
  return d;
}

KDLogRequest Query(const char* user, uint8_t category, const char* begin, const char* end) {
  KDLogRequest q;
  q.userName = user;
  q.category = category;
  q.beginTime = begin;
  q.endTime = end;
  return q;
}

const std::vector<KDLogRecord> kLog = {
    Entry("gm_orsolya", 1, "2026-11-02 07:05:09", "^2kick^0 character Varnel"),
    Entry("op_kesh", 11, "2026-11-03 10:00:00", "notice: %s at 06:00"),
    Entry("GM_Orsolya", 9, "2026-11-04 00:00:00", "login"),
    Entry("op_brenna", 1, "2026-11-05 23:59:59", "teleport"),
};

TEST(KDLogService, selects_by_user_or_category_within_the_inclusive_span) {
  CKDLogService service(kLog);
  struct Case {
    const char* name;
    KDLogRequest query;
    std::vector<std::string> texts;
  } cases[] = {
      {"all in span", Query("", 0, "2026-11-1 00:00:00", "2026-11-30 00:00:00"),
       {"^2kick^0 character Varnel", "notice: %s at 06:00", "login", "teleport"}},
      {"user, any case", Query("gm_ORSOLYA", 0, "2026-1-1 00:00:00", "2026-12-31 23:59:59"),
       {"^2kick^0 character Varnel", "login"}},
      {"category", Query("", 1, "2026-1-1 00:00:00", "2026-12-31 23:59:59"), {"^2kick^0 character Varnel", "teleport"}},
      {"a user name outweighs the category", Query("gm_orsolya", 9, "2026-1-1 00:00:00", "2026-12-31 23:59:59"),
       {"^2kick^0 character Varnel", "login"}},
      {"span ends are inclusive", Query("", 0, "2026-11-2 07:05:09", "2026-11-5 23:59:59"),
       {"^2kick^0 character Varnel", "notice: %s at 06:00", "login", "teleport"}},
      {"one second short on both ends", Query("", 0, "2026-11-2 07:05:10", "2026-11-5 23:59:58"),
       {"notice: %s at 06:00", "login"}},
      {"begin after end", Query("", 0, "2026-12-1 00:00:00", "2026-11-1 00:00:00"), {}},
      {"unknown user", Query("nobody", 0, "2026-1-1 00:00:00", "2026-12-31 23:59:59"), {}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    MassiveMsgBuilder b(kMsgKDLogAnswer);
    EXPECT_EQ(service.Answer(c.query, &b), c.texts.size());
    Decoded d = Decode(&b);
    EXPECT_EQ(d.result, kKDLogResultOk);
    std::vector<std::string> texts;
    for (auto& r : d.records) texts.push_back(r.logText);
    EXPECT_EQ(texts, c.texts);
  }
}

TEST(KDLogService, stops_at_one_hundred_records) {
  std::vector<KDLogRecord> many;
  for (int i = 0; i < 130; ++i) many.push_back(Entry("gm", 1, "2026-11-02 07:05:09", std::to_string(i).c_str()));
  CKDLogService service(many);
  MassiveMsgBuilder b(kMsgKDLogAnswer);
  EXPECT_EQ(service.Answer(Query("gm", 0, "2026-1-1 00:00:00", "2026-12-31 00:00:00"), &b), 100u);
  Decoded d = Decode(&b);
  ASSERT_EQ(d.records.size(), 100u);
  EXPECT_EQ(d.records[99].logText, "99");
}

TEST(KDLogService, unreadable_time_fails_the_query) {
  CKDLogService service(kLog);
  for (const char* bad : {"", "2026-11-1", "2026-13-1 00:00:00", "2026-11-1 24:00:00", "2026-11-1 00:00:00x",
                          "yesterday"}) {
    SCOPED_TRACE(bad);
    MassiveMsgBuilder b(kMsgKDLogAnswer);
    EXPECT_EQ(service.Answer(Query("", 0, bad, "2026-12-31 00:00:00"), &b), 0u);
    Decoded d = Decode(&b);
    EXPECT_EQ(d.result, kLogAnswerFailed);
    EXPECT_TRUE(d.records.empty());
  }
}

TEST(KDLogRecords, readable_lines_become_records) {
  std::vector<KDLogRecord> out;
  std::string error;
  ASSERT_TRUE(ParseKDLogRecords("# comment\n"
                                "\n"
                                "gm_orsolya | 1 | 2026-11-02 07:05:09.25 | ^2kick^0 a | b %s\r\n"
                                "op_kesh | 255 | 2026-11-03 10:00:00 | \n",
                                &out, &error))
      << error;
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].userName, "gm_orsolya");
  EXPECT_EQ(out[0].category, 1);
  EXPECT_EQ(out[0].logText, "^2kick^0 a | b %s");
  EXPECT_EQ(out[0].time.second, 9);
  EXPECT_EQ(out[0].time.fraction, 25u);
  EXPECT_EQ(out[1].category, 255);
  EXPECT_EQ(out[1].logText, "");
}

TEST(KDLogRecords, faulty_lines_are_refused_with_their_number) {
  const std::string longUser(128, 'u'), longText(256, 't');
  struct Case {
    std::string line;
    const char* why;
  } cases[] = {
      {"gm | 1 | 2026-11-02 07:05:09", "expected user"},
      {"gm | 256 | 2026-11-02 07:05:09 | x", "category"},
      {"gm | -1 | 2026-11-02 07:05:09 | x", "category"},
      {"gm | 1 | 2026-11-02 | x", "time"},
      {"gm | 1 | 2026-11-02 07:05:09.x | x", "time"},
      {longUser + " | 1 | 2026-11-02 07:05:09 | x", "user name"},
      {"gm | 1 | 2026-11-02 07:05:09 | " + longText, "text longer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<KDLogRecord> out;
    std::string error;
    EXPECT_FALSE(ParseKDLogRecords("# first\n" + c.line + "\n", &out, &error));
    EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
    EXPECT_NE(error.find(c.why), std::string::npos) << error;
  }
}

TEST(KDLogRecords, sample_file_loads_and_fills_one_hundred) {
  std::vector<KDLogRecord> out;
  std::string error;
  ASSERT_TRUE(LoadKDLogRecords(KV_SAMPLE_KDLOG, &out, &error)) << error;
  CKDLogService service(out);
  MassiveMsgBuilder b(kMsgKDLogAnswer);
  EXPECT_EQ(service.Answer(Query("", 1, "2026-1-1 00:00:00", "2026-12-31 23:59:59"), &b), 100u)
      << "the demo shows the limit warning with a query by category";
}

}  // namespace
