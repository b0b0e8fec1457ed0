// Children keep their anchored distances (or fractions) while the page is resized.
#include <gtest/gtest.h>

#include <vector>

#include "common/ExpectEdges.h"
#include "support/WinTest.h"
#include "ui/Layout_win.h"

namespace {

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = CreateHostWindow(800, 700);
    page = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, host, nullptr, nullptr, nullptr);
    ASSERT_TRUE(page);
  }
  void TearDown() override { ReleaseHostWindow(host); }

  HWND AddChild(int left, int top, int right, int bottom, uint8_t flags) {
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, left, top, right - left, bottom - top, page,
                                 nullptr, nullptr, nullptr);
    AddLayout(&layouts, page, child, flags);
    return child;
  }
  void Resize(int width, int height) {
    MoveWindow(page, 0, 0, width, height, FALSE);
    ApplyLayout(layouts, page);
  }
  RECT ChildRect(HWND child) {
    RECT rc;
    ::GetWindowRect(child, &rc);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }

  HWND host = nullptr;
  HWND page = nullptr;
  std::vector<LayoutEntry> layouts;
};

TEST_F(LayoutTest, stretched_child_keeps_all_four_distances) {
  HWND list = AddChild(10, 20, 390, 280, 0x0F);
  Resize(600, 500);
  ExpectEdges(ChildRect(list), 10, 20, 590, 480);
  Resize(200, 100);
  ExpectEdges(ChildRect(list), 10, 20, 190, 80);
}

TEST_F(LayoutTest, bottom_left_child_keeps_its_size_and_rides_the_bottom) {
  HWND button = AddChild(10, 250, 60, 270, 0x09);
  Resize(600, 500);
  ExpectEdges(ChildRect(button), 10, 450, 60, 470);
}

TEST_F(LayoutTest, fractions_scale_with_the_page_and_truncate) {
  // Left at a quarter of the width, right margin a quarter, top a tenth, bottom margin half.
  HWND child = AddChild(100, 30, 300, 150, 0x0F | 0x10 | 0x20 | 0x40 | 0x80);
  Resize(610, 450);
  // 0.25 * 610 = 152.5; 610 - 152.5 = 457.5; 0.1 * 450 = 45; 450 - 225 = 225.
  ExpectEdges(ChildRect(child), 152, 45, 457, 225);
}

}  // namespace
