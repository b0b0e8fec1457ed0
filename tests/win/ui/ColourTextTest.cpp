#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ui/ColourText_win.h"
#include "ui/ListColourDraw_win.h"

namespace {

// A white 32-bit memory surface with a large font drawn without smoothing, so every text
// pixel has exactly its colour.
class Surface {
 public:
  Surface(int width, int height) : m_width(width), m_height(height) {
    m_dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
    m_font = CreateFontA(40, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial");
    m_oldFont = SelectObject(m_dc, m_font);
    RECT all = {0, 0, width, height};
    FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~Surface() {
    SelectObject(m_dc, m_oldFont);
    SelectObject(m_dc, m_oldBitmap);
    DeleteObject(m_font);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  HDC dc() const { return m_dc; }
  int Width(const char* text) const {
    SIZE s = {};
    GetTextExtentPoint32A(m_dc, text, lstrlenA(text), &s);
    return s.cx;
  }
  COLORREF At(int x, int y) const {
    uint32_t p = m_bits[y * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // The colours other than white found in columns [x0, x1).
  std::vector<COLORREF> InkIn(int x0, int x1) const {
    std::vector<COLORREF> found;
    for (int y = 0; y < m_height; ++y)
      for (int x = x0; x < x1; ++x) {
        COLORREF c = At(x, y);
        if (c == RGB(255, 255, 255)) continue;
        bool known = false;
        for (COLORREF f : found) known = known || f == c;
        if (!known) found.push_back(c);
      }
    return found;
  }

 private:
  int m_width, m_height;
  HDC m_dc;
  HBITMAP m_bitmap;
  HGDIOBJ m_oldBitmap;
  HFONT m_font;
  HGDIOBJ m_oldFont;
  uint32_t* m_bits = nullptr;
};

TEST(DrawColourText, runs_in_their_colours_each_after_the_previous) {
  Surface s(400, 60);
  SetTextAlign(s.dc(), TA_BASELINE);
  int wa = s.Width("a"), wb = s.Width("b"), wc = s.Width("c");
  int drawn = DrawColourText(s.dc(), 10, 5, 0, "a^4b^0%s", "c");
  EXPECT_EQ(drawn, wa + wb + wc);
  EXPECT_EQ(GetTextAlign(s.dc()), static_cast<UINT>(TA_BASELINE)) << "previous alignment restored";

  EXPECT_EQ(s.InkIn(0, 10), std::vector<COLORREF>{});
  EXPECT_EQ(s.InkIn(10, 10 + wa), std::vector<COLORREF>{RGB(0, 0, 0)});
  EXPECT_EQ(s.InkIn(10 + wa, 10 + wa + wb), std::vector<COLORREF>{RGB(0, 0, 255)});
  EXPECT_EQ(s.InkIn(10 + wa + wb, 10 + wa + wb + wc), std::vector<COLORREF>{RGB(0, 0, 0)});
  EXPECT_EQ(s.InkIn(10 + wa + wb + wc, 400), std::vector<COLORREF>{});
}

TEST(DrawColourText, red_line_with_a_name_argument_is_red_throughout) {
  Surface s(900, 60);
  int drawn = DrawColourText(s.dc(), 0, 0, 0, "^2failed to load %s", "skills.txt");
  EXPECT_EQ(drawn, s.Width("failed to load skills.txt"));
  EXPECT_EQ(s.InkIn(0, 900), std::vector<COLORREF>{RGB(255, 0, 0)});
}

TEST(DrawColourText, overlong_text_is_cut_not_overrun) {
  Surface s(100, 60);
  std::string longText(10000, 'x');
  EXPECT_GT(DrawColourText(s.dc(), 0, 0, 0, "^8%s", longText.c_str()), 0);
}

// A dialog hosting one list view; its procedure hands custom drawing to the colour list.
INT_PTR CALLBACK ListHostProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
    DrawColourListCell(dialog, lParam);
    return TRUE;
  }
  return FALSE;
}

HWND CreateHostDialog() {
  struct alignas(4) {
    DLGTEMPLATE head;
    WORD menu, windowClass, title;
  } tpl = {};
  tpl.head.style = WS_POPUP | WS_VISIBLE;
  tpl.head.cx = 300;
  tpl.head.cy = 100;
  return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &tpl.head, nullptr, ListHostProc, 0);
}

TEST(ColourListCells, selected_row_is_filled_pale_yellow_and_cells_take_the_row_colour) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  HWND dialog = CreateHostDialog();
  ASSERT_NE(dialog, nullptr);
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 400, 120, dialog,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  HFONT font = CreateFontA(20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, "Arial");
  SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNA c = {};
    c.mask = LVCF_WIDTH | LVCF_TEXT;
    c.cx = 150;
    c.pszText = const_cast<char*>(column ? "Description" : "Time");
    ListView_InsertColumn(list, column, &c);
  }
  const char* cells[2][2] = {{"WWW", "^8MMM"}, {"WWW", "MMM"}};
  LPARAM rowData[2] = {static_cast<LPARAM>(2u << 24), static_cast<LPARAM>(4u << 24)};
  for (int row = 0; row < 2; ++row) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>(cells[row][0]);
    item.lParam = rowData[row];
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, row, 1, const_cast<char*>(cells[row][1]));
  }
  ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);

  RECT r0 = {}, r1 = {}, d0 = {};
  ListView_GetSubItemRect(list, 0, 1, LVIR_BOUNDS, &d0);
  ListView_GetSubItemRect(list, 0, 0, LVIR_LABEL, &r0);
  ListView_GetSubItemRect(list, 1, 0, LVIR_LABEL, &r1);

  Surface s(400, 120);
  SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(s.dc()), PRF_CLIENT | PRF_ERASEBKGND);

  EXPECT_EQ(s.At(r0.right - 2, r0.top + 1), RGB(255, 255, 200)) << "selected row fill";
  EXPECT_EQ(s.At(r1.right - 2, r1.top + 1), RGB(255, 255, 255)) << "other row fill";
  auto inkOfCell = [&](const RECT& r) {
    std::vector<COLORREF> ink;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left + 5; x < r.right; ++x) {
        COLORREF c = s.At(x, y);
        if (c != RGB(255, 255, 255) && c != RGB(255, 255, 200) &&
            std::find(ink.begin(), ink.end(), c) == ink.end())
          ink.push_back(c);
      }
    return ink;
  };
  EXPECT_EQ(inkOfCell(r0), std::vector<COLORREF>{RGB(255, 0, 0)}) << "row colour 2";
  EXPECT_EQ(inkOfCell(r1), std::vector<COLORREF>{RGB(0, 0, 255)}) << "row colour 4";
  EXPECT_EQ(inkOfCell(d0), std::vector<COLORREF>{RGB(0, 128, 0)}) << "description keeps its own marks only";
  EXPECT_EQ(GetWindowLongPtrA(dialog, DWLP_MSGRESULT), CDRF_SKIPDEFAULT);

  DestroyWindow(dialog);
  DeleteObject(font);
}

TEST(ColourListCells, row_colour_is_the_signed_top_byte) {
  EXPECT_EQ(RowColourOf(static_cast<LPARAM>(0x09123456)), 9);
  EXPECT_EQ(RowColourOf(static_cast<LPARAM>(0xFF000000u)), -1);
}

}  // namespace
