#include <gtest/gtest.h>

#include <windows.h>

#include "ui/Clipboard_win.h"
#include "ui/ColourText_win.h"
#include "ui/GdiScope_win.h"
#include "win/ui/ClipboardRead.h"

namespace {

// Code page 950 has characters whose trail byte is a caret: 0xA4 0x5E is one character.
TEST(DoubleByte, caret_as_trail_byte_is_no_mark) {
  ASSERT_EQ(GetACP(), 950u) << "run with LANG=zh_TW.UTF-8";
  EXPECT_EQ(SystemCharStep("\xA4^4"), 2u);
  ASSERT_TRUE(CopyToClipboard("^2\xA4^4x^0"));
  EXPECT_EQ(ClipboardTextNow(), "\xA4^4x");

  MemoryDC dc(nullptr);
  SIZE whole = {};
  GetTextExtentPoint32A(dc.Get(), "\xA4^4x", 4, &whole);
  EXPECT_EQ(DrawColourText(dc.Get(), 0, 0, 0, "\xA4^4x"), whole.cx) << "drawn as one run, the digit included";
}

}  // namespace
