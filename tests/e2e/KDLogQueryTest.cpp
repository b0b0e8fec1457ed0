// Console log queries from the real plug-in's first page, over the simulated console
// log service: what the page sends, what it lists and what it tells the console.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LogTimeKey.h"
#include "PluginHost.h"
#include "PluginPageTest.h"
#include "PluginWindows.h"
#include "base/ByteOrder.h"
#include "resources/resource.h"

namespace {

const uint32_t kResult = 0, kRefusal = 0x01000000;

std::vector<uint8_t> Request(const std::string& user, uint8_t category, const std::string& begin,
                             const std::string& end) {
  std::vector<uint8_t> v;
  ByteWriter out(&v);
  out.String(user);
  out.U8(category);
  out.String(begin);
  out.String(end);
  return v;
}

class KDLogQuery : public PluginPageTest {
 protected:
  void SetUp() override {
    OpenPage(0, IDC_KDLOG_QUERY_BY, "the Kaldera page is on show",
             {{IDC_KDLOG_BEGIN_DATE, "2026-1-1"}, {IDC_KDLOG_BEGIN_TIME, "00:00:00"}, {IDC_KDLOG_END_DATE, "2026-12-31"},
              {IDC_KDLOG_END_TIME, "23:59:59"}, {IDC_KDLOG_CATEGORY, "All"}},
             3, 256);
  }

  // Presses "Query" and runs the loop until the plug-in has reported on the answer.
  void Query() { PressForAnswer(IDC_KDLOG_QUERY, "query KDLog failed"); }

  Rows Listed() const { return ListViewRows(GetDlgItem(page, IDC_KDLOG_LIST), 4); }
};

TEST_F(KDLogQuery, by_user_name_sends_the_name_and_lists_that_user_s_records) {
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_QUERY_BY, "User Name"));
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_USERNAME, "gm_orsolya"));
  Query();
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].id, 0x7404);
  EXPECT_EQ(sent[0].payload, Request("gm_orsolya", 0, "2026-1-1 00:00:00", "2026-12-31 23:59:59"));
  EXPECT_EQ(Listed(), (Rows{{"gm_orsolya", "GM Command", "^2kick^0 character Varnel %s", "2026-11-2 07:05:09 250000000"},
                            {"gm_orsolya", "Unknown", "unclassified %d event", "2026-11-4 00:00:00 7"}}));
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^42^0 log found"}}));
}

TEST_F(KDLogQuery, by_category_sends_no_user_name_even_when_one_was_typed) {
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_QUERY_BY, "User Name"));
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_USERNAME, "gm_orsolya"));
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_QUERY_BY, "Catagory"));
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_CATEGORY, "Notice"));
  Query();
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].payload, Request("", 11, "2026-1-1 00:00:00", "2026-12-31 23:59:59"));
  EXPECT_EQ(Listed(), (Rows{{"op_kesh", "Notice", "notice: ^7maintenance at %s^0", "2026-11-3 10:00:00 0"},
                            {"op_brenna", "Notice", "notice: 100% done", "2026-11-5 23:59:59 0"}}));
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^42^0 log found"}}));
}

TEST_F(KDLogQuery, one_hundred_records_over_small_parts_warn_of_the_limit) {
  // Parts of 97 bytes cut every record and most "more" bytes across parts.
  Host().console.SetSplitter([](size_t size) {
    std::vector<size_t> at;
    for (size_t s = 97; s < size; s += 97) at.push_back(s);
    return at;
  });
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_QUERY_BY, "Catagory"));
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_CATEGORY, "UserControl"));
  Query();
  Rows rows = Listed();
  ASSERT_EQ(rows.size(), 100u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"op_brenna", "UserControl", "block account 0", "2026-11-20 12:00:00 0"}));
  EXPECT_EQ(rows[99][2], "block account 99");
  EXPECT_EQ(rows[99][3], "2026-11-20 12:00:00 99");
  EXPECT_EQ(PluginLines(firstLine),
            (Lines{{kRefusal, "query KDLOG count is limited : ^2100"}, {kResult, "^4100^0 log found"}}));
}

TEST_F(KDLogQuery, a_second_press_while_waiting_is_refused_and_nothing_more_is_sent) {
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_QUERY_BY, "User Name"));
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_USERNAME, "op_kesh"));
  // The console answers from its message loop, so the first request is still open
  // when the button is pressed again without the loop running.
  Mark();
  Click(IDC_KDLOG_QUERY);
  Click(IDC_KDLOG_QUERY);
  PumpUntil([&] { return PluginLines(firstLine).size() >= 2; }, 5000);
  PumpFor(100);
  EXPECT_EQ(PluginLines(firstLine),
            (Lines{{kRefusal, "blocked. wait for response"}, {kResult, "^41^0 log found"}}));
  EXPECT_EQ(Sent().size(), 1u);
  EXPECT_EQ(Listed().size(), 1u);
  Query();
  EXPECT_EQ(Sent().size(), 1u) << "after the answer a press sends again";
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^41^0 log found"}}));
}

TEST_F(KDLogQuery, an_empty_answer_clears_the_earlier_rows) {
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_QUERY_BY, "User Name"));
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_USERNAME, "gm_orsolya"));
  Query();
  ASSERT_EQ(Listed().size(), 2u);
  ASSERT_TRUE(SetPageControl(page, IDC_KDLOG_USERNAME, "nobody"));
  Query();
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^40^0 log found"}}));
  EXPECT_EQ(Host().console.Messenger().Unsent(), 0u);
}

TEST_F(KDLogQuery, an_answer_cut_inside_a_record_keeps_the_rows_read_and_reports_it) {
  // Delivered straight to the plug-in, as a faulty console would: no exception may
  // come back across the module boundary.
  uint8_t record[kKDLogRecordSize];
  KDLogRecord e;
  e.userName = "op_kesh";
  e.category = 13;
  e.logText = "restart";
  ASSERT_TRUE(ParseLogTime("2026-11-3 10:00:00", &e.time));
  EncodeKDLogRecord(e, record);
  MassiveMsgBuilder answer(0xB404);
  answer.AppendU8(0);
  answer.AppendU8(1);
  answer.Append(record, sizeof record);
  answer.AppendU8(1);
  answer.Append(record, 200);
  firstLine = Host().console.Log().Lines().size();
  EXPECT_TRUE(Host().console.Plugin()->OnMessage(nullptr, answer.BuildAt({300})));
  EXPECT_EQ(Listed(), (Rows{{"op_kesh", "ServerControl", "restart", "2026-11-3 10:00:00 0"}}));
  auto lines = PluginLines(firstLine);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].first, 0x02000000u);
  EXPECT_NE(lines[0].second.find("0xB404"), std::string::npos) << lines[0].second;
}

}  // namespace
