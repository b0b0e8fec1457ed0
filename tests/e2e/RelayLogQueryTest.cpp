// Siege log and server event log queries from the real plug-in's third and fourth
// pages, over the simulated shard manager: what each page sends, what it lists and
// pages, what it tells the console, and the server event page's refusal for a stopped
// manager service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PluginHost.h"
#include "PluginPageTest.h"
#include "PluginWindows.h"
#include "base/ByteOrder.h"
#include "resources/resource.h"

namespace {

const uint32_t kResult = 0, kRefusal = 0x01000000;
const char kBegin[] = "2026-11-1 00:00:00";
const char kEnd[] = "2026-11-30 23:59:59";

// The two pages, in the order of the table below.
enum PageIndex : size_t { kSiegePage, kServerEventPage };

// Each page's name, tab and controls; its inner request (with or without a start log),
// "All" category and failure line; how the console splits its answers; and what it lists
// from the test logs of PluginHost.cpp: a target whose rows fill more than a page
// (Northwatch: 57 rows; Monster Invasion: 60), with the start log and cursor that continue
// them and the rows at either end of each page.
const struct {
  const char* name;
  size_t tab;
  int shard, target, category, beginDate, beginTime, endDate, endTime, query, queryMore, list, columns;
  uint16_t inner;
  bool startLog;
  uint8_t all;
  const char* failed;
  uint32_t splitSeed, splitMin;
  const char* pagedTarget;
  uint32_t targetId;
  size_t rows;
  uint32_t nextStartLog;
  const char* cursor;
  Rows firstPageEnds, secondPageEnds;
} kPages[] = {
    {"SiegeLog", 2, IDC_SIEGE_SHARD, IDC_SIEGE_FORTRESS, IDC_SIEGE_CATEGORY, IDC_SIEGE_BEGIN_DATE, IDC_SIEGE_BEGIN_TIME,
     IDC_SIEGE_END_DATE, IDC_SIEGE_END_TIME, IDC_SIEGE_QUERY, IDC_SIEGE_QUERY_MORE, IDC_SIEGE_LIST, 3,
     0x400E, false, 250, "query SiegeLog failed", 7, 33,
     "FORTRESS_NORTHWATCH", 1, 57, 0, "2026-11-2 10:49:00#50",
     {{"Siege Start!", "", "2026-11-01 08:00:00"},
      {"Repair Struct", "Siege Struct Name : ^2Gate 48^0", "2026-11-02 10:48:00"}},
     {{"Repair Struct", "Siege Struct Name : ^2Gate 49^0", "2026-11-02 10:49:00"},
      {"Result Change Owner!", "Offense Success! Guild Name : ^2^6Ember^0 Wardens^0", "2026-11-03 00:00:00"}}},
    {"ServerEventLog", 3, IDC_EVENT_SHARD, IDC_EVENT_NAME, IDC_EVENT_CATEGORY, IDC_EVENT_BEGIN_DATE,
     IDC_EVENT_BEGIN_TIME, IDC_EVENT_END_DATE, IDC_EVENT_END_TIME, IDC_EVENT_QUERY, IDC_EVENT_QUERY_MORE,
     IDC_EVENT_LIST, 5,
     0x4018, true, 255, "query ServerEventLog failed", 11, 29,
     "Monster Invasion", 7, 60, 949, "2026-11-18 21:48:00",
     {{"900", "2026-11-18 20:00:00", "7", "Start!", "^2began^0 at the gate"},
      {"949", "2026-11-18 21:48:00", "7", "Completion", "hero 48 cleared 100%"}},
     {{"950", "2026-11-18 21:49:00", "7", "Completion", "hero 49 cleared 100%"},
      {"959", "2026-11-18 23:00:00", "7", "End!", "ended"}}},
};

// The request's payload to the first shard's manager service; the start log goes out
// only where the request has one.
std::vector<uint8_t> Request(PageIndex page, uint32_t startLog, uint32_t target, uint8_t category,
                             const std::string& begin, const std::string& end) {
  std::vector<uint8_t> b;
  ByteWriter w(&b);
  w.U16(101);
  w.U16(kPages[page].inner);
  if (kPages[page].startLog) w.U32(startLog);
  w.U32(target);
  w.U8(category);
  w.String(begin);
  w.String(end);
  return b;
}

class RelayLogQuery : public PluginPageTest, public ::testing::WithParamInterface<PageIndex> {
 protected:
  void SetUp() override {
    const auto& p = kPages[GetParam()];
    OpenPage(p.tab, p.target, "the page is on show",
             {{p.shard, "Velmora-Ember"}, {p.target, p.pagedTarget}, {p.category, "All"}, {p.beginDate, "2026-11-01"},
              {p.beginTime, "00:00:00"}, {p.endDate, "2026-11-30"}, {p.endTime, "23:59:59"}},
             p.splitSeed, p.splitMin);
  }

  // Presses a button and runs the loop until the plug-in has reported on the answer.
  void Press(int button) { PressForAnswer(button, kPages[GetParam()].failed); }
  Rows Listed() const {
    return ListViewRows(GetDlgItem(page, kPages[GetParam()].list), kPages[GetParam()].columns);
  }
};

TEST_P(RelayLogQuery, a_query_lists_fifty_rows_and_query_more_appends_the_rest) {
  const PageIndex p = GetParam();
  const auto& c = kPages[p];
  Press(c.query);
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].id, 0x7203);
  EXPECT_EQ(sent[0].payload, Request(p, 0, c.targetId, c.all, kBegin, kEnd));
  Rows rows = Listed();
  ASSERT_EQ(rows.size(), 50u);
  EXPECT_EQ((Rows{rows[0], rows[49]}), c.firstPageEnds);
  EXPECT_TRUE(Enabled(c.queryMore));
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^250^0 log found"}}));

  Press(c.queryMore);
  sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].payload, Request(p, c.nextStartLog, c.targetId, c.all, c.cursor, kEnd));
  rows = Listed();
  ASSERT_EQ(rows.size(), c.rows);
  EXPECT_EQ((Rows{rows[50], rows.back()}), c.secondPageEnds);
  EXPECT_FALSE(Enabled(c.queryMore));
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^2" + std::to_string(c.rows - 50) + "^0 log found"}}));
}

std::string PageName(const ::testing::TestParamInfo<PageIndex>& info) { return kPages[info.param].name; }
INSTANTIATE_TEST_SUITE_P(Pages, RelayLogQuery, ::testing::Values(kSiegePage, kServerEventPage), PageName);

// Only the server event page looks at the manager service before it sends.
class ServerEventLogQuery : public RelayLogQuery {};

TEST_P(ServerEventLogQuery, a_stopped_manager_service_is_refused_before_anything_is_sent) {
  ASSERT_TRUE(SetPageControl(page, IDC_EVENT_SHARD, "Aschfeld-Gale"));
  Mark();
  Click(IDC_EVENT_QUERY);
  bool said = PumpUntil([&] { return !PluginLines(firstLine).empty(); }, 5000);
  EXPECT_TRUE(said) << "nothing reported within 5 seconds";
  PumpFor(50);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kRefusal, "plz launch Realmwarden[107]"}}));
  EXPECT_TRUE(Listed().empty());
}

INSTANTIATE_TEST_SUITE_P(Page, ServerEventLogQuery, ::testing::Values(kServerEventPage), PageName);

}  // namespace
