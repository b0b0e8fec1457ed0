// The simulated console log service: its readable records, the request it reads and
// the answer bytes it sends, decoded here by hand from the wire layout.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "KDLogRecords.h"
#include "KDLogService.h"
#include "msg/MassiveMsg.h"
#include "msg/MsgIds.h"

namespace {

KDLogEntry Entry(const char* user, uint8_t category, const char* time, const char* text) {
  KDLogEntry e;
  e.user = user;
  e.category = category;
  e.text = text;
  EXPECT_TRUE(ParseKDLogTime(time, &e.time)) << time;
  return e;
}

struct Decoded {
  uint8_t result = 0xFF;
  std::vector<std::vector<uint8_t>> records;
};

// Reads an answer as the wire describes it, over parts cut every 97 bytes.
Decoded Decode(MassiveMsgBuilder* b) {
  Decoded d;
  CMassiveMsg* m = b->Build(97);
  d.result = ReadU8(m);
  while (ReadU8(m) != 0) {
    std::vector<uint8_t> r(kKDLogRecordSize);
    ReadBytes(m, r.data(), static_cast<uint16_t>(r.size()));
    d.records.push_back(r);
  }
  EXPECT_THROW(ReadU8(m), CMsgException) << "bytes after the last \"more\" byte";
  return d;
}

std::string UserOf(const std::vector<uint8_t>& r) { return reinterpret_cast<const char*>(r.data()); }
std::string TextOf(const std::vector<uint8_t>& r) { return reinterpret_cast<const char*>(r.data() + 129); }
unsigned U16At(const std::vector<uint8_t>& r, size_t at) { return r[at] | (r[at + 1] << 8); }

KDLogQuery Query(const char* user, uint8_t category, const char* begin, const char* end) {
  KDLogQuery q;
  q.user = user;
  q.category = category;
  q.begin = begin;
  q.end = end;
  return q;
}

const std::vector<KDLogEntry> kLog = {
    Entry("gm_orsolya", 1, "2026-11-02 07:05:09", "^2kick^0 character Varnel"),
    Entry("op_kesh", 11, "2026-11-03 10:00:00", "notice: %s at 06:00"),
    Entry("GM_Orsolya", 9, "2026-11-04 00:00:00", "login"),
    Entry("op_brenna", 1, "2026-11-05 23:59:59", "teleport"),
};

TEST(KDLogService, record_is_encoded_at_its_wire_offsets) {
  KDLogEntry e = Entry("gm_orsolya", 13, "2026-11-02 07:05:09", "text with %s and ^4marks");
  e.time.fraction = 0x01020304;
  uint8_t r[kKDLogRecordSize];
  memset(r, 0xEE, sizeof r);
  EncodeKDLogRecord(e, r);
  std::vector<uint8_t> v(r, r + sizeof r);
  EXPECT_EQ(UserOf(v), "gm_orsolya");
  EXPECT_EQ(r[127], 0) << "unused user bytes are zero";
  EXPECT_EQ(r[128], 13);
  EXPECT_EQ(TextOf(v), "text with %s and ^4marks");
  EXPECT_EQ(r[384], 0);
  EXPECT_EQ(U16At(v, 385), 2026u);
  EXPECT_EQ(U16At(v, 387), 11u);
  EXPECT_EQ(U16At(v, 389), 2u);
  EXPECT_EQ(U16At(v, 391), 7u);
  EXPECT_EQ(U16At(v, 393), 5u);
  EXPECT_EQ(U16At(v, 395), 9u);
  EXPECT_EQ(U16At(v, 397) | (U16At(v, 399) << 16), 0x01020304u);
}

TEST(KDLogService, selects_by_user_or_category_within_the_inclusive_span) {
  CKDLogService service(kLog);
  struct Case {
    const char* name;
    KDLogQuery query;
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
    for (auto& r : d.records) texts.push_back(TextOf(r));
    EXPECT_EQ(texts, c.texts);
  }
}

TEST(KDLogService, stops_at_one_hundred_records) {
  std::vector<KDLogEntry> many;
  for (int i = 0; i < 130; ++i) many.push_back(Entry("gm", 1, "2026-11-02 07:05:09", std::to_string(i).c_str()));
  CKDLogService service(many);
  MassiveMsgBuilder b(kMsgKDLogAnswer);
  EXPECT_EQ(service.Answer(Query("gm", 0, "2026-1-1 00:00:00", "2026-12-31 00:00:00"), &b), 100u);
  Decoded d = Decode(&b);
  ASSERT_EQ(d.records.size(), 100u);
  EXPECT_EQ(TextOf(d.records[99]), "99");
}

TEST(KDLogService, unreadable_time_fails_the_query) {
  CKDLogService service(kLog);
  for (const char* bad : {"", "2026-11-1", "2026-13-1 00:00:00", "2026-11-1 24:00:00", "2026-11-1 00:00:00x",
                          "yesterday"}) {
    SCOPED_TRACE(bad);
    MassiveMsgBuilder b(kMsgKDLogAnswer);
    EXPECT_EQ(service.Answer(Query("", 0, bad, "2026-12-31 00:00:00"), &b), 0u);
    Decoded d = Decode(&b);
    EXPECT_EQ(d.result, kKDLogResultFailed);
    EXPECT_TRUE(d.records.empty());
  }
}

TEST(KDLogService, request_is_read_field_by_field_and_must_be_whole) {
  CMsg msg;
  msg.Init(kMsgKDLogQuery);
  WriteString(&msg, "op_kesh");
  WriteU8(&msg, 11);
  WriteString(&msg, "2026-11-1 00:00:00");
  WriteString(&msg, "2026-11-30 23:59:59");
  KDLogQuery q;
  ASSERT_TRUE(ReadKDLogQuery(&msg, &q));
  EXPECT_EQ(q.user, "op_kesh");
  EXPECT_EQ(q.category, 11);
  EXPECT_EQ(q.begin, "2026-11-1 00:00:00");
  EXPECT_EQ(q.end, "2026-11-30 23:59:59");

  msg.m_ReadPos = kMsgHeaderSize;
  WriteU8(&msg, 0);
  EXPECT_FALSE(ReadKDLogQuery(&msg, &q)) << "a byte after the end time";

  CMsg cut;
  cut.Init(kMsgKDLogQuery);
  WriteString(&cut, "op_kesh");
  WriteU8(&cut, 11);
  WriteU16(&cut, 40);  // a begin time that claims more bytes than follow
  WriteBytes(&cut, "2026", 4);
  EXPECT_FALSE(ReadKDLogQuery(&cut, &q));
}

TEST(KDLogRecords, readable_lines_become_records) {
  std::vector<KDLogEntry> out;
  std::string error;
  ASSERT_TRUE(ParseKDLogRecords("# comment\n"
                                "\n"
                                "gm_orsolya | 1 | 2026-11-02 07:05:09.25 | ^2kick^0 a | b %s\r\n"
                                "op_kesh | 255 | 2026-11-03 10:00:00 | \n",
                                &out, &error))
      << error;
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].user, "gm_orsolya");
  EXPECT_EQ(out[0].category, 1);
  EXPECT_EQ(out[0].text, "^2kick^0 a | b %s");
  EXPECT_EQ(out[0].time.second, 9);
  EXPECT_EQ(out[0].time.fraction, 25u);
  EXPECT_EQ(out[1].category, 255);
  EXPECT_EQ(out[1].text, "");
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
    std::vector<KDLogEntry> out;
    std::string error;
    EXPECT_FALSE(ParseKDLogRecords("# first\n" + c.line + "\n", &out, &error));
    EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
    EXPECT_NE(error.find(c.why), std::string::npos) << error;
  }
}

TEST(KDLogRecords, sample_file_loads_and_fills_one_hundred) {
  std::vector<KDLogEntry> out;
  std::string error;
  ASSERT_TRUE(LoadKDLogRecords(KV_SAMPLE_KDLOG, &out, &error)) << error;
  CKDLogService service(out);
  MassiveMsgBuilder b(kMsgKDLogAnswer);
  EXPECT_EQ(service.Answer(Query("", 1, "2026-1-1 00:00:00", "2026-12-31 23:59:59"), &b), 100u)
      << "the demo shows the limit warning with a query by category";
}

}  // namespace
