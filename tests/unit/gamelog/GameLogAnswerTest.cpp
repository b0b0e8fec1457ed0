#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamelog/GameLogAnswer.h"
#include "unit/gamelog/GameLogTestSupport.h"

namespace {

bool operator==(const LogTime& a, const LogTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
         a.second == b.second && a.fraction == b.fraction;
}
bool Same(const GameLogCharRecord& a, const GameLogCharRecord& b) {
  return a.time == b.time && a.eventId == b.eventId && a.data1 == b.data1 && a.data2 == b.data2 &&
         a.position == b.position && a.text == b.text;
}
bool Same(const GameLogItemRecord& a, const GameLogItemRecord& b) {
  return a.serial == b.serial && a.time == b.time && a.refItemId == b.refItemId && a.data == b.data &&
         a.storage == b.storage && a.operation == b.operation && a.slotFrom == b.slotFrom && a.slotTo == b.slotTo &&
         a.position == b.position && a.text == b.text && a.amount == b.amount;
}

const std::vector<GameLogCharRecord> kChars = {
    CharRecord(1, 0xFFFFFFFF, 0, "", ""),
    CharRecord(199, 7, 0x80000000, "SET_LEVEL", std::string(5000, 't')),
    CharRecord(240, 1, 2, "Velmora (1, 2)", "%s %n ^2"),
};
const std::vector<GameLogItemRecord> kItems = {
    ItemRecord(INT64_MIN, 1001, 1, "picked up"),
    ItemRecord(-1, 0, 99, "ADD_ITEM", INT64_MAX),
    ItemRecord(9007199254740993, 1, 50, "", -5),
};

TEST(GameLogAnswer, rows_of_every_kind_read_across_parts_split_anywhere) {
  struct Case {
    uint8_t kind;
    std::vector<uint8_t> bytes;
    size_t chars, items;
  } cases[] = {
      {1, AnswerBytes(1, kChars, "2026-11-2 07:05:09"), 3, 0},
      {3, AnswerBytes(3, kChars, "cursor"), 3, 0},
      {2, AnswerBytes(2, kItems, "2026-11-3 23:59:58"), 0, 3},
      {4, AnswerBytes(4, kItems, ""), 0, 3},
  };
  for (const Case& c : cases) {
    for (size_t split = 0; split < c.bytes.size(); split += 7) {
      SCOPED_TRACE(std::to_string(c.kind) + " split at " + std::to_string(split));
      MassiveMsgBuilder b(0x8001);
      b.Append(c.bytes.data(), c.bytes.size());
      GameLogAnswer a = ReadGameLogAnswer(b.BuildAt({split, split, split + 1, split + 60}));
      ASSERT_FALSE(a.cutShort);
      EXPECT_FALSE(a.failed);
      EXPECT_EQ(a.queryKind, c.kind);
      EXPECT_EQ(a.rowCount, 3);
      ASSERT_EQ(a.charRows.size(), c.chars);
      ASSERT_EQ(a.itemRows.size(), c.items);
      for (size_t i = 0; i < c.chars; ++i) EXPECT_TRUE(Same(a.charRows[i], kChars[i])) << i;
      for (size_t i = 0; i < c.items; ++i) EXPECT_TRUE(Same(a.itemRows[i], kItems[i])) << i;
      EXPECT_TRUE(a.hasCursor);
    }
  }
}

TEST(GameLogAnswer, empty_answer_and_unknown_kinds_read_no_rows) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    bool hasNext;
    const char* next;
  } cases[] = {
      {"no rows: no cursor either", {0, 1, 0, 0, 0}, false, ""},
      {"result other than 2 means rows", {7, 2, 0, 0, 0}, false, ""},
      // Rows of kind 5 have no layout: nothing is read for them, the cursor follows.
      {"unknown kind", {1, 5, 0, 3, 0, 2, 0, 'a', 'b'}, true, "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MassiveMsgBuilder b(0x8001);
    GameLogAnswer a = ReadGameLogAnswer(AnswerMsg(b, c.bytes));
    EXPECT_FALSE(a.cutShort);
    EXPECT_TRUE(a.charRows.empty() && a.itemRows.empty());
    EXPECT_EQ(a.hasCursor, c.hasNext);
    EXPECT_EQ(a.nextBegin, c.next);
  }
}

TEST(GameLogAnswer, error_codes_and_their_texts) {
  struct Case {
    uint8_t code;
    const char* text;
  } cases[] = {
      {1, nullptr},
      {2, "query error : ^2unknown"},
      {9, "query error : ^2invalid overlap id"},
      {10, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.code));
    CLogCapture log;
    MassiveMsgBuilder b(0x8001);
    GameLogAnswer a = ReadGameLogAnswer(AnswerMsg(b, FailedAnswerBytes(c.code)));
    EXPECT_TRUE(a.failed);
    EXPECT_FALSE(a.cutShort);
    EXPECT_EQ(a.errorCode, c.code);
    ReportGameLogFailure(a);
    if (c.text)
      EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x02000000u, c.text}}));
    else
      EXPECT_TRUE(CLogCapture::Lines().empty());
  }
}

TEST(GameLogAnswer, cut_short_anywhere_keeps_the_whole_rows_before_the_break) {
  std::vector<uint8_t> whole = AnswerBytes(2, kItems, "2026-11-3 23:59:58");
  // Where each row ends: the 5-byte head, then the records in turn.
  std::vector<size_t> rowEnds;
  size_t at = 5;
  for (const GameLogItemRecord& r : kItems) {
    std::vector<uint8_t> one;
    ByteWriter w(&one);
    WriteLogRow(w, r);
    at += one.size();
    rowEnds.push_back(at);
  }
  for (size_t length = 0; length < whole.size(); ++length) {
    SCOPED_TRACE(length);
    CLogCapture log;
    MassiveMsgBuilder b(0x8001);
    b.Append(whole.data(), length);
    GameLogAnswer a = ReadGameLogAnswer(b.Build(33));
    size_t kept = 0;
    while (kept < rowEnds.size() && rowEnds[kept] <= length) ++kept;
    EXPECT_TRUE(a.cutShort);
    EXPECT_EQ(a.itemRows.size(), kept);
    EXPECT_FALSE(a.hasCursor);
    ReportGameLogFailure(a);
    EXPECT_EQ(CLogCapture::Lines(),
              (LogLines{{0x02000000u, "^2answer 0x8001 ended early; " + std::to_string(kept) + " rows kept"}}));
  }
  // A failure without its error code is cut short too, and names no error.
  MassiveMsgBuilder b(0x8001);
  GameLogAnswer failed = ReadGameLogAnswer(AnswerMsg(b, {2}));
  EXPECT_TRUE(failed.failed && failed.cutShort && !failed.hasErrorCode);
  EXPECT_TRUE(ReadGameLogAnswer(nullptr).cutShort);
}

TEST(GameLogAnswer, count_line) {
  CLogCapture log;
  ReportGameLogCount(50, 120);
  ReportGameLogCount(0, 0);
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0u, "^450^0 records are queried, current log : ^4120"},
                                            {0u, "^40^0 records are queried, current log : ^40"}}));
}

}  // namespace
