// Siege log queries from the real plug-in's third page, over the simulated shard
// manager: what the page sends, what it lists and pages, and what it tells the console.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PluginHost.h"
#include "PluginPageTest.h"
#include "PluginWindows.h"
#include "base/ByteOrder.h"

namespace {

const uint32_t kResult = 0;
const char kBegin[] = "2026-11-1 00:00:00";
const char kEnd[] = "2026-11-30 23:59:59";

std::vector<uint8_t> Request(uint16_t service, uint32_t fortress, uint8_t category, const std::string& begin,
                             const std::string& end) {
  std::vector<uint8_t> b;
  ByteWriter w(&b);
  w.U16(service);
  w.U16(0x400E);
  w.U32(fortress);
  w.U8(category);
  w.String(begin);
  w.String(end);
  return b;
}

class SiegeLogQuery : public PluginPageTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShowPage(2, 1029, "the siege log page is on show"));
    ASSERT_TRUE(SetPageControl(page, 1028, "Velmora-Ember"));
    ASSERT_TRUE(SetPageControl(page, 1029, "FORTRESS_NORTHWATCH"));
    ASSERT_TRUE(SetPageControl(page, 1009, "All"));
    ASSERT_TRUE(SetPageControl(page, 1030, "2026-11-01"));
    ASSERT_TRUE(SetPageControl(page, 1031, "00:00:00"));
    ASSERT_TRUE(SetPageControl(page, 1032, "2026-11-30"));
    ASSERT_TRUE(SetPageControl(page, 1033, "23:59:59"));
    Host().console.SetSplitter([](size_t size) { return AnswerSplits(7).Next(size, 33); });
  }

  // Presses a button and runs the loop until the plug-in has reported on the answer.
  void Press(int button) { PressForAnswer(button, "query SiegeLog failed"); }
  Rows Listed() const { return ListViewRows(GetDlgItem(page, 1027), 3); }
};

TEST_F(SiegeLogQuery, a_query_lists_fifty_rows_and_query_more_appends_the_rest) {
  Press(1034);
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].id, 0x7203);
  EXPECT_EQ(sent[0].payload, Request(101, 1, 250, kBegin, kEnd));
  Rows rows = Listed();
  ASSERT_EQ(rows.size(), 50u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"Siege Start!", "", "2026-11-01 08:00:00"}));
  EXPECT_EQ(rows[49], (std::vector<std::string>{"Repair Struct", "Siege Struct Name : ^2Gate 48^0", "2026-11-02 10:48:00"}));
  EXPECT_TRUE(Enabled(1036));
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^250^0 log found"}}));

  Press(1036);
  sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].payload, Request(101, 1, 250, "2026-11-2 10:49:00#50", kEnd));
  rows = Listed();
  ASSERT_EQ(rows.size(), 57u);
  EXPECT_EQ(rows[50][1], "Siege Struct Name : ^2Gate 49^0");
  EXPECT_EQ(rows[56], (std::vector<std::string>{"Result Change Owner!", "Offense Success! Guild Name : ^2^6Ember^0 Wardens^0",
                                                "2026-11-03 00:00:00"}));
  EXPECT_FALSE(Enabled(1036));
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^27^0 log found"}}));
}

TEST_F(SiegeLogQuery, a_category_and_another_fortress_narrow_the_rows) {
  ASSERT_TRUE(SetPageControl(page, 1009, "Result Defense And Offense"));
  Press(1034);
  EXPECT_EQ(Listed(), (Rows{{"Result Change Owner!", "Offense Success! Guild Name : ^2^6Ember^0 Wardens^0",
                             "2026-11-03 00:00:00"}}));
  EXPECT_FALSE(Enabled(1036));

  ASSERT_TRUE(SetPageControl(page, 1029, "FORTRESS_REDCLIFF"));
  ASSERT_TRUE(SetPageControl(page, 1009, "Success And Failed Add Reward"));
  Press(1034);
  ASSERT_EQ(Sent().size(), 1u);
  EXPECT_EQ(Sent()[0].payload, Request(101, 2, 7, kBegin, kEnd));
  EXPECT_EQ(Listed(), (Rows{{"Failed to add reward", "reward failed: storage 100% full", "2026-11-03 01:00:00"}}));
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^21^0 log found"}}));
}

}  // namespace
