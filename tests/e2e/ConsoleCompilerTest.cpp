// The real plug-in driven through the part of KalderaSim that the console's compiler
// builds: the entry through that compiler's pointer type, every slot of the plug-in
// object through the table as that compiler lays it out, and the console's objects
// with that compiler's tables and conventions behind every call the plug-in makes.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "PluginHost.h"
#include "PluginPageTest.h"
#include "PluginWindows.h"
#include "resources/resource.h"

namespace {

// Rows of the list whose item data carries more than the colour byte (a game log row's
// serial).
int RowsWithSerial(HWND list) {
  int rows = 0;
  for (int row = 0, n = ListView_GetItemCount(list); row < n; ++row) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ListView_GetItem(list, &item);
    rows += (item.lParam & 0x00FFFFFF) != 0 ? 1 : 0;
  }
  return rows;
}

class ConsoleCompilerCalls : public PluginPageTest {
 protected:
  // Opens a page, sets its controls, presses its query button and checks the one line
  // and the rows the answer brings.
  void QueryPage(size_t tab, int marker, Controls controls, int button, int list, const char* line, int rows) {
    ASSERT_NO_FATAL_FAILURE(OpenPage(tab, marker, "the page is on show", controls, 9, 48));
    Mark();
    Click(button);
    EXPECT_TRUE(PumpUntil([&] { return !PluginLines(firstLine).empty(); }, 5000)) << "tab " << tab;
    PumpFor(50);
    EXPECT_EQ(PluginLines(firstLine), (Lines{{0, line}})) << "tab " << tab;
    EXPECT_EQ(ListView_GetItemCount(GetDlgItem(page, list)), rows) << "tab " << tab;
  }
};

TEST_F(ConsoleCompilerCalls, every_slot_and_every_page_then_both_deletions_and_a_clean_unload) {
  HostedPlugin& h = Host();
  ASSERT_EQ(h.startError, "");
  CConsoleSideCalls* calls = h.console.ConsoleCompilerCalls();
  ASSERT_NE(calls, nullptr);
  IKDPlugin* plugin = h.console.Plugin();
  EXPECT_STREQ(h.console.PluginName(), "KV_UserLog");
  HWND window = calls->GetWindow(plugin);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetParent(window), h.console.Window());

  // Each page sends through the console's messenger, finds its shard in the console's
  // directory and reads its answer in OnMessage.
  QueryPage(0, IDC_KDLOG_QUERY_BY,
            {{IDC_KDLOG_BEGIN_DATE, "2026-1-1"},
             {IDC_KDLOG_BEGIN_TIME, "00:00:00"},
             {IDC_KDLOG_END_DATE, "2026-12-31"},
             {IDC_KDLOG_END_TIME, "23:59:59"},
             {IDC_KDLOG_QUERY_BY, "User Name"},
             {IDC_KDLOG_USERNAME, "gm_orsolya"}},
            IDC_KDLOG_QUERY, IDC_KDLOG_LIST, "^42^0 log found", 2);
  QueryPage(1, IDC_GAMELOG_DAYS,
            {{IDC_GAMELOG_SHARD, "Velmora-Ember"},
             {IDC_GAMELOG_BEGIN_DATE, "2026-10-01"},
             {IDC_GAMELOG_BEGIN_TIME, "00:00:00"},
             {IDC_GAMELOG_END_DATE, "2026-11-30"},
             {IDC_GAMELOG_END_TIME, "23:59:59"},
             {IDC_GAMELOG_CATEGORY, "Item"},
             {IDC_GAMELOG_QUERY_OPTION, "All"},
             {IDC_GAMELOG_CHARNAME, "Varnel"}},
            IDC_GAMELOG_NEW_QUERY, IDC_GAMELOG_LIST, "^43^0 records are queried, current log : ^43", 3);
  HWND gameLogList = GetDlgItem(page, IDC_GAMELOG_LIST);
  QueryPage(2, IDC_SIEGE_FORTRESS,
            {{IDC_SIEGE_SHARD, "Velmora-Ember"},
             {IDC_SIEGE_FORTRESS, "FORTRESS_NORTHWATCH"},
             {IDC_SIEGE_CATEGORY, "All"},
             {IDC_SIEGE_BEGIN_DATE, "2026-11-01"},
             {IDC_SIEGE_BEGIN_TIME, "00:00:00"},
             {IDC_SIEGE_END_DATE, "2026-11-30"},
             {IDC_SIEGE_END_TIME, "23:59:59"}},
            IDC_SIEGE_QUERY, IDC_SIEGE_LIST, "^250^0 log found", 50);
  QueryPage(3, IDC_EVENT_NAME,
            {{IDC_EVENT_SHARD, "Velmora-Ember"},
             {IDC_EVENT_NAME, "Monster Invasion"},
             {IDC_EVENT_CATEGORY, "All"},
             {IDC_EVENT_BEGIN_DATE, "2026-11-01"},
             {IDC_EVENT_BEGIN_TIME, "00:00:00"},
             {IDC_EVENT_END_DATE, "2026-11-30"},
             {IDC_EVENT_END_TIME, "23:59:59"}},
            IDC_EVENT_QUERY, IDC_EVENT_LIST, "^250^0 log found", 50);

  // Slot 3's bool both ways: every answer above was taken (the console notes any that
  // is not), a record no page waits for is not, and no record at all counts as taken.
  CMsg unknown;
  unknown.Init(0x1234);
  EXPECT_FALSE(calls->OnMessage(plugin, &unknown, nullptr));
  EXPECT_TRUE(calls->OnMessage(plugin, nullptr, nullptr));

  // Slot 1: the game log rows lose their serials.
  EXPECT_EQ(RowsWithSerial(gameLogList), 3);
  calls->ClearGameLog(plugin);
  EXPECT_EQ(RowsWithSerial(gameLogList), 0);

  // Slot 4 as p->~IKDPlugin() (flags 0): the windows go; slot 0 makes them again.
  calls->Destroy(plugin);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(calls->GetWindow(plugin), nullptr);
  IKDPlugin* handedOut = nullptr;
  EXPECT_TRUE(calls->Initialize(plugin, &handedOut));
  EXPECT_EQ(handedOut, plugin);
  window = calls->GetWindow(plugin);
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetParent(window), h.console.Window());

  // Slot 4 as delete p (flags 1): the windows go, and the module's static object is
  // left for the unload.
  calls->Delete(plugin);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(calls->GetWindow(plugin), nullptr);
  PumpFor(50);
  h.console.Stop();
  EXPECT_EQ(GetModuleHandleA(KV_USERLOG_DLL), nullptr);
  for (const SimLogLine& l : h.console.Log().Lines()) {
    EXPECT_EQ(l.text.find("must not use"), std::string::npos) << l.text;
    EXPECT_EQ(l.text.find("did not take"), std::string::npos) << l.text;
  }
}

}  // namespace
