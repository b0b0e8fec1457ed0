// The serial history box under Wine, driven from timers so that its modal loop never
// holds a test up: its lines and columns, copy, the ways it closes and the request for
// the whole history.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "gamelog/ItemSerialHistoryDlg_win.h"
#include "resources/resource.h"
#include "support/WinTest.h"
#include "unit/gamelog/GameLogTestSupport.h"
#include "win/gamelog/ModalDriver.h"
#include "win/ui/ClipboardRead.h"
#include "ui/Clipboard_win.h"
#include "ui/GdiScope_win.h"

namespace {

SerialHistoryEntry Entry(int64_t serial, const char* operation) {
  SerialHistoryEntry e;
  e.serial = serial;
  e.texts = {operation, "^6Inventory^0", " 1", "", "^2Sword^0", "^2red^0 text", "2026-11-03 23:59:58", "Velmora"};
  return e;
}

class HistoryBox : public ::testing::Test {
 protected:
  void SetUp() override { host = CreateHostWindow(900, 600); }
  void TearDown() override { ReleaseHostWindow(host); }

  // Runs the box; `act` sees it up and must close it.
  INT_PTR Run(std::function<void(HWND)> act) {
    CModalDriver driver([&](HWND box) {
      shown = box;
      act(box);
    });
    INT_PTR result = box.Run(ModuleInstance(), host);
    EXPECT_TRUE(driver.Ran()) << "the box never came up";
    return result;
  }
  static void Press(HWND box, int id) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
  }

  HWND host = nullptr;
  HWND shown = nullptr;
  TestConsole console;
  KDShardRecord shard = ShardRecord(3, 103);
  CItemSerialHistoryDlg box;
};

TEST_F(HistoryBox, lists_its_lines_in_order_with_the_serial_in_signed_decimal) {
  box.AddEntry(Entry(-5, "first"));
  box.AddEntry(Entry(INT64_MIN, "second"));
  box.AddEntry(Entry(77, "third"));
  box.SetQuery(&shard, -5);
  std::vector<std::vector<std::string>> rows;
  std::string columns;
  DWORD styles = 0;
  COLORREF selectedFill = 0, otherFill = 0;
  EXPECT_EQ(Run([&](HWND b) {
              HWND list = GetDlgItem(b, IDC_HISTORY_LIST);
              rows = ListTexts(list, 9);
              // Cells are drawn by the colour list drawing: a selected row on pale yellow.
              ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
              RECT row1, row2;
              ListView_GetItemRect(list, 1, &row1, LVIR_BOUNDS);
              ListView_GetItemRect(list, 2, &row2, LVIR_BOUNDS);
              WindowDC screen(nullptr);
              MemoryDC dc(screen.Get());
              GdiBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 1000, 600));
              GdiSelection selected(dc.Get(), bitmap.Get());
              SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
              selectedFill = GetPixel(dc.Get(), 200, row1.top + 1);
              otherFill = GetPixel(dc.Get(), 200, row2.top + 1);
              styles = ListView_GetExtendedListViewStyle(list);
              for (int c = 0; c < 9; ++c) {
                char caption[64] = "";
                LVCOLUMNA col = {};
                col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
                col.pszText = caption;
                col.cchTextMax = sizeof caption;
                ListView_GetColumn(list, c, &col);
                columns += std::string(caption) + " " + std::to_string(col.cx) +
                           ((col.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT ? "R" : "") + ";";
              }
              Press(b, IDOK);
            }),
            IDOK);
  EXPECT_EQ(columns,
            "Serial 110R;Operation 100;Storage 80;Slot From 80;Slot To 80;ItemName 250;Description 350;Time 150;"
            "Position 200;");
  EXPECT_EQ(styles, 0x31u);
  EXPECT_EQ(selectedFill, RGB(255, 255, 200));
  EXPECT_EQ(otherFill, RGB(255, 255, 255));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"-5", "first", "^6Inventory^0", " 1", "", "^2Sword^0", "^2red^0 text",
                                               "2026-11-03 23:59:58", "Velmora"}));
  EXPECT_EQ(rows[1][0], "-9223372036854775808");
  EXPECT_EQ(rows[2][1], "third");
  EXPECT_FALSE(IsWindow(shown));
}

TEST_F(HistoryBox, close_this_and_escape_both_free_the_lines) {
  for (int button : {IDOK, IDCANCEL}) {
    SCOPED_TRACE(button);
    box.AddEntry(Entry(1, "one"));
    box.AddEntry(Entry(2, "two"));
    EXPECT_EQ(Run([&](HWND b) { Press(b, button); }), button);
    EXPECT_TRUE(box.Entries().empty());
  }
  // Escape as a key reaches the box through its dialog loop.
  box.AddEntry(Entry(3, "three"));
  EXPECT_EQ(Run([&](HWND b) {
              PostMessageA(GetDlgItem(b, IDC_HISTORY_LIST), WM_KEYDOWN, VK_ESCAPE, 0);
            }),
            IDCANCEL);
  EXPECT_TRUE(box.Entries().empty());
  EXPECT_TRUE(console.messenger.sent.empty());
}

TEST_F(HistoryBox, copy_takes_the_nine_columns_of_its_lines) {
  box.AddEntry(Entry(-5, "first"));
  std::string copied;
  Run([&](HWND b) {
    SendMessageA(b, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_COPY, BN_CLICKED), 0);
    copied = ClipboardTextNow();
    Press(b, IDOK);
  });
  EXPECT_EQ(copied, "Serial\tOperation\tStorage\tSlot From\tSlot To\tItemName\tDescription\tTime\tPosition\r\n"
                    "-5\tfirst\tInventory\t 1\t\tSword\tred text\t2026-11-03 23:59:58\tVelmora\r\n");
  EXPECT_EQ(console.Lines(), (LogLines{{0u, "log data copy to clipboard"}}));
}

TEST_F(HistoryBox, request_all_history_closes_first_and_asks_for_every_line_of_the_serial) {
  box.AddEntry(Entry(-5, "first"));
  // Without a shard the button does nothing and the box stays.
  bool stayed = false;
  EXPECT_EQ(Run([&](HWND b) {
              SendMessageA(b, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_REQUEST_ALL, BN_CLICKED), 0);
              stayed = IsWindowVisible(b) && !box.Entries().empty();
              Press(b, IDCANCEL);
            }),
            IDCANCEL);
  EXPECT_TRUE(stayed);
  EXPECT_TRUE(console.messenger.sent.empty());

  box.AddEntry(Entry(-5, "first"));
  box.SetQuery(&shard, -5);
  EXPECT_EQ(Run([&](HWND b) { Press(b, IDC_HISTORY_REQUEST_ALL); }), IDOK);
  EXPECT_TRUE(box.Entries().empty());
  ASSERT_EQ(console.messenger.sent.size(), 1u);
  EXPECT_EQ(GetID(console.messenger.sent[0]), 0x7203);
  EXPECT_EQ(console.messenger.Payload(0), RequestBytes(103, 4, 0, "KDC", "", "", "-5", 0));
}

}  // namespace
