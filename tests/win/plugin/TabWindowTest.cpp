// The self-drawn tab strip: page placement, clicks and drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ExpectEdges.h"
#include "plugin/TabWindow_win.h"
#include "support/WinTest.h"
#include "ui/GdiScope_win.h"

namespace {

class TabStripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = CreateHostWindow(1000, 400);
    ASSERT_TRUE(strip.Create(ModuleInstance(), host));
    strip.SetColors(GetSysColor(COLOR_3DFACE));
    for (const char* caption : {"Kaldera", "Korvath Online - Aster", "Siege Log", "ServerEvent Log"}) {
      HWND page = CreateWindowExA(0, "STATIC", caption, WS_CHILD, 0, 0, 10, 10, host, nullptr, nullptr, nullptr);
      pages.push_back(page);
      ASSERT_TRUE(strip.AddTab(caption, page));
    }
  }
  void TearDown() override {
    ReleaseHostWindow(host);
    TakeQuitMessage();
  }
  void ResizeStrip(int width, int height) { MoveWindow(strip.GetHwnd(), 0, 0, width, height, FALSE); }
  void Click(int x, int y) {
    SendMessageA(strip.GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  }
  RECT PageRect(int i) {
    RECT rc;
    GetWindowRect(pages[i], &rc);
    MapWindowPoints(nullptr, strip.GetHwnd(), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }
  const RECT& TabRect(int i) { return strip.Tabs()[i].rect; }

  HWND host = nullptr;
  CTabWindow strip;
  std::vector<HWND> pages;
};

TEST_F(TabStripTest, wide_strip_holds_one_row_with_pages_below_it) {
  EXPECT_EQ(1, strip.Rows());
  EXPECT_EQ(18, strip.SurfaceSize().cy);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), strip.SurfaceSize().cx);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(4, TabRect(i).top);
    EXPECT_EQ(i == 0 ? 1 : TabRect(i - 1).right, TabRect(i).left);
    EXPECT_EQ(strip.GetHwnd(), GetParent(pages[i]));
    EXPECT_FALSE(IsWindowVisible(pages[i]));
  }
  ExpectEdges(PageRect(3), 0, 17, 1000, 400);
}

TEST_F(TabStripTest, narrow_strip_wraps_and_moves_pages_down_a_row) {
  int narrow = TabRect(2).right - 5;
  ResizeStrip(narrow, 300);
  EXPECT_EQ(2, strip.Rows());
  EXPECT_EQ(36, strip.SurfaceSize().cy);
  EXPECT_EQ(1, TabRect(2).left);
  EXPECT_EQ(22, TabRect(2).top);
  EXPECT_EQ(36, TabRect(2).bottom);
  ExpectEdges(PageRect(0), 0, 35, narrow, 300);

  ResizeStrip(1000, 300);
  EXPECT_EQ(1, strip.Rows());
  EXPECT_EQ(17, PageRect(0).top);
}

TEST_F(TabStripTest, click_selects_the_tab_and_shows_only_its_page) {
  const RECT& tab = TabRect(1);
  Click(tab.left + 3, tab.top + 2);
  EXPECT_EQ(1, strip.Selected());
  for (int i = 0; i < 4; ++i) EXPECT_EQ(i == 1, IsWindowVisible(pages[i]) != FALSE) << i;

  // Outside every tab nothing changes; 0xFFFB is x = -5, not far right.
  SendMessageA(strip.GetHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0xFFFB, 10));
  Click(999, 10);
  Click(5, 200);
  EXPECT_EQ(1, strip.Selected());
  EXPECT_TRUE(IsWindowVisible(pages[1]));
  // With a selection the strip no longer lets the background be erased.
  EXPECT_EQ(1, SendMessageA(strip.GetHwnd(), WM_ERASEBKGND, 0, 0));
}

TEST_F(TabStripTest, raised_top_of_the_selected_tab_is_not_a_click_on_it) {
  const RECT tab = TabRect(2);
  Click(tab.left + 3, tab.top);
  ASSERT_EQ(2, strip.Selected());
  // Hidden by hand: only a click that counts would lay the pages out and show it again.
  ShowWindow(pages[2], SW_HIDE);
  for (int y = tab.top - 4; y < tab.top; ++y) Click(tab.left + 8, y);
  EXPECT_FALSE(IsWindowVisible(pages[2]));
  Click(tab.left + 8, tab.top);
  EXPECT_TRUE(IsWindowVisible(pages[2]));
}

TEST_F(TabStripTest, painting_fills_tabs_and_every_row) {
  int narrow = TabRect(2).right - 5;
  ResizeStrip(narrow, 300);
  Click(TabRect(1).left + 3, TabRect(1).top + 2);
  ASSERT_EQ(1, strip.Selected());

  WindowDC screen(nullptr);
  MemoryDC memory(screen.Get());
  HDC dc = memory.Get();
  GdiBitmap bitmap(CreateCompatibleBitmap(screen.Get(), narrow, 36));
  GdiSelection useBitmap(dc, bitmap.Get());
  RECT all = {0, 0, narrow, 36};
  FillRect(dc, &all, GdiBrush(CreateSolidBrush(RGB(255, 0, 0))).Get());
  SendMessageA(strip.GetHwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);

  COLORREF face = GetSysColor(COLOR_3DFACE);
  const RECT selected = TabRect(1);
  const RECT other = TabRect(0);
  EXPECT_EQ(RGB(0, 255, 255), GetPixel(dc, selected.left + 8, selected.bottom - 3));
  // The raised part is drawn in the selected colour too.
  EXPECT_EQ(RGB(0, 255, 255), GetPixel(dc, selected.left + 10, selected.top - 2));
  EXPECT_EQ(face, GetPixel(dc, other.left + 3, other.bottom - 3));
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, other.left, other.bottom - 5));
  // Above the tabs and on the second row beyond its tabs: the face colour.
  EXPECT_EQ(face, GetPixel(dc, narrow - 2, 1));
  EXPECT_EQ(face, GetPixel(dc, narrow - 2, 30));
  // The caption is black, inside the outline.
  bool blackCaption = false;
  for (int y = other.top + 1; y < other.bottom - 1; ++y)
    for (int x = other.left + 2; x < other.right - 10; ++x) blackCaption |= GetPixel(dc, x, y) == RGB(0, 0, 0);
  EXPECT_TRUE(blackCaption);
}

}  // namespace
