// The siege log page on real controls: set-up, queries and their refusals, paging at
// the 50-row boundary, a failed answer, the colour list and copy, and a start without
// reference data.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <ctime>
#include <string>
#include <vector>

#include "opslog/SiegeLogWindow_win.h"
#include "refdata/KV_GameRefData.h"
#include "resources/resource.h"
#include "ui/CommonControls_win.h"
#include "ui/DateTimePicker_win.h"
#include "unit/opslog/RelayLogTestSupport.h"
#include "unit/refdata/RefDataFiles.h"
#include "win/opslog/RelayPageTest.h"
#include "win/ui/ClipboardRead.h"

namespace {

using Lines = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

SiegeLogRow Row(uint8_t code, uint32_t data2, const std::string& text, uint16_t minute) {
  SiegeLogRow r;
  r.time = TestTime(2026, 4, 12, 20, minute, 5, kRelayFraction);
  r.eventCode = code;
  r.data2 = data2;
  r.text = text;
  return r;
}

std::vector<SiegeLogRow> Page(size_t n) {
  std::vector<SiegeLogRow> rows;
  for (size_t i = 0; i < n; ++i) rows.push_back(Row(5, 0, "Ram " + std::to_string(i), static_cast<uint16_t>(i % 60)));
  return rows;
}

std::string Request(uint16_t service, uint32_t fortress, uint8_t category, const std::string& begin,
                    const std::string& end) {
  return WireU16(service) + WireU16(0x400E) + WireU32(fortress) + std::string(1, static_cast<char>(category)) +
         WireString(begin) + WireString(end);
}

class SiegePage : public RelayPageTest<CSiegeLogWindow> {
 protected:
  SiegePage()
      : RelayPageTest({IDC_SIEGE_SHARD, IDC_SIEGE_CATEGORY, IDC_SIEGE_QUERY, IDC_SIEGE_QUERY_MORE, IDC_SIEGE_LIST,
                       0x800E, 300}) {}
  void SetUp() override {
    RelayPageTest::SetUp();
    WriteReferenceData();
    CreatePage();
  }
  virtual void WriteReferenceData() {
    m_dir.WriteCompleteSet();
    m_dir.Write("SiegeFortress.txt", FortressRow(1, 3, "FORTRESS_SALTMARSH") + FortressRow(0, 4, "FORTRESS_GREYTOWER") +
                                         FortressRow(1, 1, "FORTRESS_NORTHWATCH") + FortressRow(1, 2, "FORTRESS_REDCLIFF"));
  }
};

TEST_F(SiegePage, starts_with_sorted_choices_all_categories_a_thirty_day_span_and_query_more_disabled) {
  PageControls c = Controls();
  EXPECT_EQ(c.Entries(IDC_SIEGE_SHARD), (Lines{"*Aschfeld-Tide=2", "Korrin-Deep=8", "Velmora-Ember=1", "Velmora-Gale=7"}));
  EXPECT_EQ(c.Entries(IDC_SIEGE_FORTRESS),
            (Lines{"*FORTRESS_NORTHWATCH=1", "FORTRESS_REDCLIFF=2", "FORTRESS_SALTMARSH=3"}));
  EXPECT_EQ(c.Entries(IDC_SIEGE_CATEGORY),
            (Lines{"Start And End=0", "Result Defense And Offense=1", "Temporary Result Change Owner=2", "Struct=3",
                   "Request=4", "Forge Item=5", "Object=6", "Success And Failed Add Reward=7", "*All=250"}));
  ExpectListAndQueryMoreAtStart("Event 200;Description 400;Time 150;");

  auto day = [](time_t t) {
    struct tm local = *localtime(&t);
    return std::to_string(local.tm_year + 1900) + "-" + std::to_string(local.tm_mon + 1) + "-" +
           std::to_string(local.tm_mday) + " ";
  };
  time_t now = time(nullptr);
  std::string begin = Span(IDC_SIEGE_BEGIN_DATE, IDC_SIEGE_BEGIN_TIME);
  std::string end = Span(IDC_SIEGE_END_DATE, IDC_SIEGE_END_TIME);
  EXPECT_EQ(begin, day(now - 30 * 86400) + end.substr(end.find(' ') + 1));
  EXPECT_EQ(end.substr(0, end.find(' ') + 1), day(now));
}

TEST_F(SiegePage, query_sends_the_selections_and_every_press_while_waiting_is_refused) {
  PageControls c = Controls();
  c.Select(IDC_SIEGE_SHARD, "Velmora-Ember");
  c.Select(IDC_SIEGE_FORTRESS, "FORTRESS_SALTMARSH");
  c.Select(IDC_SIEGE_CATEGORY, "Forge Item");
  c.Click(IDC_SIEGE_QUERY);
  c.Click(IDC_SIEGE_QUERY);
  c.Click(IDC_SIEGE_QUERY_MORE);
  EXPECT_EQ(CLogCapture::Lines(), LogLines(2, {0x01000000u, "blocked. wait for response"}));
  ASSERT_EQ(m_console.messenger.sent.size(), 1u);
  EXPECT_EQ(GetID(m_console.messenger.sent[0]), 0x7203);
  EXPECT_EQ(m_console.messenger.Payload(0),
            Request(101, 3, 5, Span(IDC_SIEGE_BEGIN_DATE, IDC_SIEGE_BEGIN_TIME), Span(IDC_SIEGE_END_DATE, IDC_SIEGE_END_TIME)));
  EXPECT_TRUE(m_page.Session().Waiting());
}

TEST_F(SiegePage, fifty_rows_enable_query_more_which_appends_from_the_cursor_until_forty_nine_come) {
  PageControls c = Controls();
  c.Select(IDC_SIEGE_SHARD, "Aschfeld-Tide");
  c.Click(IDC_SIEGE_QUERY);
  Answer(AnswerBytes(kSiegeLog, 0, Page(50), "2026-4-12 21:00:00"));
  EXPECT_EQ(c.Rows(IDC_SIEGE_LIST, 3).at(49),
            (std::vector<std::string>{"Add Struct", "Siege Struct Name : ^2Ram 49^0", "2026-04-12 20:49:05"}));
  // The next page goes to the shard selected now, with what "Query" kept.
  ExpectQueryMoreToTheEnd("Velmora-Gale", "Object",
                          Request(107, 1, 250, "2026-4-12 21:00:00", Span(IDC_SIEGE_END_DATE, IDC_SIEGE_END_TIME)),
                          AnswerBytes(kSiegeLog, 0, Page(49), "2026-4-12 22:00:00"));

  // A new "Query" starts the list again.
  c.Click(IDC_SIEGE_QUERY);
  EXPECT_EQ(c.RowCount(IDC_SIEGE_LIST), 0);
}

TEST_F(SiegePage, a_failed_answer_keeps_the_rows_and_a_refused_query_has_emptied_them) {
  PageControls c = Controls();
  c.Click(IDC_SIEGE_QUERY);
  Answer(AnswerBytes(kSiegeLog, 0, Page(50), "2026-4-12 21:00:00"));
  c.Click(IDC_SIEGE_QUERY_MORE);
  Answer(AnswerBytes(kSiegeLog, 2, Page(0), ""));
  EXPECT_EQ(c.RowCount(IDC_SIEGE_LIST), 50);
  EXPECT_FALSE(c.Enabled(IDC_SIEGE_QUERY_MORE));
  EXPECT_EQ(CLogCapture::Lines().back(), (CLogCapture::Line{0x01000000u, "query SiegeLog failed"}));
  EXPECT_FALSE(m_page.Session().Waiting());

  c.Click(IDC_SIEGE_QUERY_MORE);
  c.Click(IDC_SIEGE_QUERY);
  EXPECT_EQ(CLogCapture::Lines().back(), (CLogCapture::Line{0x01000000u, "blocked. wait for response"}));
  EXPECT_EQ(c.RowCount(IDC_SIEGE_LIST), 0);
}

TEST_F(SiegePage, rows_draw_as_a_colour_list_and_copy_as_three_plain_columns) {
  PageControls c = Controls();
  c.Click(IDC_SIEGE_COPY);
  EXPECT_EQ(ClipboardTextNow(), "Event\tDescription\tTime\r\n");
  c.Click(IDC_SIEGE_QUERY);
  Answer(AnswerBytes(kSiegeLog, 0,
                     std::vector<SiegeLogRow>{Row(3, 1, "^6Dawn %s Riders", 1), Row(24, 0, "reward 100% of ^4gold", 2),
                                              Row(12, 0, "", 3)},
                     "c"));
  EXPECT_EQ(c.Rows(IDC_SIEGE_LIST, 3),
            (Rows{{"Result Change Owner!", "Defense Success! Guild Name : ^2^6Dawn %s Riders^0", "2026-04-12 20:01:05"},
                  {"Failed to add reward", "reward 100% of ^4gold", "2026-04-12 20:02:05"},
                  {"Unknown Event Log [^212^0]", "", "2026-04-12 20:03:05"}}));
  EXPECT_EQ(c.RowData(IDC_SIEGE_LIST), (std::vector<LPARAM>{0, 0, 0})) << "row colour 0";
  CLogCapture::Lines().clear();
  c.Click(IDC_SIEGE_COPY);
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x00000000u, "log data copy to clipboard"}}));
  EXPECT_EQ(ClipboardTextNow(),
            "Event\tDescription\tTime\r\n"
            "Result Change Owner!\tDefense Success! Guild Name : Dawn %s Riders\t2026-04-12 20:01:05\r\n"
            "Failed to add reward\treward 100% of gold\t2026-04-12 20:02:05\r\n"
            "Unknown Event Log [12]\t\t2026-04-12 20:03:05\r\n");

  // The list's custom drawing is the colour list's; other notifications pass.
  NMLVCUSTOMDRAW cd = {};
  cd.nmcd.hdr.hwndFrom = c.Item(IDC_SIEGE_LIST);
  cd.nmcd.hdr.idFrom = IDC_SIEGE_LIST;
  cd.nmcd.hdr.code = NM_CUSTOMDRAW;
  cd.nmcd.dwDrawStage = CDDS_PREPAINT;
  EXPECT_EQ(SendMessageA(m_page.GetHwnd(), WM_NOTIFY, IDC_SIEGE_LIST, reinterpret_cast<LPARAM>(&cd)), CDRF_NOTIFYITEMDRAW);
  cd.nmcd.hdr.hwndFrom = c.Item(IDC_SIEGE_SHARD);
  EXPECT_EQ(SendMessageA(m_page.GetHwnd(), WM_NOTIFY, IDC_SIEGE_SHARD, reinterpret_cast<LPARAM>(&cd)), 0);
}

class SiegePageWithoutReferenceData : public SiegePage {
 protected:
  void WriteReferenceData() override {}
};

TEST_F(SiegePageWithoutReferenceData, is_built_with_no_fortress_and_refuses_every_query) {
  PageControls c = Controls();
  EXPECT_TRUE(c.Entries(IDC_SIEGE_FORTRESS).empty());
  EXPECT_EQ(c.Entries(IDC_SIEGE_SHARD).size(), 4u);
  c.Click(IDC_SIEGE_QUERY);
  c.Click(IDC_SIEGE_QUERY_MORE);
  EXPECT_EQ(CLogCapture::Lines(), LogLines(2, {0x01000000u, "please type siege fortress name or select shard"}));
  EXPECT_TRUE(m_console.messenger.sent.empty());
  EXPECT_FALSE(m_page.Session().Waiting());
}

}  // namespace
