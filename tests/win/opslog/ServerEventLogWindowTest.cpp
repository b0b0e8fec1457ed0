// The server event log page on real controls: set-up, the query it sends, the refusals
// with the manager service check, paging at the 50-row boundary, a failed answer, copy,
// and a start without reference data.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "opslog/ServerEventLogWindow_win.h"
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

ServerEventLogRow Row(uint32_t logId, uint8_t logType, const std::string& description) {
  ServerEventLogRow r;
  r.logId = logId;
  r.time = TestTime(2026, 11, 2, 7, static_cast<uint16_t>(logId % 60), 9, kRelayFraction);
  r.serverEventId = 7;
  r.logType = logType;
  r.description = description;
  return r;
}

std::vector<ServerEventLogRow> Page(size_t n, uint32_t firstId) {
  std::vector<ServerEventLogRow> rows;
  for (size_t i = 0; i < n; ++i) rows.push_back(Row(firstId + static_cast<uint32_t>(i), 3, "player " + std::to_string(i)));
  return rows;
}

std::string Request(uint16_t service, uint32_t startLog, uint32_t event, uint8_t category, const std::string& begin,
                    const std::string& end) {
  return WireU16(service) + WireU16(0x4018) + WireU32(startLog) + WireU32(event) +
         std::string(1, static_cast<char>(category)) + WireString(begin) + WireString(end);
}

class ServerEventPageBase : public RelayPageTest<CServerEventLogWindow> {
 protected:
  ServerEventPageBase()
      : RelayPageTest({IDC_EVENT_SHARD, IDC_EVENT_CATEGORY, IDC_EVENT_QUERY, IDC_EVENT_QUERY_MORE, IDC_EVENT_LIST,
                       0x8018, 200}) {}
};

class ServerEventPage : public ServerEventPageBase {
 protected:
  void SetUp() override {
    ServerEventPageBase::SetUp();
    m_dir.WriteCompleteSet();
    m_dir.Write("RefServerEventID.txt", "12\r\n7\r\n1000000000\r\n3\r\n");
    m_dir.Write("TextUISystem.txt", TextRow("SN_SERVER_EVENT_MISSION_7", "Monster Invasion") +
                                        TextRow("SN_SERVER_EVENT_MISSION_12", "Fishing Contest"));
    CreatePage();
  }
  std::string Begin() const { return Span(IDC_EVENT_BEGIN_DATE, IDC_EVENT_BEGIN_TIME); }
  std::string End() const { return Span(IDC_EVENT_END_DATE, IDC_EVENT_END_TIME); }
  // A picker pair's text "%d-%d-%d %02d:%02d:%02d" as seconds of the local calendar.
  static time_t Seconds(const std::string& span) {
    struct tm t = {};
    sscanf(span.c_str(), "%d-%d-%d %d:%d:%d", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour, &t.tm_min, &t.tm_sec);
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    t.tm_isdst = -1;
    return mktime(&t);
  }
};

TEST_F(ServerEventPage, starts_with_sorted_choices_five_columns_and_query_more_disabled) {
  PageControls c = Controls();
  EXPECT_EQ(c.Entries(IDC_EVENT_SHARD), (Lines{"*Aschfeld-Tide=2", "Korrin-Deep=8", "Velmora-Ember=1", "Velmora-Gale=7"}));
  // Events without a text, or with an id too long to key, are listed with the empty name.
  Lines events = c.Entries(IDC_EVENT_NAME);
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(Lines(events.begin() + 2, events.end()), (Lines{"Fishing Contest=12", "Monster Invasion=7"}));
  EXPECT_EQ(events[0].substr(0, 2), "*=");
  EXPECT_EQ(events[1].substr(0, 1), "=");
  EXPECT_EQ(c.Entries(IDC_EVENT_CATEGORY), (Lines{"*All=255", "Completion=1", "Reward=2", "Start And End=0"}));
  ExpectListAndQueryMoreAtStart("ID 100;Time 200;ServerEventID 200;LogType 200;Description 400;");
  // Both pickers keep the moment the page was made, which may span a second's turn.
  EXPECT_LE(Seconds(End()) - Seconds(Begin()), 1);
  EXPECT_GE(Seconds(End()) - Seconds(Begin()), 0);
}

// The wait itself is the session's; the page sends what its boxes hold.
TEST_F(ServerEventPage, query_sends_the_selections) {
  PageControls c = Controls();
  c.Select(IDC_EVENT_SHARD, "Velmora-Ember");
  c.Select(IDC_EVENT_NAME, "Monster Invasion");
  c.Select(IDC_EVENT_CATEGORY, "Reward");
  c.Click(IDC_EVENT_QUERY);
  ASSERT_EQ(m_console.messenger.sent.size(), 1u);
  EXPECT_EQ(m_console.messenger.Payload(0), Request(101, 0, 7, 2, Begin(), End()));
}

TEST_F(ServerEventPage, fifty_rows_enable_query_more_from_the_last_log_id_and_forty_nine_end_it) {
  PageControls c = Controls();
  c.Select(IDC_EVENT_SHARD, "Aschfeld-Tide");
  c.Select(IDC_EVENT_NAME, "Fishing Contest");
  c.Click(IDC_EVENT_QUERY);
  Answer(AnswerBytes(kServerEventLog, 0, Page(50, 9001), "2026-11-2 08:00:00"));
  EXPECT_EQ(c.Rows(IDC_EVENT_LIST, 5).at(0),
            (std::vector<std::string>{"9001", "2026-11-02 07:01:09", "7", "Completion", "player 0"}));
  // "Query More" reads no control: it continues what "Query" kept.
  ExpectQueryMoreToTheEnd("Velmora-Gale", "Reward", Request(102, 9050, 12, 255, "2026-11-2 08:00:00", End()),
                          AnswerBytes(kServerEventLog, 0, Page(49, 9051), "2026-11-2 09:00:00"));
}

TEST_F(ServerEventPage, refusals_a_failed_answer_and_copy_of_five_columns) {
  PageControls c = Controls();
  c.Select(IDC_EVENT_SHARD, "Velmora-Gale");
  c.Select(IDC_EVENT_NAME, "Monster Invasion");
  c.Click(IDC_EVENT_QUERY);
  c.Select(IDC_EVENT_SHARD, "Korrin-Deep");
  c.Click(IDC_EVENT_QUERY);
  c.Select(IDC_EVENT_NAME, "no such event");
  c.Click(IDC_EVENT_QUERY);
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x01000000u, "plz launch Realmwarden[107]"},
                                            {0x02000001u, "Not found Shard[8]"},
                                            {0x01000000u, "please type Server Event Name or select shard"}}));
  EXPECT_TRUE(m_console.messenger.sent.empty());

  c.Select(IDC_EVENT_SHARD, "Aschfeld-Tide");
  c.Select(IDC_EVENT_NAME, "Monster Invasion");
  c.Click(IDC_EVENT_QUERY);
  Answer(AnswerBytes(kServerEventLog, 0, std::vector<ServerEventLogRow>{Row(17, 1, "^2opened %s"), Row(18, 9, "")},
                     "c"));
  c.Click(IDC_EVENT_QUERY);
  Answer(AnswerBytes(kServerEventLog, 0, std::vector<ServerEventLogRow>{Row(17, 1, "^2opened %s"), Row(18, 9, "")},
                     "c"));
  Answer(AnswerBytes(kServerEventLog, 2, Page(0, 1), ""));
  EXPECT_EQ(CLogCapture::Lines().back(), (CLogCapture::Line{0x01000000u, "query ServerEventLog failed"}));
  EXPECT_EQ(c.Rows(IDC_EVENT_LIST, 5), (Rows{{"17", "2026-11-02 07:17:09", "7", "Start!", "^2opened %s"},
                                             {"18", "2026-11-02 07:18:09", "7", "UnknownLogType", ""}}));
  EXPECT_EQ(c.RowData(IDC_EVENT_LIST), (std::vector<LPARAM>{0, 0})) << "rows carry item data 0";

  CLogCapture::Lines().clear();
  c.Click(IDC_EVENT_COPY);
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x00000000u, "log data copy to clipboard"}}));
  EXPECT_EQ(ClipboardTextNow(),
            "ID\tTime\tServerEventID\tLogType\tDescription\r\n"
            "17\t2026-11-02 07:17:09\t7\tStart!\topened %s\r\n"
            "18\t2026-11-02 07:18:09\t7\tUnknownLogType\t\r\n");
}

TEST_F(ServerEventPageBase, without_reference_data_the_page_is_not_built) {
  EXPECT_FALSE(m_page.Create(GetModuleHandleA(nullptr), m_parent));
  ASSERT_FALSE(CLogCapture::Lines().empty());
  EXPECT_EQ(CLogCapture::Lines().back(),
            (CLogCapture::Line{0x02000001u, "CGameRefData::GetInstance NULL!!! at the ServerEventLog"}));
  EXPECT_EQ(m_page.GetHwnd(), nullptr);
  EXPECT_EQ(GetWindow(m_parent, GW_CHILD), nullptr) << "no half-built page is left";
  MassiveMsgBuilder answer(0x8018);
  EXPECT_FALSE(m_page.Dispatch(nullptr, AnswerMsg(answer, AnswerBytes(kServerEventLog, 0, Page(0, 1), ""))))
      << "no answer handler";

  // Once the data is there, the page can be built.
  m_dir.WriteCompleteSet();
  EXPECT_TRUE(m_page.Create(GetModuleHandleA(nullptr), m_parent));
}

}  // namespace
