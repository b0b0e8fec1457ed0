// Siege log and server event log queries from the real plug-in's third and fourth
// pages, over the simulated shard manager: what each page sends, what it lists and
// pages, what it tells the console, and the server event page's refusal for a stopped
// manager service.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
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

// Each page on the test logs of PluginHost.cpp.
struct SiegePage {
  static constexpr size_t kTab = 2;
  static constexpr int kShard = IDC_SIEGE_SHARD, kTarget = IDC_SIEGE_FORTRESS, kCategory = IDC_SIEGE_CATEGORY;
  static constexpr int kBeginDate = IDC_SIEGE_BEGIN_DATE, kBeginTime = IDC_SIEGE_BEGIN_TIME;
  static constexpr int kEndDate = IDC_SIEGE_END_DATE, kEndTime = IDC_SIEGE_END_TIME;
  static constexpr int kQuery = IDC_SIEGE_QUERY, kQueryMore = IDC_SIEGE_QUERY_MORE, kList = IDC_SIEGE_LIST;
  static constexpr int kColumns = 3;
  static constexpr const char* kFailed = "query SiegeLog failed";
  static constexpr uint32_t kSplitSeed = 7, kSplitMin = 33;

  static std::vector<uint8_t> Request(uint32_t, uint32_t fortress, uint8_t category, const std::string& begin,
                                      const std::string& end) {
    std::vector<uint8_t> b;
    ByteWriter w(&b);
    w.U16(101);
    w.U16(0x400E);
    w.U32(fortress);
    w.U8(category);
    w.String(begin);
    w.String(end);
    return b;
  }

  // Northwatch, every category: 57 rows; the first page ends with the 49th repair.
  static constexpr const char* kPagedTarget = "FORTRESS_NORTHWATCH";
  static constexpr uint32_t kPagedTargetId = 1, kPagedStartLog = 0, kAll = 250;
  static constexpr size_t kPagedRows = 57;
  static constexpr const char* kCursor = "2026-11-2 10:49:00#50";
  static Rows FirstPageEnds() {
    return {{"Siege Start!", "", "2026-11-01 08:00:00"},
            {"Repair Struct", "Siege Struct Name : ^2Gate 48^0", "2026-11-02 10:48:00"}};
  }
  static Rows SecondPageEnds() {
    return {{"Repair Struct", "Siege Struct Name : ^2Gate 49^0", "2026-11-02 10:49:00"},
            {"Result Change Owner!", "Offense Success! Guild Name : ^2^6Ember^0 Wardens^0", "2026-11-03 00:00:00"}};
  }

  // Narrowed: the result of Northwatch, then the rewards of Redcliff.
  struct Narrowed {
    const char* target;
    const char* category;
    uint32_t targetId;
    uint8_t categoryCode;
    Rows rows;
  };
  static std::vector<Narrowed> NarrowedQueries() {
    return {{"FORTRESS_NORTHWATCH", "Result Defense And Offense", 1, 1,
             {{"Result Change Owner!", "Offense Success! Guild Name : ^2^6Ember^0 Wardens^0", "2026-11-03 00:00:00"}}},
            {"FORTRESS_REDCLIFF", "Success And Failed Add Reward", 2, 7,
             {{"Failed to add reward", "reward failed: storage 100% full", "2026-11-03 01:00:00"}}}};
  }
};

struct ServerEventPage {
  static constexpr size_t kTab = 3;
  static constexpr int kShard = IDC_EVENT_SHARD, kTarget = IDC_EVENT_NAME, kCategory = IDC_EVENT_CATEGORY;
  static constexpr int kBeginDate = IDC_EVENT_BEGIN_DATE, kBeginTime = IDC_EVENT_BEGIN_TIME;
  static constexpr int kEndDate = IDC_EVENT_END_DATE, kEndTime = IDC_EVENT_END_TIME;
  static constexpr int kQuery = IDC_EVENT_QUERY, kQueryMore = IDC_EVENT_QUERY_MORE, kList = IDC_EVENT_LIST;
  static constexpr int kColumns = 5;
  static constexpr const char* kFailed = "query ServerEventLog failed";
  static constexpr uint32_t kSplitSeed = 11, kSplitMin = 29;

  static std::vector<uint8_t> Request(uint32_t startLog, uint32_t event, uint8_t category, const std::string& begin,
                                      const std::string& end) {
    std::vector<uint8_t> b;
    ByteWriter w(&b);
    w.U16(101);
    w.U16(0x4018);
    w.U32(startLog);
    w.U32(event);
    w.U8(category);
    w.String(begin);
    w.String(end);
    return b;
  }

  // Monster Invasion: 60 rows; "Query More" goes on after the last log id.
  static constexpr const char* kPagedTarget = "Monster Invasion";
  static constexpr uint32_t kPagedTargetId = 7, kPagedStartLog = 949, kAll = 255;
  static constexpr size_t kPagedRows = 60;
  static constexpr const char* kCursor = "2026-11-18 21:48:00";
  static Rows FirstPageEnds() {
    return {{"900", "2026-11-18 20:00:00", "7", "Start!", "^2began^0 at the gate"},
            {"949", "2026-11-18 21:48:00", "7", "Completion", "hero 48 cleared 100%"}};
  }
  static Rows SecondPageEnds() {
    return {{"950", "2026-11-18 21:49:00", "7", "Completion", "hero 49 cleared 100%"},
            {"959", "2026-11-18 23:00:00", "7", "End!", "ended"}};
  }

  using Narrowed = SiegePage::Narrowed;
  static std::vector<Narrowed> NarrowedQueries() {
    return {{"Harvest Festival", "Start And End", 1, 0,
             {{"960", "2026-11-19 10:00:00", "1", "Start!", "Harvest Festival opened"}}}};
  }
};

struct PageName {
  template <class T>
  static std::string GetName(int) {
    return std::is_same<T, SiegePage>::value ? "Siege" : "ServerEvent";
  }
};

template <class T>
class RelayLogQuery : public PluginPageTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(ShowPage(T::kTab, T::kTarget, "the page is on show"));
    ASSERT_TRUE(SetPageControl(page, T::kShard, "Velmora-Ember"));
    ASSERT_TRUE(SetPageControl(page, T::kTarget, T::kPagedTarget));
    ASSERT_TRUE(SetPageControl(page, T::kCategory, "All"));
    ASSERT_TRUE(SetPageControl(page, T::kBeginDate, "2026-11-01"));
    ASSERT_TRUE(SetPageControl(page, T::kBeginTime, "00:00:00"));
    ASSERT_TRUE(SetPageControl(page, T::kEndDate, "2026-11-30"));
    ASSERT_TRUE(SetPageControl(page, T::kEndTime, "23:59:59"));
    Host().console.SetSplitter([](size_t size) { return AnswerSplits(T::kSplitSeed).Next(size, T::kSplitMin); });
  }

  // Presses a button and runs the loop until the plug-in has reported on the answer.
  void Press(int button) { PressForAnswer(button, T::kFailed); }
  Rows Listed() const { return ListViewRows(GetDlgItem(page, T::kList), T::kColumns); }
};

using Pages = ::testing::Types<SiegePage, ServerEventPage>;
TYPED_TEST_SUITE(RelayLogQuery, Pages, PageName);

TYPED_TEST(RelayLogQuery, a_query_lists_fifty_rows_and_query_more_appends_the_rest) {
  using T = TypeParam;
  this->Press(T::kQuery);
  auto sent = this->Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].id, 0x7203);
  EXPECT_EQ(sent[0].payload, T::Request(0, T::kPagedTargetId, T::kAll, kBegin, kEnd));
  Rows rows = this->Listed();
  ASSERT_EQ(rows.size(), 50u);
  EXPECT_EQ((Rows{rows[0], rows[49]}), T::FirstPageEnds());
  EXPECT_TRUE(this->Enabled(T::kQueryMore));
  EXPECT_EQ(PluginLines(this->firstLine), (Lines{{kResult, "^250^0 log found"}}));

  this->Press(T::kQueryMore);
  sent = this->Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].payload, T::Request(T::kPagedStartLog, T::kPagedTargetId, T::kAll, T::kCursor, kEnd));
  rows = this->Listed();
  ASSERT_EQ(rows.size(), T::kPagedRows);
  EXPECT_EQ((Rows{rows[50], rows.back()}), T::SecondPageEnds());
  EXPECT_FALSE(this->Enabled(T::kQueryMore));
  EXPECT_EQ(PluginLines(this->firstLine), (Lines{{kResult, "^2" + std::to_string(T::kPagedRows - 50) + "^0 log found"}}));
}

TYPED_TEST(RelayLogQuery, a_category_and_another_target_narrow_the_rows) {
  using T = TypeParam;
  for (const auto& q : T::NarrowedQueries()) {
    SCOPED_TRACE(q.category);
    ASSERT_TRUE(SetPageControl(this->page, T::kTarget, q.target));
    ASSERT_TRUE(SetPageControl(this->page, T::kCategory, q.category));
    this->Press(T::kQuery);
    ASSERT_EQ(this->Sent().size(), 1u);
    EXPECT_EQ(this->Sent()[0].payload, T::Request(0, q.targetId, q.categoryCode, kBegin, kEnd));
    EXPECT_EQ(this->Listed(), q.rows);
    EXPECT_FALSE(this->Enabled(T::kQueryMore));
    EXPECT_EQ(PluginLines(this->firstLine), (Lines{{kResult, "^21^0 log found"}}));
  }
}

class ServerEventLogQuery : public RelayLogQuery<ServerEventPage> {};

TEST_F(ServerEventLogQuery, a_stopped_manager_service_is_refused_before_anything_is_sent) {
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

}  // namespace
