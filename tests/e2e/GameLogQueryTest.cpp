// Game log queries from the real plug-in's second page, over the simulated shard
// manager: what the page sends, what it lists and what it tells the console.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PluginHost.h"
#include "PluginPageTest.h"
#include "PluginWindows.h"
#include "resources/resource.h"
#include "unit/gamelog/GameLogTestSupport.h"
#include "win/gamelog/ModalDriver.h"

namespace {

const uint32_t kResult = 0, kDataError = 0x02000000;

class GameLogQuery : public PluginPageTest {
 protected:
  void SetUp() override {
    OpenPage(1, IDC_GAMELOG_DAYS, "the game log page is on show",
             {{IDC_GAMELOG_SHARD, "Velmora-Ember"}, {IDC_GAMELOG_BEGIN_DATE, "2026-11-01"},
              {IDC_GAMELOG_BEGIN_TIME, "00:00:00"}, {IDC_GAMELOG_END_DATE, "2026-11-30"},
              {IDC_GAMELOG_END_TIME, "23:59:59"}},
             5, 40);
  }

  // Presses a button and runs the loop until the plug-in has said something, or the
  // console has noted the request it could not pass on.
  void Press(int button) {
    Mark();
    Click(button);
    bool done = PumpUntil([&] { return Host().console.Log().Lines().size() > firstLine + 1; }, 5000);
    EXPECT_TRUE(done) << "nothing came back within 5 seconds";
    PumpFor(50);
  }
  // The query's category, option (null: as it is) and character name.
  void SetQuery(const char* category, const char* option, const char* name) {
    ASSERT_TRUE(SetPageControl(page, IDC_GAMELOG_CATEGORY, category));
    if (option) {
      ASSERT_TRUE(SetPageControl(page, IDC_GAMELOG_QUERY_OPTION, option));
    }
    ASSERT_TRUE(SetPageControl(page, IDC_GAMELOG_CHARNAME, name));
  }
  Rows Listed(int columns) const { return ListViewRows(GetDlgItem(page, IDC_GAMELOG_LIST), columns); }
};

TEST_F(GameLogQuery, a_character_query_lists_fifty_rows_and_query_more_the_rest) {
  ASSERT_NO_FATAL_FAILURE(SetQuery("Character", "Login_n_Out", "Varnel"));
  Press(IDC_GAMELOG_NEW_QUERY);
  auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].id, 0x7203);
  EXPECT_EQ(Payloads()[0], RequestBytes(101, 1, 1, "Varnel", kBegin, kEnd, ""));
  Rows rows = Listed(4);
  ASSERT_EQ(rows.size(), 50u);
  EXPECT_EQ(rows[0][0], "^2Logged in Successfully^0");
  EXPECT_EQ(rows[0][1], "IP: ^4^4192^0.^4168^0.^41^0.^410^0^0");
  EXPECT_EQ(rows[0][2], "Velmora (1204, 330)");
  EXPECT_EQ(rows[0][3], "2026-11-02 10:00:00");
  EXPECT_EQ(rows[49][3], "2026-11-02 10:49:00");
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^450^0 records are queried, current log : ^450"}}));
  EXPECT_TRUE(Enabled(IDC_GAMELOG_QUERY_MORE));

  Press(IDC_GAMELOG_QUERY_MORE);
  sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(Payloads()[0], RequestBytes(101, 1, 1, "Varnel", "2026-11-2 10:50:00#55", kEnd, ""));
  rows = Listed(4);
  ASSERT_EQ(rows.size(), 60u);
  EXPECT_EQ(rows[59][3], "2026-11-02 10:59:00");
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^410^0 records are queried, current log : ^460"}}));
  EXPECT_FALSE(Enabled(IDC_GAMELOG_QUERY_MORE));
  EXPECT_TRUE(Enabled(IDC_GAMELOG_NEW_QUERY));
  EXPECT_EQ(Host().console.Messenger().Unsent(), 0u);
}

TEST_F(GameLogQuery, an_unknown_character_is_reported_and_the_list_stays) {
  ASSERT_NO_FATAL_FAILURE(SetQuery("Quest", nullptr, "Varnel"));
  Press(IDC_GAMELOG_NEW_QUERY);
  ASSERT_EQ(Listed(4).size(), 1u);
  ASSERT_TRUE(SetPageControl(page, IDC_GAMELOG_CHARNAME, "Nobody"));
  Press(IDC_GAMELOG_NEW_QUERY);
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kDataError, "query error : ^2cannot find character"}}));
  EXPECT_TRUE(Listed(4).empty()) << "the new query emptied the list; the failure adds nothing";
  EXPECT_TRUE(Enabled(IDC_GAMELOG_QUERY_MORE)) << "a failed query leaves Query More usable";
}

TEST_F(GameLogQuery, item_rows_name_their_serial_and_item) {
  ASSERT_NO_FATAL_FAILURE(SetQuery("Item", "All", "Varnel"));
  Press(IDC_GAMELOG_NEW_QUERY);
  Rows rows = Listed(9);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0][0], "500");
  EXPECT_EQ(rows[1][1], "^2Wearing^0 Equipment");
  EXPECT_NE(rows[0][5].find("ITEM_WEAPON_SWORD_01"), std::string::npos) << rows[0][5];
  EXPECT_EQ(rows[0][7], "2026-11-01 09:00:00");
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^42^0 records are queried, current log : ^42"}}));
}

TEST_F(GameLogQuery, the_row_menu_asks_for_a_serial_history_and_the_box_for_all_of_it) {
  ASSERT_NO_FATAL_FAILURE(SetQuery("Item", "All", "Varnel"));
  Press(IDC_GAMELOG_NEW_QUERY);
  HWND list = GetDlgItem(page, IDC_GAMELOG_LIST);
  ASSERT_EQ(Listed(9).size(), 2u);
  ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);

  Mark();
  std::vector<std::vector<std::string>> menuBox, allBox;
  std::unique_ptr<CModalDriver> second;
  CModalDriver first([&](HWND box) {
    menuBox = ListTexts(GetDlgItem(box, IDC_HISTORY_LIST), 9);
    second = std::make_unique<CModalDriver>([&](HWND again) {
      allBox = ListTexts(GetDlgItem(again, IDC_HISTORY_LIST), 9);
      PostMessageA(again, WM_COMMAND, IDOK, 0);
    });
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_REQUEST_ALL, BN_CLICKED), 0);
  });
  ASSERT_TRUE(ChooseListMenuCommand(page, IDC_GAMELOG_LIST, 1));
  ASSERT_TRUE(PumpUntil([&] { return second && second->Ran() && CModalDriver::Boxes().empty(); }, 10000));
  PumpFor(100);

  auto sent = Sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(Payloads(), (std::vector<std::string>{RequestBytes(101, 4, 0, "KDC", kBegin, kEnd, "500", 30),
                                                   RequestBytes(101, 4, 0, "KDC", "", "", "500", 0)}));
  ASSERT_EQ(menuBox.size(), 3u) << "November's lines of the serial";
  EXPECT_EQ(menuBox[2][7], "2026-11-03 12:00:00");
  ASSERT_EQ(allBox.size(), 4u) << "every line of the serial";
  EXPECT_EQ(allBox[0][0], "500");
  EXPECT_EQ(allBox[0][7], "2026-10-15 12:00:00");
  EXPECT_EQ(PluginLines(firstLine), (Lines{{kResult, "^43^0 records are queried, current log : ^42"},
                                           {kResult, "^44^0 records are queried, current log : ^42"}}));
  EXPECT_EQ(Listed(9).size(), 2u) << "history lines stay out of the list";
}

TEST_F(GameLogQuery, a_stopped_manager_answers_nothing_and_the_console_says_so) {
  ASSERT_TRUE(SetPageControl(page, IDC_GAMELOG_SHARD, "Aschfeld-Gale"));
  ASSERT_NO_FATAL_FAILURE(SetQuery("Character", nullptr, "Varnel"));
  Mark();
  Click(IDC_GAMELOG_NEW_QUERY);
  ASSERT_TRUE(PumpUntil([&] { return Host().console.Log().Lines().size() > firstLine; }, 5000));
  PumpFor(100);
  const SimLogLine& note = Host().console.Log().Lines().back();
  EXPECT_TRUE(note.fromConsole);
  EXPECT_NE(note.text.find("manager service 107: service is not running"), std::string::npos) << note.text;
  EXPECT_TRUE(PluginLines(firstLine).empty());
  EXPECT_TRUE(Enabled(IDC_GAMELOG_NEW_QUERY)) << "New Query never waits";
}

}  // namespace
