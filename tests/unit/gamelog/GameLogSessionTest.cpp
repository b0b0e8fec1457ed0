#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamelog/CharEventText.h"
#include "gamelog/GameLogSession.h"
#include "gamelog/ItemEventText.h"
#include "unit/gamelog/GameLogTestSupport.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

class GameLogSessionTest : public ::testing::Test {
 protected:
  GameLogQueryInput Input(uint8_t kind, uint8_t option, std::string name, std::string code = "") {
    return QueryInput(&shard, kind, option, std::move(name), std::move(code));
  }
  GameLogAnswerSteps Answer(const std::vector<uint8_t>& bytes) {
    builders.emplace_back(new MassiveMsgBuilder(0x8001));
    return session.OnAnswer(AnswerMsg(*builders.back(), bytes, 301));
  }
  std::vector<uint32_t> ItemData(const GameLogAnswerSteps& steps) {
    std::vector<uint32_t> data;
    for (const ListRow& r : steps.rows) data.push_back(r.itemData);
    return data;
  }

  KDShardRecord shard = ShardRecord(7, 107);
  TestConsole console;
  CGameRefData refData;
  GameLogSession session{refData};
  std::vector<std::unique_ptr<MassiveMsgBuilder>> builders;
};

TEST_F(GameLogSessionTest, query_more_follows_the_answer_unless_a_history_request_is_pending) {
  std::vector<uint8_t> cut = AnswerBytes(1, CharRecords(3), "c");
  cut.resize(50);  // the head, one whole row and part of the next
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    bool pending;
    ButtonChange queryMore;
    size_t rows;
  } cases[] = {
      {"50 rows", AnswerBytes(1, CharRecords(50), "c"), false, ButtonChange::kEnable, 50},
      {"49 rows", AnswerBytes(3, CharRecords(49), "c"), false, ButtonChange::kDisable, 49},
      {"51 item rows", AnswerBytes(2, ItemRecords(std::vector<int64_t>(51, 5)), "c"), false, ButtonChange::kEnable, 51},
      {"no rows", AnswerBytes(1, CharRecords(0), "c"), false, ButtonChange::kDisable, 0},
      {"failed", FailedAnswerBytes(6), false, ButtonChange::kEnable, 0},
      {"cut short", cut, false, ButtonChange::kEnable, 1},
      {"50 rows while pending", AnswerBytes(1, CharRecords(50), "c"), true, ButtonChange::kLeave, 50},
      {"failed while pending", FailedAnswerBytes(6), true, ButtonChange::kLeave, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    session.EndHistory();
    if (c.pending) {
      ASSERT_TRUE(session.RequestHistory(1, &shard, kBegin, kEnd));
    }
    GameLogAnswerSteps steps = Answer(c.bytes);
    EXPECT_EQ(steps.queryMore, c.queryMore);
    EXPECT_EQ(steps.rows.size(), c.rows);
  }
}

TEST_F(GameLogSessionTest, query_more_repeats_the_saved_query_from_the_cursor) {
  EXPECT_FALSE(session.QueryMore(3)) << "no query sent yet";
  ASSERT_TRUE(session.NewQuery(Input(4, 8, "123", "edit")));
  Answer(AnswerBytes(2, ItemRecords({1, 2}), "2026-11-5 01:02:03"));
  EXPECT_FALSE(session.QueryMore(0)) << "an empty list asks for nothing";
  ASSERT_TRUE(session.QueryMore(2));
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  // No maxRows and no code name, whatever the kind; the pickers are not read.
  EXPECT_EQ(console.messenger.Payload(1), RequestBytes(107, 4, 8, "KDC", "2026-11-5 01:02:03", kEnd, ""));

  // An answer without rows keeps the cursor; the next one with rows replaces it.
  Answer(AnswerBytes(1, CharRecords(0), "ignored"));
  Answer(FailedAnswerBytes(4));
  ASSERT_TRUE(session.QueryMore(1));
  EXPECT_EQ(console.messenger.Payload(2), RequestBytes(107, 4, 8, "KDC", "2026-11-5 01:02:03", kEnd, ""));
  Answer(AnswerBytes(1, CharRecords(1), ""));
  ASSERT_TRUE(session.QueryMore(1));
  EXPECT_EQ(console.messenger.Payload(3), RequestBytes(107, 4, 8, "KDC", "", kEnd, ""));

  // The saved query changes only with a query that was sent.
  EXPECT_FALSE(session.NewQuery(Input(0, 0, "Other")));
  ASSERT_TRUE(session.QueryMore(1));
  EXPECT_EQ(console.messenger.Payload(4).substr(0, 6), RequestBytes(107, 4, 8, "", "", "", "").substr(0, 6));
}

TEST_F(GameLogSessionTest, item_rows_name_their_serials_from_one) {
  ASSERT_TRUE(session.NewQuery(Input(2, 0, "Varnel")));
  GameLogAnswerSteps first = Answer(AnswerBytes(2, ItemRecords({-5, 0, 77}), "c"));
  GameLogAnswerSteps second = Answer(AnswerBytes(2, ItemRecords({INT64_MIN}), "c"));
  GameLogAnswerSteps chars = Answer(AnswerBytes(1, CharRecords(2), "c"));
  EXPECT_EQ(ItemData(first), (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_EQ(ItemData(second), (std::vector<uint32_t>{4}));
  EXPECT_EQ(ItemData(chars), (std::vector<uint32_t>{0, 0}));
  EXPECT_EQ(session.RowSerials(), (std::vector<int64_t>{-5, 0, 77, INT64_MIN}));

  struct Case {
    uint32_t itemData;
    bool names;
    int64_t serial;
  } cases[] = {{0, false, 0}, {1, true, -5}, {2, true, 0}, {4, true, INT64_MIN}, {5, false, 0}, {0xFFFFFFFF, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.itemData);
    int64_t serial = 99;
    EXPECT_EQ(session.SerialOfRow(c.itemData, &serial), c.names);
    EXPECT_EQ(serial, c.names ? c.serial : 99);
  }

  // Kind 4 rows fill a history box: no list rows, no serials, the last row's serial.
  GameLogAnswerSteps history = Answer(AnswerBytes(4, ItemRecords({11, 12, 13}), ""));
  EXPECT_TRUE(history.rows.empty());
  EXPECT_EQ(history.lastSerial, 13);
  EXPECT_EQ(session.RowSerials().size(), 4u);

  ASSERT_TRUE(session.NewQuery(Input(2, 0, "Varnel")));
  EXPECT_TRUE(session.RowSerials().empty());
  EXPECT_EQ(ItemData(Answer(AnswerBytes(2, ItemRecords({8}), "c"))), (std::vector<uint32_t>{1}));
}

TEST_F(GameLogSessionTest, clear_game_log_drops_serials_and_texts_but_not_records) {
  CScratchDir dir;
  dir.WriteCompleteSet();
  CGameRefData loaded;
  ASSERT_TRUE(loaded.Load());
  GameLogSession s(loaded);
  MassiveMsgBuilder b(0x8001);
  s.OnAnswer(AnswerMsg(b, AnswerBytes(2, ItemRecords({3}), "c")));
  ASSERT_STREQ(loaded.GetText("SN_ITEM_SWORD"), "Sword");
  s.ClearGameLog();
  EXPECT_TRUE(s.RowSerials().empty());
  int64_t serial;
  EXPECT_FALSE(s.SerialOfRow(1, &serial));
  EXPECT_STREQ(loaded.GetText("SN_ITEM_SWORD"), "");
  EXPECT_NE(loaded.FindItem(1001), nullptr);
}

TEST_F(GameLogSessionTest, rows_and_history_lines_take_the_texts_of_their_kind) {
  CScratchDir dir;
  dir.WriteCompleteSet();
  CGameRefData loaded;
  ASSERT_TRUE(loaded.Load());
  GameLogSession s(loaded);
  GameLogCharRecord quest = CharRecord(60, 10, 0, "Velmora (1, 2)", "accepted");
  GameLogItemRecord sword = ItemRecord(-7, 1001, 10, "worn");
  GameLogItemRecord abandoned = ItemRecord(8, 1001, 133, "no separators");
  abandoned.data = 0;
  abandoned.slotTo = 20;

  MassiveMsgBuilder a(0x8001), b(0x8001), c(0x8001);
  GameLogAnswerSteps chars = s.OnAnswer(AnswerMsg(a, AnswerBytes(3, std::vector<GameLogCharRecord>{quest}, "c")));
  ASSERT_EQ(chars.rows.size(), 1u);
  CharEventCells charCells = FormatCharEvent(quest, loaded);
  EXPECT_EQ(chars.rows[0].cells, std::vector<std::string>(charCells.begin(), charCells.end()));

  GameLogAnswerSteps items =
      s.OnAnswer(AnswerMsg(b, AnswerBytes(2, std::vector<GameLogItemRecord>{sword, abandoned}, "c")));
  ASSERT_EQ(items.rows.size(), 2u);
  ItemEventCells itemCells = FormatItemEvent(sword, loaded);
  EXPECT_EQ(items.rows[0].cells, std::vector<std::string>(itemCells.begin(), itemCells.end()));
  EXPECT_EQ(items.rows[0].cells[0], "-7");
  EXPECT_EQ(items.rows[1].cells, std::vector<std::string>(9, "")) << "an abandoned line leaves its row empty";

  GameLogAnswerSteps history =
      s.OnAnswer(AnswerMsg(c, AnswerBytes(4, std::vector<GameLogItemRecord>{sword, abandoned, sword}, "")));
  ASSERT_EQ(history.history.size(), 3u);
  EXPECT_EQ(history.history[0].serial, -7);
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(history.history[0].texts[i], itemCells[i + 1]) << i;
  // Not the line before it once more: an empty line of its own serial.
  EXPECT_EQ(history.history[1].serial, 8);
  EXPECT_EQ(history.history[1].texts, (std::array<std::string, 8>{}));
  EXPECT_EQ(history.lastSerial, -7);
}

TEST_F(GameLogSessionTest, columns_change_only_with_another_kind) {
  struct Step {
    uint8_t kind;
    bool deleteRows, replaceColumns;
    size_t columns;
    int count;
  } steps[] = {
      {4, false, false, 0, 0},  // nothing to keep yet, and kind 4 changes nothing anyway
      {2, true, true, 9, 9},  {2, true, false, 0, 9}, {4, false, false, 0, 9}, {1, true, true, 4, 4},
      {1, true, false, 0, 4}, {3, true, true, 4, 4},  {2, true, true, 9, 9},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(int(s.kind));
    GameLogColumnSteps c = session.SetupColumns(s.kind);
    EXPECT_EQ(c.deleteRows, s.deleteRows);
    EXPECT_EQ(c.replaceColumns, s.replaceColumns);
    EXPECT_EQ(c.columns.size(), s.columns);
    EXPECT_EQ(session.ColumnCount(), s.count);
  }
}

TEST_F(GameLogSessionTest, history_requests_refusals_and_the_pending_state) {
  EXPECT_FALSE(session.RequestHistory(0, &shard, kBegin, kEnd));
  EXPECT_FALSE(session.RequestHistory(5, nullptr, kBegin, kEnd));
  EXPECT_FALSE(session.HistoryPending());
  ASSERT_TRUE(session.RequestHistory(-5, &shard, kBegin, kEnd));
  EXPECT_TRUE(session.HistoryPending());
  EXPECT_FALSE(session.RequestHistory(6, &shard, kBegin, kEnd));
  EXPECT_EQ(console.Lines(), (LogLines{{0x01000000u, "Serial Number is ZERO"},
                                       {0u, "KDC already request serial history."}}));
  ASSERT_EQ(console.messenger.sent.size(), 1u);
  EXPECT_EQ(console.messenger.Payload(0), RequestBytes(107, 4, 0, "KDC", kBegin, kEnd, "-5", 30));

  // A whole answer leaves it to the box; a box closing or a failed or broken answer ends
  // it. A new query does not: until an answer comes, answers leave Query More alone.
  Answer(AnswerBytes(4, ItemRecords({1}), ""));
  EXPECT_TRUE(session.HistoryPending());
  session.EndHistory();
  EXPECT_FALSE(session.HistoryPending());
  for (int end = 0; end < 2; ++end) {
    SCOPED_TRACE(end);
    ASSERT_TRUE(session.RequestHistory(9, &shard, kBegin, kEnd));
    if (end == 0) Answer(FailedAnswerBytes(7));
    if (end == 1) {
      ASSERT_TRUE(session.NewQuery(Input(1, 0, "Varnel")));
      EXPECT_TRUE(session.HistoryPending());
      Answer({1, 4, 0, 1});
    }
    EXPECT_FALSE(session.HistoryPending());
  }
}

TEST_F(GameLogSessionTest, without_a_messenger_nothing_is_saved_or_pending) {
  Console().messenger = nullptr;
  EXPECT_FALSE(session.NewQuery(Input(1, 0, "Varnel")));
  EXPECT_FALSE(session.RequestHistory(3, &shard, kBegin, kEnd));
  EXPECT_FALSE(session.HistoryPending());
  EXPECT_FALSE(session.QueryMore(1));
  EXPECT_EQ(console.Lines(), (LogLines{{0x02000000u, "^2game log query not sent: no console messenger"},
                                       {0x02000000u, "^2game log query not sent: no console messenger"}}));
}

}  // namespace
