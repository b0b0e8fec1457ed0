#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/Clipboard_win.h"
#include "win/ui/ClipboardRead.h"

namespace {

TEST(CopyListToClipboard, header_then_rows_marks_removed_cells_cut_at_259) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 300, 100, nullptr, nullptr,
                              nullptr, nullptr);
  const char* captions[] = {"Time", "Description", "Where"};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNA c = {};
    c.mask = LVCF_WIDTH | LVCF_TEXT;
    c.cx = 80;
    c.pszText = const_cast<char*>(captions[i]);
    ListView_InsertColumn(list, i, &c);
  }
  ASSERT_TRUE(CopyListToClipboard(list, 3));
  EXPECT_EQ(ClipboardTextNow(), "Time\tDescription\tWhere\r\n");

  std::string wide(400, 'w');
  const char* rows[][2] = {{"2008-3-5", "^2gold ^4100^0 dropped"}, {"", "^1quest"}, {"", ""}, {wide.c_str(), "x"}};
  for (auto& row : rows) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<char*>(row[0]);
    int at = ListView_InsertItem(list, &item);
    ListView_SetItemText(list, at, 1, const_cast<char*>(row[1]));
  }
  ASSERT_TRUE(CopyListToClipboard(list, 2));
  EXPECT_EQ(ClipboardTextNow(), "Time\tDescription\r\n2008-3-5\tgold 100 dropped\r\nquest\r\n\r\n" +
                                    std::string(259, 'w') + "\tx\r\n");
  DestroyWindow(list);
}

}  // namespace
