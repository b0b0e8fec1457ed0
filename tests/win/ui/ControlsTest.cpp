// List view, combo box, date picker and popup menu helpers on real controls, and the
// dialog's typed access to its controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <ctime>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "support/WinTest.h"
#include "ui/ComboBox_win.h"
#include "ui/DateTimePicker_win.h"
#include "ui/ListView_win.h"
#include "ui/Win32Control_PopupMenu_win.h"
#include "ui/Win32Dialog_win.h"

namespace {

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { host = CreateHostWindow(600, 400); }
  void TearDown() override { ReleaseHostWindow(host); }
  HWND Make(const char* className, DWORD style, int id = 0) {
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 200, host,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  std::string CellText(HWND list, int row, int column) {
    std::string text(8192, '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = &text[0];
    item.cchTextMax = static_cast<int>(text.size());
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text.c_str();
  }
  HWND host = nullptr;
};

TEST_F(ControlsTest, combo_with_no_selection_yields_zero_data) {
  HWND combo = Make("COMBOBOX", CBS_DROPDOWNLIST);
  EXPECT_EQ(0u, ComboGetSelData(combo));
  ComboAdd(combo, 41, "%s", "first");
  ComboAdd(combo, 42, "%s", "second");
  EXPECT_EQ(0u, ComboGetSelData(combo));
  ComboSetCurSel(combo, 1);
  EXPECT_EQ(42u, ComboGetSelData(combo));
}

TEST_F(ControlsTest, date_and_time_pickers_give_the_query_text) {
  HWND date = Make(DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT);
  HWND time = Make(DATETIMEPICK_CLASSA, DTS_TIMEFORMAT);
  SYSTEMTIME d = {2008, 3, 3, 5, 23, 59, 58, 0};
  SYSTEMTIME t = {2011, 6, 1, 1, 7, 4, 9, 0};
  ASSERT_TRUE(SendMessageA(date, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&d)));
  ASSERT_TRUE(SendMessageA(time, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t)));
  // Date from the first picker, time of day from the second.
  EXPECT_EQ("2008-3-5 07:04:09", GetDateTimeText(date, time));
}

TEST_F(ControlsTest, both_pickers_of_a_pair_take_the_local_moment) {
  Make(DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT, 1002);
  Make(DATETIMEPICK_CLASSA, DTS_TIMEFORMAT, 1003);
  struct tm local = {};
  local.tm_year = 2008 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 5;
  local.tm_hour = 7;
  local.tm_min = 4;
  local.tm_sec = 9;
  local.tm_isdst = -1;
  time_t moment = mktime(&local);
  SetDateTimePickers(host, 1002, 1003, moment);
  EXPECT_EQ("2008-3-5 07:04:09", GetDateTimeText(GetDlgItem(host, 1002), GetDlgItem(host, 1003)));
  SetDateTimePickers(host, 1002, 1003, moment - 30 * 86400);
  EXPECT_EQ("2008-2-4 07:04:09", GetDateTimeText(GetDlgItem(host, 1002), GetDlgItem(host, 1003)));
}

TEST_F(ControlsTest, list_rows_append_carry_data_and_delete) {
  HWND list = Make(WC_LISTVIEWA, LVS_REPORT);
  InsertColumn(list, 0, 100, "A");
  InsertColumn(list, 1, 100, "B");
  EXPECT_EQ(-1, FirstRow(list));
  EXPECT_EQ(0, AppendRow(list, "zero", 0x04000010u));
  EXPECT_EQ(1, AppendRow(list, "one", 0x01000011u));
  EXPECT_EQ(2, AppendRow(list, "two", 12));
  SetCellText(list, 1, 1, "%d-%s", 5, "x");
  EXPECT_EQ("5-x", CellText(list, 1, 1));
  EXPECT_EQ("one", CellText(list, 1, 0));
  EXPECT_EQ(0x01000011u, GetRowData(list, 1));
  EXPECT_EQ(0, FirstRow(list));
  EXPECT_EQ(-1, FirstSelectedRow(list));

  LVITEMA state = {};
  state.stateMask = LVIS_SELECTED;
  state.state = LVIS_SELECTED;
  SendMessageA(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(2, FirstSelectedRow(list));

  DeleteRow(list, 0);
  EXPECT_EQ("one", CellText(list, 0, 0));
  EXPECT_EQ(0x01000011u, GetRowData(list, 0));
  std::string longText(5000, 'q');
  SetCellText(list, 0, 0, "%s", longText.c_str());
  EXPECT_EQ(std::string(4095, 'q'), CellText(list, 0, 0));
  DeleteAllRows(list);
  EXPECT_EQ(-1, FirstRow(list));
}

TEST_F(ControlsTest, dialog_slots_reach_their_controls) {
  CWin32Dialog page;
  ASSERT_TRUE(page.CreateModeless(IDD_KDLOG, host, ModuleInstance()));
  const int combo = IDC_KDLOG_QUERY_BY;  // a sorted box
  EXPECT_EQ(0, page.ComboAddString(combo, "beta"));
  EXPECT_EQ(0, page.ComboAddString(combo, "alpha"));
  EXPECT_EQ(-1, page.ComboGetCurSel(combo));
  ComboSetCurSel(page.GetItem(combo), 1);
  EXPECT_EQ(1, page.ComboGetCurSel(combo));
  page.ComboReset(combo);
  EXPECT_EQ(0, SendMessageA(page.GetItem(combo), CB_GETCOUNT, 0, 0));
  EXPECT_EQ(-1, page.ComboGetCurSel(combo));

  const int edit = IDC_KDLOG_USERNAME;
  EXPECT_TRUE(page.SetItemInt(edit, -42, true));
  EXPECT_EQ("-42", page.GetItemText(edit));
  EXPECT_EQ(-42, page.GetItemInt(edit, true));
  EXPECT_TRUE(page.SetItemFloat(edit, 1.5f));
  EXPECT_EQ("1.50", page.GetItemText(edit));
  EXPECT_TRUE(page.SetItemText(edit, std::string(4096, 'n').c_str()));
  EXPECT_EQ(std::string(4095, 'n'), page.GetItemText(edit)) << "read through 4096 bytes";
  page.EnableItem(edit, false);
  EXPECT_FALSE(IsWindowEnabled(page.GetItem(edit)));
}

// The menu's owner picks an entry with the keyboard as soon as the menu waits for input.
class CMenuOwner : public CWindowBase {
 public:
  bool Create(HWND parent) {
    if (!RegisterWindowClass(ModuleInstance(), "KvMenuOwner", nullptr)) return false;
    CreateArgs args;
    args.className = "KvMenuOwner";
    args.style = WS_CHILD | WS_VISIBLE;
    args.width = args.height = 50;
    args.parent = parent;
    args.instance = ModuleInstance();
    if (!CreateWindowObject(args)) return false;
    AddMessageHandler(WM_ENTERIDLE, &CMenuOwner::OnEnterIdle);
    AddMessageHandler(WM_TIMER, &CMenuOwner::OnTimer);
    AddCommandHandler(4001, 0, &CMenuOwner::OnFirst);
    AddCommandHandler(4002, 0, &CMenuOwner::OnSecond);
    return true;
  }
  LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam) {
    if (wParam == MSGF_MENU && !m_keysSent) {
      m_keysSent = true;
      for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageA(reinterpret_cast<HWND>(lParam), WM_KEYDOWN, key, 0);
      SetTimer(m_hWnd, 1, 3000, nullptr);  // a menu that ignores the keys must not hold the test
    }
    return 0;
  }
  LRESULT OnTimer(WPARAM, LPARAM) {
    KillTimer(m_hWnd, 1);
    EndMenu();
    return 0;
  }
  LRESULT OnFirst(WPARAM, LPARAM) { return chosen.push_back(4001), 0; }
  LRESULT OnSecond(WPARAM, LPARAM) { return chosen.push_back(4002), 0; }
  std::vector<int> chosen;

 private:
  bool m_keysSent = false;
};

TEST_F(ControlsTest, popup_menu_items_and_the_chosen_command_reach_the_owner) {
  CMenuOwner owner;
  ASSERT_TRUE(owner.Create(host));
  CWin32Control_PopupMenu menu;
  ASSERT_NE(nullptr, menu.GetHandle());
  EXPECT_TRUE(menu.AppendItem(MF_STRING, 4001, "history of %d", 7));
  EXPECT_TRUE(menu.AppendSeparator());
  EXPECT_TRUE(menu.AppendItem(MF_STRING, 4002, "%s", std::string(300, 'm').c_str()));
  ASSERT_EQ(3, GetMenuItemCount(menu.GetHandle()));
  char caption[512] = "";
  GetMenuStringA(menu.GetHandle(), 0, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ("history of 7", caption);
  EXPECT_TRUE(GetMenuState(menu.GetHandle(), 1, MF_BYPOSITION) & MF_SEPARATOR);
  GetMenuStringA(menu.GetHandle(), 2, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_EQ(std::string(259, 'm'), caption) << "captions are cut to 259 characters";

  EXPECT_FALSE(menu.Track(nullptr)) << "no owner: nothing opens";
  EXPECT_TRUE(menu.Track(&owner));
  TakeQuitMessage();
  EXPECT_EQ(std::vector<int>{4002}, owner.chosen) << "down, down past the separator, enter";
}

}  // namespace
