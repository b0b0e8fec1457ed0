#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opslog/KDLogAnswer.h"
#include "opslog/KDLogSession.h"
#include "unit/opslog/FakeMessenger.h"
#include "unit/opslog/KDLogRecordBytes.h"

namespace {

KDLogRecordSpec Record(int i) {
  return {"op" + std::to_string(i), 9, "login from 10.0.0." + std::to_string(i), 2010, 6, 1, 8, 30, 0, 0};
}

std::vector<KDLogRecordSpec> Records(int n) {
  std::vector<KDLogRecordSpec> v;
  for (int i = 0; i < n; ++i) v.push_back(Record(i));
  return v;
}

KDLogQueryInput AnyInput() {
  KDLogQueryInput in;
  in.beginText = "2010-5-1 00:00:00";
  in.endText = "2010-6-1 00:00:00";
  return in;
}

TEST(KDLogAnswer, records_split_at_every_point_read_whole) {
  std::vector<KDLogRecordSpec> specs = {Record(1), {std::string(128, 'u'), 22, std::string(256, 't'), 2011, 1, 2, 3, 4, 5, 6}};
  for (size_t split = 0; split <= 1 + 2 * 402 + 1; split += 7) {
    SCOPED_TRACE("split at " + std::to_string(split));
    MassiveMsgBuilder b(0xB404);
    AppendKDLogAnswer(b, 0, specs);
    KDLogAnswer a = ReadKDLogAnswer(b.BuildAt({split, split + 1, split + 400}));
    ASSERT_FALSE(a.cutShort);
    ASSERT_EQ(a.records.size(), 2u);
    EXPECT_EQ(a.records[0].userName, "op1");
    EXPECT_EQ(a.records[1].userName, std::string(128, 'u'));
    EXPECT_EQ(a.records[1].category, 22);
    EXPECT_EQ(a.records[1].logText, std::string(256, 't'));
    EXPECT_EQ(a.records[1].time.fraction, 6u);
  }
}

TEST(KDLogAnswer, no_records_empties_the_list_and_counts_zero) {
  ConsoleFixture console;
  KDLogSession s;
  MassiveMsgBuilder first(0xB404);
  AppendKDLogAnswer(first, 0, Records(3));
  s.OnAnswer(first.Build());
  ASSERT_EQ(s.Records().size(), 3u);

  CapturedLog().clear();
  MassiveMsgBuilder b(0xB404);
  AppendKDLogAnswer(b, 0, {});
  s.OnAnswer(b.Build());
  EXPECT_TRUE(s.Records().empty());
  EXPECT_EQ(CapturedLog(), (std::vector<LogLine>{{0, "^40^0 log found"}}));
}

TEST(KDLogAnswer, one_record_is_listed_unchanged_even_with_format_signs) {
  ConsoleFixture console;
  KDLogSession s;
  MassiveMsgBuilder b(0xB404);
  AppendKDLogAnswer(b, 0, {{"op%n", 11, "notice: %s %d %n ^2", 2010, 6, 1, 8, 30, 0, 0}});
  s.OnAnswer(b.Build());
  ASSERT_EQ(s.Records().size(), 1u);
  KDLogCells cells = KDLogRowCells(s.Records()[0]);
  EXPECT_EQ(cells[0], "op%n");
  EXPECT_EQ(cells[2], "notice: %s %d %n ^2");
  EXPECT_EQ(CapturedLog(), (std::vector<LogLine>{{0, "^41^0 log found"}}));
}

TEST(KDLogAnswer, exactly_one_hundred_records_warn_of_the_limit) {
  for (int n : {99, 100}) {
    SCOPED_TRACE(n);
    ConsoleFixture console;
    KDLogSession s;
    MassiveMsgBuilder b(0xB404);
    AppendKDLogAnswer(b, 0, Records(n));
    s.OnAnswer(b.Build());
    EXPECT_EQ(s.Records().size(), static_cast<size_t>(n));
    std::vector<LogLine> expected;
    if (n == 100) expected.push_back({0x01000000, "query KDLOG count is limited : ^2100"});
    expected.push_back({0, "^4" + std::to_string(n) + "^0 log found"});
    EXPECT_EQ(CapturedLog(), expected);
  }
}

TEST(KDLogAnswer, failure_clears_previous_records_and_reports) {
  ConsoleFixture console;
  KDLogSession s;
  MassiveMsgBuilder first(0xB404);
  AppendKDLogAnswer(first, 0, Records(2));
  s.OnAnswer(first.Build());

  CapturedLog().clear();
  MassiveMsgBuilder b(0xB404);
  b.AppendU8(2);
  s.OnAnswer(b.Build());
  EXPECT_TRUE(s.Records().empty());
  EXPECT_EQ(CapturedLog(), (std::vector<LogLine>{{0x01000000, "query KDLog failed"}}));
}

TEST(KDLogAnswer, cut_short_keeps_whole_records_and_frees_the_page) {
  ConsoleFixture console;
  KDLogSession s;
  s.Query(AnyInput());
  ASSERT_TRUE(s.InFlight());

  MassiveMsgBuilder full(0xB404);
  AppendKDLogAnswer(full, 0, Records(3));
  // Stop 150 bytes into the third record.
  MassiveMsgBuilder b(0xB404);
  size_t cut = 1 + 2 * 402 + 1 + 150;
  CMassiveMsg* whole = full.Build();
  std::vector<uint8_t> bytes(full.Size());
  ReadBytes(whole, bytes.data(), static_cast<uint16_t>(bytes.size()));
  b.Append(bytes.data(), cut);
  ASSERT_NO_THROW(s.OnAnswer(b.BuildAt({400, 402})));

  EXPECT_FALSE(s.InFlight());
  ASSERT_EQ(s.Records().size(), 2u);
  EXPECT_EQ(s.Records()[1].userName, "op1");
  ASSERT_EQ(CapturedLog().size(), 1u);
  EXPECT_EQ(CapturedLog()[0].classWord, 0x02000000u);
  EXPECT_NE(CapturedLog()[0].text.find("0xB404"), std::string::npos) << CapturedLog()[0].text;

  s.Query(AnyInput());
  EXPECT_EQ(console.messenger.sent.size(), 2u) << "the page takes a new query";
}

TEST(KDLogAnswer, empty_answer_is_a_data_error_not_a_crash) {
  ConsoleFixture console;
  KDLogSession s;
  MassiveMsgBuilder b(0xB404);
  s.OnAnswer(b.Build());
  EXPECT_TRUE(s.Records().empty());
  ASSERT_EQ(CapturedLog().size(), 1u);
  EXPECT_EQ(CapturedLog()[0].classWord, 0x02000000u);

  s.Query(AnyInput());
  s.OnAnswer(nullptr);
  EXPECT_FALSE(s.InFlight());
  EXPECT_EQ(CapturedLog().size(), 2u);
}

TEST(KDLogSession, second_query_waits_for_the_answer) {
  ConsoleFixture console;
  KDLogSession s;
  KDLogQueryInput in = AnyInput();
  in.userNameField = "gm_rhea";
  s.Query(in);
  s.Query(in);
  EXPECT_EQ(console.messenger.sent.size(), 1u);
  EXPECT_EQ(CapturedLog(), (std::vector<LogLine>{{0x01000000, "blocked. wait for response"}}));
  EXPECT_EQ(s.LastQuery().userName, "gm_rhea");

  MassiveMsgBuilder b(0xB404);
  AppendKDLogAnswer(b, 0, {});
  s.OnAnswer(b.Build());
  s.Query(in);
  EXPECT_EQ(console.messenger.sent.size(), 2u);
}

TEST(KDLogSession, query_without_messenger_reports_and_stays_idle) {
  ConsoleFixture console;
  Console().messenger = nullptr;
  KDLogSession s;
  s.Query(AnyInput());
  EXPECT_FALSE(s.InFlight());
  ASSERT_EQ(CapturedLog().size(), 1u);
  EXPECT_EQ(CapturedLog()[0].classWord, 0x02000000u);
}

TEST(KDLogSession, copy_needs_records) {
  ConsoleFixture console;
  KDLogSession s;
  std::string text = "unchanged";
  EXPECT_FALSE(s.CopyText(&text));
  EXPECT_EQ(text, "unchanged");
  EXPECT_EQ(CapturedLog(), (std::vector<LogLine>{{0x01000000, "there is no data to copy to clipboard"}}));

  MassiveMsgBuilder b(0xB404);
  AppendKDLogAnswer(b, 0, {{"op", 1, "kick ^2all^0", 2010, 6, 1, 8, 30, 0, 0}});
  s.OnAnswer(b.Build());
  ASSERT_TRUE(s.CopyText(&text));
  EXPECT_EQ(text, "UserName\tCatagory\tLog\tDateTime\r\nop\tGM Command\tkick ^2all^0\t2010-6-1 08:30:00 0\r\n");
}

}  // namespace
