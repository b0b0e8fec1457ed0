#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <ctime>
#include <string>
#include <vector>

#include "opslog/KDLogWindow_win.h"
#include "resources/resource.h"
#include "ui/CommonControls_win.h"
#include "ui/DateTimePicker_win.h"
#include "unit/opslog/KDLogTestSupport.h"
#include "win/ui/ClipboardRead.h"

namespace {

class KDLogPage : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControlClasses();
    m_parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1100, 650, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(m_page.Create(GetModuleHandleA(nullptr), m_parent));
  }
  void TearDown() override { DestroyWindow(m_parent); }

  HWND Item(int id) { return GetDlgItem(m_page.GetHwnd(), id); }
  void Send(int id, WORD code) {
    SendMessageA(m_page.GetHwnd(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
  }
  void Select(int comboId, const char* text) {
    LRESULT at = SendMessageA(Item(comboId), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    SendMessageA(Item(comboId), CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    Send(comboId, CBN_SELCHANGE);
  }
  std::string Text(int comboId, int index) {
    char text[260] = "";
    SendMessageA(Item(comboId), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  std::string Cell(int row, int column) {
    char text[4096] = "";
    ListView_GetItemText(Item(IDC_KDLOG_LIST), row, column, text, sizeof text);
    return text;
  }
  std::string Span(int dateId, int timeId) { return GetDateTimeText(Item(dateId), Item(timeId)); }

  TestConsole m_console;
  CKDLogWindow m_page;
  HWND m_parent = nullptr;
};

TEST_F(KDLogPage, starts_with_sorted_choices_hidden_query_more_and_a_thirty_day_span) {
  EXPECT_EQ(Text(IDC_KDLOG_QUERY_BY, 0) + "," + Text(IDC_KDLOG_QUERY_BY, 1), "Catagory,User Name");
  EXPECT_EQ(SendMessageA(Item(IDC_KDLOG_QUERY_BY), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageA(Item(IDC_KDLOG_CATEGORY), CB_GETCOUNT, 0, 0), 14);
  EXPECT_EQ(SendMessageA(Item(IDC_KDLOG_CATEGORY), CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(Text(IDC_KDLOG_CATEGORY, 0), "All");
  EXPECT_FALSE(GetWindowLongA(Item(IDC_KDLOG_QUERY_MORE), GWL_STYLE) & WS_VISIBLE);
  EXPECT_TRUE(ListView_GetExtendedListViewStyle(Item(IDC_KDLOG_LIST)) & LVS_EX_FULLROWSELECT);
  std::string columns;
  for (int c = 0; c < 4; ++c) {
    char caption[260] = "";
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.pszText = caption;
    col.cchTextMax = sizeof caption;
    ListView_GetColumn(Item(IDC_KDLOG_LIST), c, &col);
    columns += std::string(caption) + " " + std::to_string(col.cx) + ";";
  }
  EXPECT_EQ(columns, "UserName 100;Catagory 100;Log 600;Time 200;");

  auto day = [](time_t t) {
    struct tm local = *localtime(&t);
    return std::to_string(local.tm_year + 1900) + "-" + std::to_string(local.tm_mon + 1) + "-" +
           std::to_string(local.tm_mday) + " ";
  };
  time_t now = time(nullptr);
  std::string begin = Span(IDC_KDLOG_BEGIN_DATE, IDC_KDLOG_BEGIN_TIME);
  std::string end = Span(IDC_KDLOG_END_DATE, IDC_KDLOG_END_TIME);
  EXPECT_EQ(begin, day(now - 30 * 86400) + end.substr(end.find(' ') + 1));
  EXPECT_EQ(end.substr(0, end.find(' ') + 1), day(now));
}

TEST_F(KDLogPage, query_sends_the_controls_and_waits_for_the_answer) {
  SetWindowTextA(Item(IDC_KDLOG_USERNAME), "gm_rhea");
  Select(IDC_KDLOG_CATEGORY, "LoginLogout");
  Send(IDC_KDLOG_QUERY, BN_CLICKED);
  Send(IDC_KDLOG_QUERY, BN_CLICKED);
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x01000000u, "blocked. wait for response"}}));
  ASSERT_EQ(m_console.messenger.sent.size(), 1u);
  std::string begin = Span(IDC_KDLOG_BEGIN_DATE, IDC_KDLOG_BEGIN_TIME);
  std::string end = Span(IDC_KDLOG_END_DATE, IDC_KDLOG_END_TIME);
  EXPECT_EQ(m_console.messenger.Payload(0), std::string("\x07\x00gm_rhea\x09", 10) + char(begin.size()) + '\0' +
                                                 begin + char(end.size()) + '\0' + end);

  MassiveMsgBuilder answer(0xB404);
  EXPECT_TRUE(m_page.Dispatch(nullptr, KDLogAnswerMsg(answer, KDLogAnswerBytes(0, {}))));
  Select(IDC_KDLOG_QUERY_BY, "Catagory");
  EXPECT_EQ(GetWindowTextLengthA(Item(IDC_KDLOG_USERNAME)), 0);
  EXPECT_FALSE(IsWindowEnabled(Item(IDC_KDLOG_USERNAME)));
  Send(IDC_KDLOG_QUERY, BN_CLICKED);
  ASSERT_EQ(m_console.messenger.sent.size(), 2u);
  EXPECT_EQ(m_console.messenger.Payload(1).substr(0, 3), std::string("\x00\x00\x09", 3));
  Select(IDC_KDLOG_QUERY_BY, "User Name");
  EXPECT_TRUE(IsWindowEnabled(Item(IDC_KDLOG_USERNAME)));
}

TEST_F(KDLogPage, answer_replaces_the_rows_and_copy_takes_them_without_marks) {
  Send(IDC_KDLOG_COPY, BN_CLICKED);
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x01000000u, "there is no data to copy to clipboard"}}));

  const KDLogRecord login = {"gm_rhea", 9, "login from 10.1.2.3", {2008, 3, 5, 7, 4, 9, 0}};
  const KDLogRecord patch = {"gm_orin", 10, "^2patch %s applied to %n", {2008, 3, 6, 23, 0, 1, 500}};
  MassiveMsgBuilder first(0xB404), second(0xB404), other(0x8001);
  ASSERT_TRUE(m_page.Dispatch(nullptr, KDLogAnswerMsg(first, KDLogAnswerBytes(0, {login, login, login}))));
  ASSERT_TRUE(m_page.Dispatch(nullptr, KDLogAnswerMsg(second, KDLogAnswerBytes(0, {patch, login}), 97)));
  EXPECT_FALSE(m_page.Dispatch(nullptr, KDLogAnswerMsg(other, {0})));
  ASSERT_EQ(ListView_GetItemCount(Item(IDC_KDLOG_LIST)), 2);
  EXPECT_EQ(Cell(0, 0) + "|" + Cell(0, 1) + "|" + Cell(0, 2) + "|" + Cell(0, 3),
            "gm_orin|ModulePatch|^2patch %s applied to %n|2008-3-6 23:00:01 500");
  EXPECT_EQ(Cell(1, 1), "Login/Logout");

  Send(IDC_KDLOG_COPY, BN_CLICKED);
  EXPECT_EQ(CLogCapture::Lines().back(), (CLogCapture::Line{0x00000000u, "log data copy to clipboard"}));
  EXPECT_EQ(ClipboardTextNow(), "UserName\tCatagory\tLog\tDateTime\r\n"
                                "gm_orin\tModulePatch\tpatch %s applied to %n\t2008-3-6 23:00:01 500\r\n"
                                "gm_rhea\tLogin/Logout\tlogin from 10.1.2.3\t2008-3-5 07:04:09 0\r\n");
}

}  // namespace
