// Server event log queries from the real plug-in's fourth page, over the simulated
// shard manager: what the page sends, what it lists and pages, and the refusal for a
// stopped manager service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PluginHost.h"
#include "PluginPageTest.h"
#include "PluginWindows.h"
#include "base/ByteOrder.h"

namespace {

const uint32_t kResult = 0, kRefusal = 0x01000000;
const char kBegin[] = "2026-11-1 00:00:00";
const char kEnd[] = "2026-11-30 23:59:59";

std::vector<uint8_t> Request(uint16_t service, uint32_t startLog, uint32_t event, uint8_t category,
                             const std::string& begin, const std::string& end) {
  std::vector<uint8_t> b;
  ByteWriter w(&b);
  w.U16(service);
  w.U16(0x4018);
  w.U32(startLog);
  w.U32(event);
  w.U8(category);
  w.String(begin);
  w.String(end);
  return b;
}

class ServerEventLogQuery : public PluginPageTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShowPage(3, 1039, "the server event log page is on show"));
    ASSERT_TRUE(SetPageControl(page, 1038, "Velmora-Ember"));
    ASSERT_TRUE(SetPageControl(page, 1039, "Monster Invasion"));
    ASSERT_TRUE(SetPageControl(page, 1040, "All"));
    ASSERT_TRUE(SetPageControl(page, 1002, "2026-11-01"));
    ASSERT_TRUE(SetPageControl(page, 1003, "00:00:00"));
    ASSERT_TRUE(SetPageControl(page, 1004, "2026-11-30"));
    ASSERT_TRUE(SetPageControl(page, 1005, "23:59:59"));
    Host().console.SetSplitter([](size_t size) { return AnswerSplits(11).Next(size, 29); });
  }

  // Presses a button and runs the loop until the plug-in has said something about it.
  void Press(int button) {
    Mark();
    Click(button);
    bool said = PumpUntil([&] { return !PluginLines(firstLine).empty(); }, 5000);
    EXPECT_TRUE(said) << "nothing reported within 5 seconds";
    PumpFor(50);
  }
  Rows Listed() const { return ListViewRows(GetDlgItem(page, 1007), 5); }
};

TEST_F(ServerEventLogQuery, a_query_lists_fifty_rows_and_query_more_goes_on_after_the_last_log_id) {
  Press(1041);
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].id, 0x7203);
  EXPECT_EQ(sent[0].payload, Request(101, 0, 7, 255, kBegin, kEnd));
  Rows rows = Listed();
  ASSERT_EQ(rows.size(), 50u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"900", "2026-11-18 20:00:00", "7", "Start!", "^2began^0 at the gate"}));
  EXPECT_EQ(rows[49], (std::vector<std::string>{"949", "2026-11-18 21:48:00", "7", "Completion", "hero 48 cleared 100%"}));
  EXPECT_TRUE(Enabled(1000));
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^250^0 log found"}}));

  Press(1000);
  sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].payload, Request(101, 949, 7, 255, "2026-11-18 21:48:00", kEnd));
  rows = Listed();
  ASSERT_EQ(rows.size(), 60u);
  EXPECT_EQ(rows[50][0], "950");
  EXPECT_EQ(rows[59], (std::vector<std::string>{"959", "2026-11-18 23:00:00", "7", "End!", "ended"}));
  EXPECT_FALSE(Enabled(1000));
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^210^0 log found"}}));
}

TEST_F(ServerEventLogQuery, a_stopped_manager_service_is_refused_before_anything_is_sent) {
  ASSERT_TRUE(SetPageControl(page, 1038, "Aschfeld-Gale"));
  Press(1041);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kRefusal, "plz launch Realmwarden[107]"}}));
  EXPECT_TRUE(Listed().empty());

  // The event and category narrow the rows on a running shard.
  ASSERT_TRUE(SetPageControl(page, 1038, "Velmora-Ember"));
  ASSERT_TRUE(SetPageControl(page, 1039, "Harvest Festival"));
  ASSERT_TRUE(SetPageControl(page, 1040, "Start And End"));
  Press(1041);
  ASSERT_EQ(Sent().size(), 1u);
  EXPECT_EQ(Sent()[0].payload, Request(101, 0, 1, 0, kBegin, kEnd));
  EXPECT_EQ(Listed(), (Rows{{"960", "2026-11-19 10:00:00", "1", "Start!", "Harvest Festival opened"}}));
}

}  // namespace
