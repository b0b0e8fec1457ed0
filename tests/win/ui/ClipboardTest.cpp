#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/Clipboard_win.h"

namespace {

std::string ClipboardTextNow() {
  std::string text = "<closed>";
  if (!OpenClipboard(nullptr)) return text;
  text = "<none>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

class ListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    m_list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 300, 100, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_list, nullptr);
    const char* captions[] = {"Time", "Description", "Where"};
    for (int i = 0; i < 3; ++i) {
      LVCOLUMNA c = {};
      c.mask = LVCF_WIDTH | LVCF_TEXT;
      c.cx = 80;
      c.pszText = const_cast<char*>(captions[i]);
      ListView_InsertColumn(m_list, i, &c);
    }
  }
  void TearDown() override { DestroyWindow(m_list); }
  void AddRow(const char* a, const char* b, const char* c) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(m_list);
    item.pszText = const_cast<char*>(a);
    int row = ListView_InsertItem(m_list, &item);
    ListView_SetItemText(m_list, row, 1, const_cast<char*>(b));
    ListView_SetItemText(m_list, row, 2, const_cast<char*>(c));
  }
  HWND m_list = nullptr;
};

TEST_F(ListFixture, empty_list_copies_the_header_only) {
  ASSERT_TRUE(CopyListToClipboard(m_list, 3));
  EXPECT_EQ(ClipboardTextNow(), "Time\tDescription\tWhere\r\n");
}

TEST_F(ListFixture, rows_follow_in_list_order_marks_removed_empty_leading_cells_add_no_tab) {
  AddRow("2008-3-5", "^2gold ^4100^0 dropped", "town");
  AddRow("", "^1quest", "");
  AddRow("", "", "field");
  std::string wide(400, 'w');
  AddRow(wide.c_str(), "x", "y");
  ASSERT_TRUE(CopyListToClipboard(m_list, 2));
  std::string text = ClipboardTextNow();
  const std::string head = "Time\tDescription\r\n"
                           "2008-3-5\tgold 100 dropped\r\n"
                           "quest\r\n"
                           "\r\n";
  ASSERT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(head.size()), std::string(259, 'w') + "\tx\r\n");
}

TEST(CopyToClipboard, stripped_text_goes_to_the_clipboard) {
  ASSERT_TRUE(CopyToClipboard("^4%s^0 and ^x^"));
  EXPECT_EQ(ClipboardTextNow(), "%s and ^x^");
}

DWORD WINAPI HoldClipboard(void* events) {
  HANDLE* e = static_cast<HANDLE*>(events);
  HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  BOOL opened = OpenClipboard(owner);
  SetEvent(e[0]);
  WaitForSingleObject(e[1], 10000);
  if (opened) CloseClipboard();
  DestroyWindow(owner);
  return opened ? 0 : 1;
}

TEST(CopyToClipboard, busy_clipboard_leaves_everything_as_it_was) {
  ASSERT_TRUE(CopyToClipboard("before"));
  HANDLE events[2] = {CreateEventA(nullptr, TRUE, FALSE, nullptr), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  HANDLE thread = CreateThread(nullptr, 0, HoldClipboard, events, 0, nullptr);
  WaitForSingleObject(events[0], 10000);
  EXPECT_FALSE(CopyToClipboard("after"));
  SetEvent(events[1]);
  WaitForSingleObject(thread, 10000);
  DWORD code = 1;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(code, 0u) << "the other thread held the clipboard";
  EXPECT_EQ(ClipboardTextNow(), "before");
  CloseHandle(thread);
  CloseHandle(events[0]);
  CloseHandle(events[1]);
}

}  // namespace
