// The page skeleton on a real template: one call enters every table, the size handler
// lays the anchored controls out, rows keep their texts as they are, and a copy tells
// the console whether the clipboard took it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/ExpectEdges.h"
#include "common/LogCapture.h"
#include "resources/resource.h"
#include "support/WinTest.h"
#include "ui/CommonControls_win.h"
#include "ui/Layout_win.h"
#include "ui/ListPage_win.h"
#include "win/ui/ClipboardRead.h"

namespace {

const UINT kProbeMessage = WM_APP + 7;

class CProbePage : public CListPage<CProbePage> {
 public:
  bool Create(HWND parent) {
    static const PageCommand<CProbePage> kCommands[] = {{IDC_SIEGE_QUERY, BN_CLICKED, &CProbePage::OnQuery}};
    static const PageMessage<CProbePage> kMessages[] = {{kProbeMessage, &CProbePage::OnProbe}};
    static const PageAnswer<CProbePage> kAnswers[] = {{0x800E, &CProbePage::OnAnswer}};
    static const PageAnchor kLayout[] = {{IDC_SIEGE_LIST, kAnchorAll}, {IDC_SIEGE_QUERY_MORE, kAnchorBottomLeft}};
    static const ListColumn kColumns[] = {{"Serial", 110}, {"Event", 200}};
    ListPageOptions options;
    options.listId = IDC_SIEGE_LIST;
    options.listStyles = kListRowSelect;
    return CreatePage(ModuleInstance(), parent, IDD_SIEGELOG, options, {kCommands, kMessages, {}, kLayout, kColumns},
                      kAnswers);
  }
  using CListDialog::AppendRows;
  using CListDialog::CopyListAndReport;
  using CListDialog::CopyTextAndReport;

  std::vector<std::string> calls;

 private:
  LRESULT OnQuery(WPARAM, LPARAM) {
    calls.push_back("query");
    return 0;
  }
  LRESULT OnProbe(WPARAM, LPARAM) {
    calls.push_back("probe");
    return 0;
  }
  void OnAnswer(CMsg*, CMassiveMsg*) { calls.push_back("answer"); }
};

class ListPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControlClasses();
    host = CreateHostWindow(1100, 650);
    ASSERT_TRUE(page.Create(host));
  }
  void TearDown() override { ReleaseHostWindow(host); }

  HWND Item(int id) { return GetDlgItem(page.GetHwnd(), id); }
  RECT Place(int id) {
    RECT rc;
    ::GetWindowRect(Item(id), &rc);
    MapWindowPoints(nullptr, page.GetHwnd(), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }
  std::string Cell(int row, int column) {
    char text[4096] = "";
    ListView_GetItemText(Item(IDC_SIEGE_LIST), row, column, text, sizeof text);
    return text;
  }

  CLogCapture log;
  HWND host = nullptr;
  CProbePage page;
};

TEST_F(ListPageTest, one_call_enters_every_handler_table_and_the_size_handler_follows_the_anchors) {
  SendMessageA(page.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_SIEGE_QUERY, BN_CLICKED), 0);
  SendMessageA(page.GetHwnd(), kProbeMessage, 0, 0);
  CMsg answer, other;
  answer.Init(0x800E);
  other.Init(0x8018);
  EXPECT_TRUE(page.Dispatch(&answer, nullptr));
  EXPECT_FALSE(page.Dispatch(&other, nullptr));
  EXPECT_EQ(page.calls, (std::vector<std::string>{"query", "probe", "answer"}));

  RECT listBefore = Place(IDC_SIEGE_LIST), moreBefore = Place(IDC_SIEGE_QUERY_MORE);
  RECT pageRc;
  ::GetWindowRect(page.GetHwnd(), &pageRc);
  MoveWindow(page.GetHwnd(), 0, 0, pageRc.right - pageRc.left + 100, pageRc.bottom - pageRc.top + 50, TRUE);
  ExpectEdges(Place(IDC_SIEGE_LIST), listBefore.left, listBefore.top, listBefore.right + 100, listBefore.bottom + 50);
  ExpectEdges(Place(IDC_SIEGE_QUERY_MORE), moreBefore.left, moreBefore.top + 50, moreBefore.right,
              moreBefore.bottom + 50);
}

TEST_F(ListPageTest, rows_carry_their_item_data_and_texts_that_are_never_formats) {
  page.AppendRows({{0x04000001u, {"%s %n", "^2red"}}, {0, {"only"}}});
  HWND list = Item(IDC_SIEGE_LIST);
  ASSERT_EQ(ListView_GetItemCount(list), 2);
  EXPECT_EQ(Cell(0, 0) + "|" + Cell(0, 1) + "|" + Cell(1, 0) + "|" + Cell(1, 1), "%s %n|^2red|only|");
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  ListView_GetItem(list, &item);
  EXPECT_EQ(static_cast<uint32_t>(item.lParam), 0x04000001u);
}

TEST_F(ListPageTest, copy_reports_whether_the_clipboard_took_the_list_or_the_text) {
  page.AppendRows({{0, {"7", "^2red^0 text"}}});
  page.CopyListAndReport(2);
  EXPECT_EQ(ClipboardTextNow(), "Serial\tEvent\r\n7\tred text\r\n");
  page.CopyTextAndReport("^4a\tb\r\n");
  EXPECT_EQ(ClipboardTextNow(), "a\tb\r\n");

  // Another window holds the clipboard open: nothing is copied, and the console hears so.
  ASSERT_TRUE(OpenClipboard(host));
  page.CopyListAndReport(2);
  CloseClipboard();
  EXPECT_EQ(ClipboardTextNow(), "a\tb\r\n");
  EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x00000000u, "log data copy to clipboard"},
                                            {0x00000000u, "log data copy to clipboard"},
                                            {0x01000000u, "clipboard is busy; log data not copied"}}));
}

}  // namespace
