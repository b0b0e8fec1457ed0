// The dialog templates as the pages get them: window styles, sizes, control kinds and
// styles, and the order in which sorted and unsorted boxes show their entries.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "support/WinTest.h"
#include "ui/ComboBox_win.h"
#include "ui/Win32Dialog_win.h"

namespace {

using Lines = std::vector<std::string>;

Lines Entries(HWND combo) {
  Lines entries;
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[260] = "";
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    entries.push_back(text);
  }
  return entries;
}

void ExpectPageWindow(HWND hwnd, int width, int height) {
  LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_CHILD);
  EXPECT_TRUE(style & WS_BORDER);
  EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION);
  EXPECT_FALSE(style & WS_VISIBLE);
  RECT client, expected = {0, 0, width, height};
  GetClientRect(hwnd, &client);
  MapDialogRect(hwnd, &expected);
  EXPECT_EQ(expected.right, client.right);
  EXPECT_EQ(expected.bottom, client.bottom);
}

class TemplatesTest : public ::testing::Test {
 protected:
  void SetUp() override { host = CreateHostWindow(1200, 800); }
  void TearDown() override { ReleaseHostWindow(host); }
  HWND host = nullptr;
  CWin32Dialog page;

  // The dialog manager converts position and size separately, each rounded down.
  void ExpectPlaced(int id, int x, int y, int w, int h) {
    SCOPED_TRACE(id);
    RECT expected = {x, y, w, h};
    MapDialogRect(page.GetHwnd(), &expected);
    RECT actual;
    GetWindowRect(page.GetItem(id), &actual);
    MapWindowPoints(nullptr, page.GetHwnd(), reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right - actual.left);
    EXPECT_EQ(expected.bottom, actual.bottom - actual.top);
  }
  // The dialog manager turns a control's thin border into a sunken edge.
  bool Bordered(int id) {
    HWND item = page.GetItem(id);
    return (GetWindowLongA(item, GWL_STYLE) & WS_BORDER) || (GetWindowLongA(item, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  }
  LONG Style(int id) { return GetWindowLongA(page.GetItem(id), GWL_STYLE); }
  // The box's entries in the order it shows them, after these texts are added in turn.
  Lines EntriesAfterAdding(int comboId, std::initializer_list<const char*> texts) {
    HWND combo = page.GetItem(comboId);
    for (const char* text : texts) ComboAdd(combo, 0, "%s", text);
    return Entries(combo);
  }
  // Opens the page's template: a page window of this size in dialog units.
  void OpenPage(int templateId, int width, int height) {
    ASSERT_TRUE(page.CreateModeless(templateId, host, ModuleInstance()));
    ExpectPageWindow(page.GetHwnd(), width, height);
  }
  // Edits: child, visible, tab stop and horizontal auto-scroll, nothing else.
  static constexpr LONG kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
};

TEST_F(TemplatesTest, console_log_page) {
  ASSERT_NO_FATAL_FAILURE(OpenPage(IDD_KDLOG, 656, 349));
  EXPECT_NE(nullptr, FindResourceExA(ModuleInstance(), MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(IDD_KDLOG),
                                     MAKELANGID(LANG_KOREAN, SUBLANG_DEFAULT)));
  ExpectPlaced(IDC_KDLOG_LIST, 7, 61, 642, 281);
  EXPECT_TRUE(Bordered(IDC_KDLOG_LIST));
  EXPECT_EQ(LVS_REPORT, Style(IDC_KDLOG_LIST) & LVS_TYPEMASK);
  EXPECT_EQ(DTS_TIMEFORMAT, Style(IDC_KDLOG_BEGIN_TIME) & DTS_TIMEFORMAT);
  EXPECT_EQ(kEditStyle, Style(IDC_KDLOG_USERNAME)) << "no border";

  HWND queryBy = page.GetItem(IDC_KDLOG_QUERY_BY);
  ComboAdd(queryBy, 0, "%s", "User Name");
  ComboAdd(queryBy, 1, "%s", "Catagory");
  EXPECT_EQ((Lines{"Catagory", "User Name"}), Entries(queryBy));
  ComboSetCurSel(queryBy, 0);
  EXPECT_EQ(1u, ComboGetSelData(queryBy));

  EXPECT_EQ(EntriesAfterAdding(IDC_KDLOG_CATEGORY, {"GM Command", "All", "UserStatstics", "KV_Notice", "LoginLogout"}),
            (Lines{"All", "GM Command", "KV_Notice", "LoginLogout", "UserStatstics"}));
}

TEST_F(TemplatesTest, game_log_page) {
  ASSERT_NO_FATAL_FAILURE(OpenPage(IDD_GAMELOG, 626, 313));
  ExpectPlaced(IDC_GAMELOG_LIST, 7, 54, 612, 235);
  ExpectPlaced(IDC_GAMELOG_QUERY_MORE, 7, 292, 50, 14);
  EXPECT_FALSE(Bordered(IDC_GAMELOG_LIST));
  EXPECT_EQ(kEditStyle, Style(IDC_GAMELOG_CHARNAME));
  EXPECT_EQ(kEditStyle | ES_NUMBER, Style(IDC_GAMELOG_DAYS));
  EXPECT_EQ(kEditStyle, Style(IDC_GAMELOG_ITEM_CODENAME));

  EXPECT_EQ(CBS_DROPDOWNLIST, Style(IDC_GAMELOG_CATEGORY) & 3);
  EXPECT_EQ(EntriesAfterAdding(IDC_GAMELOG_CATEGORY, {"Character", "Item", "Quest", "Item by Serial"}),
            (Lines{"Character", "Item", "Quest", "Item by Serial"}));

  // Digits only: a letter typed into the days edit is refused.
  HWND days = page.GetItem(IDC_GAMELOG_DAYS);
  SetWindowTextA(days, "");
  SendMessageA(days, WM_CHAR, 'x', 0);
  SendMessageA(days, WM_CHAR, '7', 0);
  char text[16] = "";
  GetWindowTextA(days, text, sizeof text);
  EXPECT_STREQ("7", text);
}

TEST_F(TemplatesTest, serial_history_dialog) {
  ASSERT_TRUE(page.CreateModeless(IDD_SERIAL_HISTORY, host, ModuleInstance()));
  HWND hwnd = page.GetHwnd();
  char caption[64] = "";
  GetWindowTextA(hwnd, caption, sizeof caption);
  EXPECT_STREQ("Dialog", caption);
  LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_EQ(WS_CAPTION, style & WS_CAPTION);
  const LONG frame = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME;
  EXPECT_EQ(frame, style & frame);
  EXPECT_TRUE(GetWindowLongA(page.GetItem(IDC_HISTORY_COPY), GWL_STYLE) & BS_DEFPUSHBUTTON);
  char close[32] = "";
  GetWindowTextA(page.GetItem(IDOK), close, sizeof close);
  EXPECT_STREQ("Close This", close);
  ExpectPlaced(IDC_HISTORY_LIST, 7, 26, 517, 274);
  EXPECT_TRUE(Bordered(IDC_HISTORY_LIST));
}

TEST_F(TemplatesTest, siege_log_page) {
  ASSERT_NO_FATAL_FAILURE(OpenPage(IDD_SIEGELOG, 656, 350));
  ExpectPlaced(IDC_SIEGE_LIST, 7, 45, 642, 297);
  EXPECT_FALSE(Bordered(IDC_SIEGE_LIST));
  EXPECT_EQ(EntriesAfterAdding(IDC_SIEGE_SHARD, {"Viridan", "Aster", "Morrow"}), (Lines{"Aster", "Morrow", "Viridan"}));
  EXPECT_EQ(EntriesAfterAdding(IDC_SIEGE_CATEGORY, {"Start And End", "Result Defense And Offense", "All"}),
            (Lines{"Start And End", "Result Defense And Offense", "All"}));
}

TEST_F(TemplatesTest, server_event_log_page) {
  ASSERT_NO_FATAL_FAILURE(OpenPage(IDD_SERVEREVENTLOG, 559, 259));
  ExpectPlaced(IDC_EVENT_LIST, 7, 45, 545, 207);
  EXPECT_FALSE(Bordered(IDC_EVENT_LIST));
  EXPECT_EQ(EntriesAfterAdding(IDC_EVENT_CATEGORY, {"Start And End", "Completion", "Reward", "All"}),
            (Lines{"All", "Completion", "Reward", "Start And End"}));
  for (int id : {IDC_EVENT_SHARD, IDC_EVENT_NAME, IDC_EVENT_CATEGORY}) {
    SCOPED_TRACE(id);
    EXPECT_TRUE(Style(id) & CBS_SORT);
    EXPECT_EQ(CBS_DROPDOWN, Style(id) & 3);
  }
}

}  // namespace
