// Children keep their anchored distances (or fractions) while the page is resized.
#include <gtest/gtest.h>

#include "support/WinTest.h"
#include "ui/Layout.h"
#include "ui/WindowBase.h"

namespace {

class CPlainPage : public CWindowBase {
 public:
  bool Create(HWND parent, int width, int height) {
    if (!RegisterWindowClass(ModuleInstance(), "KvLayoutPage", nullptr)) return false;
    CreateArgs args;
    args.className = "KvLayoutPage";
    args.style = WS_CHILD | WS_VISIBLE;
    args.width = width;
    args.height = height;
    args.parent = parent;
    args.instance = ModuleInstance();
    return CreateWindowObject(args);
  }
  HWND AddChild(int left, int top, int right, int bottom) {
    return CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, left, top, right - left, bottom - top, m_hWnd,
                           nullptr, nullptr, nullptr);
  }
  void Resize(int width, int height) { MoveWindow(m_hWnd, 0, 0, width, height, FALSE); }
  RECT ChildRect(HWND child) {
    RECT rc;
    ::GetWindowRect(child, &rc);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }
};

void ExpectRect(const RECT& rc, LONG left, LONG top, LONG right, LONG bottom) {
  EXPECT_EQ(left, rc.left);
  EXPECT_EQ(top, rc.top);
  EXPECT_EQ(right, rc.right);
  EXPECT_EQ(bottom, rc.bottom);
}

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = CreateHostWindow(800, 700);
    ASSERT_TRUE(page.Create(host, 400, 300));
  }
  void TearDown() override { ReleaseHostWindow(host); }
  HWND host = nullptr;
  CPlainPage page;
};

TEST_F(LayoutTest, stretched_child_keeps_all_four_distances) {
  HWND list = page.AddChild(10, 20, 390, 280);
  AddLayout(&page, list, 0x0F);
  page.Resize(600, 500);
  ApplyLayout(&page);
  ExpectRect(page.ChildRect(list), 10, 20, 590, 480);
  page.Resize(200, 100);
  ApplyLayout(&page);
  ExpectRect(page.ChildRect(list), 10, 20, 190, 80);
}

TEST_F(LayoutTest, bottom_left_child_keeps_its_size_and_rides_the_bottom) {
  HWND button = page.AddChild(10, 250, 60, 270);
  AddLayout(&page, button, 0x09);
  page.Resize(600, 500);
  ApplyLayout(&page);
  ExpectRect(page.ChildRect(button), 10, 450, 60, 470);
}

TEST_F(LayoutTest, fractions_scale_with_the_page_and_truncate) {
  // Left at a quarter of the width, right margin a quarter, top a tenth, bottom margin half.
  HWND child = page.AddChild(100, 30, 300, 150);
  AddLayout(&page, child, 0x0F | 0x10 | 0x20 | 0x40 | 0x80);
  page.Resize(610, 450);
  ApplyLayout(&page);
  // 0.25 * 610 = 152.5; 610 - 152.5 = 457.5; 0.1 * 450 = 45; 450 - 225 = 225.
  ExpectRect(page.ChildRect(child), 152, 45, 457, 225);
}

}  // namespace
