#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <set>
#include <string>

#include "ui/ColourText_win.h"
#include "ui/GdiScope_win.h"
#include "ui/ListColourDraw_win.h"

namespace {

// A white 32-bit memory surface with a large font drawn without smoothing, so every text
// pixel has exactly its colour.
struct Surface {
  Surface() { PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS); }
  static HBITMAP NewCanvas(HDC dc, uint32_t** bits) {
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(bits), nullptr, 0);
  }
  int Width(const char* text) const {
    SIZE s = {};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &s);
    return s.cx;
  }
  COLORREF At(int x, int y) const {
    uint32_t p = bits[y * kWidth + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // The colours found in a rectangle other than the given background.
  std::set<COLORREF> Ink(RECT r, COLORREF background = RGB(255, 255, 255)) const {
    std::set<COLORREF> found;
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, kHeight); ++y)
      for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, kWidth); ++x)
        if (At(x, y) != background) found.insert(At(x, y));
    return found;
  }
  static constexpr int kWidth = 900, kHeight = 200;
  MemoryDC memory{nullptr};
  HDC dc = memory.Get();
  uint32_t* bits = nullptr;
  GdiBitmap bitmap{NewCanvas(dc, &bits)};
  GdiFont font{CreateFontA(40, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial")};
  GdiSelection useBitmap{dc, bitmap.Get()};
  GdiSelection useFont{dc, font.Get()};
};

TEST(DrawColourText, runs_in_their_colours_each_after_the_previous) {
  Surface s;
  SetTextAlign(s.dc, TA_BASELINE);
  int a = s.Width("a"), b = s.Width("b"), c = s.Width("c");
  EXPECT_EQ(DrawColourText(s.dc, 10, 5, 0, "a^4b^0%s", "c"), a + b + c);
  EXPECT_EQ(GetTextAlign(s.dc), static_cast<UINT>(TA_BASELINE)) << "alignment restored";
  const int x[] = {0, 10, 10 + a, 10 + a + b, 10 + a + b + c, Surface::kWidth};
  const std::set<COLORREF> none, black = {RGB(0, 0, 0)}, blue = {RGB(0, 0, 255)};
  const std::set<COLORREF> expected[] = {none, black, blue, black, none};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(s.Ink({x[i], 0, x[i + 1], Surface::kHeight}), expected[i]) << i;

  Surface red;
  EXPECT_EQ(DrawColourText(red.dc, 0, 0, 0, "^2failed to load %s", "skills.txt"), red.Width("failed to load skills.txt"));
  EXPECT_EQ(red.Ink({0, 0, Surface::kWidth, Surface::kHeight}), std::set<COLORREF>{RGB(255, 0, 0)});

  // Formatted text past 4095 characters is cut there, not dropped.
  Surface cut;
  std::string longText(5000, 'i');
  EXPECT_EQ(DrawColourText(cut.dc, 0, 0, 0, "^4%s", longText.c_str()), cut.Width(std::string(4093, 'i').c_str()));
}

INT_PTR CALLBACK ListHostProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != static_cast<UINT>(NM_CUSTOMDRAW)) return FALSE;
  static ColourListRow shared;
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, AnswerColourListDraw(lParam, &shared));
  return TRUE;
}

TEST(ColourListCells, selected_row_filled_pale_yellow_cells_in_row_colour_description_in_its_own) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  struct alignas(4) {
    DLGTEMPLATE head;
    WORD menu, windowClass, title;
  } tpl = {{WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 300, 100}, 0, 0, 0};
  HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &tpl.head, nullptr, ListHostProc, 0);
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 400, 200, dialog,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(list, nullptr);
  Surface s;
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(s.font.Get()), FALSE);
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNA c = {};
    c.mask = LVCF_WIDTH;
    c.cx = 150;
    ListView_InsertColumn(list, column, &c);
  }
  // The third row's description runs far past its cell, the list's last.
  const char* const descriptions[] = {"^8MMM", "MMM", "ii^4WWW^2WWWWWWWWWWWWWWWWWWWW"};
  for (int row = 0; row < 3; ++row) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>("WWW");
    item.lParam = static_cast<LPARAM>((row ? 4u : 2u) << 24);
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, row, 1, const_cast<char*>(descriptions[row]));
  }
  ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
  RECT time0 = {}, time1 = {}, description0 = {}, description1 = {}, description2 = {};
  ListView_GetSubItemRect(list, 0, 0, LVIR_LABEL, &time0);
  ListView_GetSubItemRect(list, 1, 0, LVIR_LABEL, &time1);
  ListView_GetSubItemRect(list, 0, 1, LVIR_BOUNDS, &description0);
  ListView_GetSubItemRect(list, 1, 1, LVIR_BOUNDS, &description1);
  ListView_GetSubItemRect(list, 2, 1, LVIR_BOUNDS, &description2);

  SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(s.dc), PRF_CLIENT | PRF_ERASEBKGND);
  const COLORREF pale = RGB(255, 255, 200);
  EXPECT_EQ(s.At(0, time0.top + 1), pale) << "the first column is filled from its left edge";
  EXPECT_EQ(s.At(time0.right - 2, time0.top + 1), pale);
  EXPECT_EQ(s.At(time1.right - 2, time1.top + 1), RGB(255, 255, 255));
  EXPECT_EQ(s.Ink(time0, pale), std::set<COLORREF>{RGB(255, 0, 0)});
  EXPECT_EQ(s.Ink(time1), std::set<COLORREF>{RGB(0, 0, 255)});
  EXPECT_EQ(s.Ink(description0, pale), std::set<COLORREF>{RGB(0, 128, 0)});
  EXPECT_EQ(s.Ink(description1), std::set<COLORREF>{RGB(0, 0, 0)}) << "the row colour stays out of the description";
  // The long text shows in its cell as if drawn whole, and nothing of it lies past the
  // cell's right edge.
  Surface whole;
  DrawColourText(whole.dc, description2.left + 5, description2.top, 0, "%s", descriptions[2]);
  int differing = 0;
  for (int y = description2.top; y < description2.bottom; ++y)
    for (int x = description2.left; x < description2.right; ++x) differing += s.At(x, y) != whole.At(x, y);
  EXPECT_EQ(differing, 0);
  EXPECT_FALSE(whole.Ink({description2.right, description2.top, Surface::kWidth, description2.bottom}).empty());
  EXPECT_TRUE(s.Ink({description2.right, description2.top, Surface::kWidth, description2.bottom}).empty());
  EXPECT_EQ(GetWindowLongPtrA(dialog, DWLP_MSGRESULT), CDRF_SKIPDEFAULT);

  // Moved selection: each row's cells take the row's state as it is now.
  ListView_SetItemState(list, 0, 0, LVIS_SELECTED);
  ListView_SetItemState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
  Surface again;
  SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(again.dc), PRF_CLIENT | PRF_ERASEBKGND);
  EXPECT_EQ(again.At(description0.right - 2, description0.top + 1), RGB(255, 255, 255));
  EXPECT_EQ(again.At(description1.right - 2, description1.top + 1), pale);
  EXPECT_EQ(again.Ink(time1, pale), std::set<COLORREF>{RGB(0, 0, 255)});
  DestroyWindow(dialog);
}

}  // namespace
