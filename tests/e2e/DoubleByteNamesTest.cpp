// Item names of the sample reference data on Korean and Traditional Chinese Windows,
// through the real plug-in: the list cells hold the code page's bytes, draw glyphs in
// the name's colour rather than the font's missing-glyph box, and the copy keeps every
// double-byte character whole. Wine takes the code page from LANG, so the program runs
// once per locale, and each run takes the one test of its language (GTEST_FILTER).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "PluginHost.h"
#include "PluginPageTest.h"
#include "PluginWindows.h"
#include "resources/resource.h"
#include "ui/GdiScope_win.h"

namespace {

const int kItemColumns = 9, kOperationColumn = 1, kNameColumn = 5;

// A white 32-bit bitmap of the list's client size, to paint the list into.
class ListPicture {
 public:
  explicit ListPicture(HWND list) : m_bitmap(Canvas(list)), m_use(m_dc.Get(), m_bitmap.Get()) {
    PatBlt(m_dc.Get(), 0, 0, m_width, m_height, WHITENESS);
  }
  HDC Dc() const { return m_dc.Get(); }
  COLORREF At(int x, int y) const {
    if (!m_bits || x < 0 || y < 0 || x >= m_width || y >= m_height) return RGB(255, 255, 255);
    uint32_t p = m_bits[y * m_width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  HBITMAP Canvas(HWND list) {
    RECT r = {};
    GetClientRect(list, &r);
    m_width = r.right;
    m_height = r.bottom;
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), m_width, -m_height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    return CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
  }

  int m_width = 0, m_height = 0;
  uint32_t* m_bits = nullptr;
  MemoryDC m_dc{nullptr};
  GdiBitmap m_bitmap;
  GdiSelection m_use;
};

bool IsInk(COLORREF c) { return c != RGB(255, 255, 255); }
// Ink of no colour: grey or black, as a run in colour 0 or 3 draws it. Smoothed edges of
// red text keep their red over green and blue.
bool IsNeutralInk(COLORREF c) {
  int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  return IsInk(c) && r - g < 24 && r - b < 24 && r < 224;
}

// How the name's run, drawn from (x, row.top) in red on a row of the list, looks: per
// double-byte character whether it left ink and how many of its pixels differ from the
// font's missing-glyph box (glyph 0) drawn in its place; how many of those characters
// look alike (boxes all do); and the neutral ink in the run. The row's last line holds the
// grid line and is left out.
struct NameLook {
  std::vector<int> ink, unlikeBox;
  int alike = 0, neutral = 0;
};

NameLook LookAtName(HWND list, const ListPicture& drawn, int x, RECT row, const std::string& name) {
  NameLook look;
  ListPicture box(list);
  GdiSelection useFont(box.Dc(), reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
  SetBkMode(box.Dc(), TRANSPARENT);
  SetTextColor(box.Dc(), RGB(255, 0, 0));
  auto extent = [&](const char* end) {
    SIZE s = {};
    GetTextExtentPoint32A(box.Dc(), name.c_str(), static_cast<int>(end - name.c_str()), &s);
    return s.cx;
  };
  const int top = row.top, bottom = row.bottom - 1;
  std::vector<std::vector<COLORREF>> crops;
  for (const char* p = name.c_str(); *p; p = CharNextA(p)) {
    const int left = x + extent(p), right = x + extent(CharNextA(p));
    for (int py = top; py < bottom; ++py)
      for (int px = left; px < right; ++px) look.neutral += IsNeutralInk(drawn.At(px, py));
    if (CharNextA(p) - p != 2) continue;
    const WORD missing = 0;
    ExtTextOutW(box.Dc(), left, top, ETO_GLYPH_INDEX, nullptr, reinterpret_cast<const wchar_t*>(&missing), 1, nullptr);
    GdiFlush();
    int ink = 0, unlike = 0;
    std::vector<COLORREF> crop;
    for (int py = top; py < bottom; ++py)
      for (int px = left; px < right; ++px) {
        ink += IsInk(drawn.At(px, py));
        unlike += drawn.At(px, py) != box.At(px, py);
        crop.push_back(drawn.At(px, py));
      }
    look.ink.push_back(ink);
    look.unlikeBox.push_back(unlike);
    for (const auto& other : crops) look.alike += other == crop;
    crops.push_back(crop);
  }
  return look;
}

class DoubleByteNames : public PluginPageTest {
 protected:
  // Lists the November items of `character` on the first shard.
  void ListItems(const char* character) {
    ASSERT_NO_FATAL_FAILURE(OpenPage(1, IDC_GAMELOG_DAYS, "the game log page is on show",
                                     {{IDC_GAMELOG_SHARD, "Velmora-Ember"}, {IDC_GAMELOG_CATEGORY, "Item"},
                                      {IDC_GAMELOG_QUERY_OPTION, "All"}, {IDC_GAMELOG_CHARNAME, character},
                                      {IDC_GAMELOG_BEGIN_DATE, "2026-11-01"}, {IDC_GAMELOG_BEGIN_TIME, "00:00:00"},
                                      {IDC_GAMELOG_END_DATE, "2026-11-30"}, {IDC_GAMELOG_END_TIME, "23:59:59"}},
                                     3, 64));
    Mark();
    Click(IDC_GAMELOG_NEW_QUERY);
    ASSERT_TRUE(PumpUntil([&] { return !PluginLines(firstLine).empty(); }, 5000)) << "no answer within 5 seconds";
    PumpFor(100);
    list = GetDlgItem(page, IDC_GAMELOG_LIST);
  }

  // The name cell of `row` drawn, with the name's run from its left edge.
  NameLook DrawnName(int row, const std::string& name) {
    ListPicture drawn(list);
    SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(drawn.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    RECT cell = {};
    ListView_GetSubItemRect(list, row, kNameColumn, LVIR_BOUNDS, &cell);
    return LookAtName(list, drawn, cell.left + 5, cell, name);
  }

  // The copy button's text, as plain text and as the Unicode text a pasting program reads.
  void Copy(std::string* text, std::wstring* unicode) {
    Click(IDC_GAMELOG_COPY);
    ASSERT_TRUE(OpenClipboard(nullptr));
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      if (const char* p = static_cast<const char*>(GlobalLock(data))) *text = p;
      GlobalUnlock(data);
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      if (const wchar_t* p = static_cast<const wchar_t*>(GlobalLock(data))) *unicode = p;
      GlobalUnlock(data);
    }
    CloseClipboard();
  }

  // Every double-byte character (all different ones) drawn as a glyph of its own, none
  // of them the missing-glyph box.
  static void ExpectGlyphs(const NameLook& look, size_t characters) {
    ASSERT_EQ(look.ink.size(), characters);
    for (size_t i = 0; i < characters; ++i) {
      EXPECT_GT(look.ink[i], 0) << "character " << i << " left no ink";
      EXPECT_GT(look.unlikeBox[i], 0) << "character " << i << " is the missing-glyph box: no font has it";
    }
    EXPECT_EQ(look.alike, 0) << "characters that look alike";
  }

  HWND list = nullptr;
};

TEST_F(DoubleByteNames, korean_under_code_page_949) {
  ASSERT_EQ(GetACP(), 949u) << "needs LANG=ko_KR.UTF-8 (Wine then uses code page 949)";
  ASSERT_NO_FATAL_FAILURE(ListItems("Haneul"));
  const std::string sword = "\xB9\xD9\xB6\xF7\xC0\xC7 \xB0\xCB";  // 바람의 검
  const std::string jeweller = "\xBA\xB8\xBC\xAE\xBB\xF3 \xC7\xCF\xB8\xB0";  // 보석상 하린
  Rows rows = ListViewRows(list, kItemColumns);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][kNameColumn], "^2" + sword + "^0[^4ITEM_WEAPON_SWORD_RARE_02^0]^2(RARE)^0");
  EXPECT_EQ(rows[0][kOperationColumn], "Buying Item From NPC Shop[^4" + jeweller + "^0]");

  ExpectGlyphs(DrawnName(0, sword), 4);

  std::string text;
  std::wstring unicode;
  ASSERT_NO_FATAL_FAILURE(Copy(&text, &unicode));
  EXPECT_NE(text.find("\tBuying Item From NPC Shop[" + jeweller + "]\t"), std::string::npos) << text;
  EXPECT_NE(text.find("\t" + sword + "[ITEM_WEAPON_SWORD_RARE_02](RARE)\t"), std::string::npos) << text;
  EXPECT_NE(unicode.find(L"\t\uBC14\uB78C\uC758 \uAC80[ITEM_WEAPON_SWORD_RARE_02]"), std::wstring::npos);
  EXPECT_NE(unicode.find(L"[\uBCF4\uC11D\uC0C1 \uD558\uB9B0]"), std::wstring::npos);
}

TEST_F(DoubleByteNames, traditional_chinese_under_code_page_950) {
  ASSERT_EQ(GetACP(), 950u) << "needs LANG=zh_TW.UTF-8 (Wine then uses code page 950)";
  ASSERT_NO_FATAL_FAILURE(ListItems("Meilin"));
  const std::string sword = "\xA5\x5C\xBE\xB1\xA4\xA7\xBC\x43";  // 功勳之劍: 功 ends in "\"
  // 迂回3式長槍: 回 ends in "^", right before the digit
  const std::string spear = "\xA8\xB1\xA6\x5E"
                            "3\xA6\xA1\xAA\xF8\xBA\x6A";
  const std::string ring = "\xA4\xEB\xBC\x76\xBD\xFC\xA6\x5E";  // 月影輪回: a mark follows 回
  Rows rows = ListViewRows(list, kItemColumns);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][kNameColumn], "^2" + sword + "^0[^4ITEM_WEAPON_SWORD_RARE_03^0]^2(RARE)^0");
  EXPECT_EQ(rows[1][kNameColumn], "^2" + spear + "^0[^4ITEM_WEAPON_SPEAR_RARE_03^0]^2(RARE)^0");
  EXPECT_EQ(rows[2][kNameColumn], "^2" + ring + "^0[^4ITEM_ACC_EAST_RING_RARE_02^0]^2(RARE)^0");

  // The digit after 回 is drawn, in the name's red: a "^" taken for a mark would drop
  // it and draw the rest in grey.
  NameLook look = DrawnName(1, spear);
  ExpectGlyphs(look, 5);
  EXPECT_EQ(look.neutral, 0) << "grey or black ink inside the name";
  look = DrawnName(2, ring);
  ExpectGlyphs(look, 4);
  EXPECT_EQ(look.neutral, 0);

  std::string text;
  std::wstring unicode;
  ASSERT_NO_FATAL_FAILURE(Copy(&text, &unicode));
  for (const std::string& cell : {sword + "[ITEM_WEAPON_SWORD_RARE_03]", spear + "[ITEM_WEAPON_SPEAR_RARE_03]",
                                  ring + "[ITEM_ACC_EAST_RING_RARE_02]"})
    EXPECT_NE(text.find("\t" + cell + "(RARE)\t"), std::string::npos) << cell << " in " << text;
  for (const wchar_t* name : {L"\t\u529F\u52F3\u4E4B\u528D[", L"\t\u8FC2\u56DE3\u5F0F\u9577\u69CD[",
                              L"\t\u6708\u5F71\u8F2A\u56DE["})
    EXPECT_NE(unicode.find(name), std::wstring::npos);
}

}  // namespace
