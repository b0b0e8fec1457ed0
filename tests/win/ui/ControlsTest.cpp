// List view, combo box and date picker helpers on real controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <ctime>
#include <string>

#include "support/WinTest.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/ListView.h"

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
  EXPECT_EQ(-1, ComboGetCurSel(combo));
  ComboSetCurSel(combo, 1);
  EXPECT_EQ(42u, ComboGetSelData(combo));
  ComboReset(combo);
  EXPECT_EQ(0u, ComboGetSelData(combo));
}

TEST_F(ControlsTest, sorted_combo_keeps_data_with_its_entry) {
  HWND combo = Make("COMBOBOX", CBS_DROPDOWN | CBS_SORT);
  EXPECT_EQ(0, ComboAdd(combo, 7, "%s", "Zeta"));
  EXPECT_EQ(0, ComboAdd(combo, 3, "%s", "Alpha"));
  EXPECT_EQ(1, ComboAdd(combo, 5, "Mid %d", 9));
  ComboSetCurSel(combo, 0);
  EXPECT_EQ(3u, ComboGetSelData(combo));
  ComboSetCurSel(combo, 2);
  EXPECT_EQ(7u, ComboGetSelData(combo));
  // "User Name" is found by its beginning, wherever sorting put it.
  ComboAdd(combo, 0, "%s", "UserName");
  ComboAdd(combo, 4, "%s", "User Name (login)");
  ComboSelectUserName(combo);
  EXPECT_EQ(4u, ComboGetSelData(combo));
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


}  // namespace
