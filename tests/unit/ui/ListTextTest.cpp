// Finding a text in a list's rows, and the lines and the name of a saved list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/RowFind.h"
#include "ui/TsvText.h"

namespace {

// A stand-in double-byte code page: every byte from 0x81 leads a two-byte character.
size_t LeadByteStep(const char* p) { return static_cast<unsigned char>(*p) >= 0x81 ? 2 : 1; }

TEST(RowFind, text_is_found_in_the_cells_as_read_without_regard_to_case) {
  struct Case {
    const char* text;
    const char* needle;
    bool found;
  } cases[] = {
      {"Sword of Dawn", "dAWN", true},
      {"Zone of Ash", "zONE OF aSH", true},
      {"[at]", "{AT}", false},  // only letters have a case
      {"^2Red^0 one", "red one", true},   // marks are not part of what the operator reads
      {"^2Red^0 one", "^2Red", false},
      {"a^x", "^X", true},                // a caret before a letter is text
      {"short", "shorter", false},
      {"anything", "", false},
      // Trail bytes "a" and "A" (0x61, 0x41) are halves of characters, never letters.
      {"\xB0" "a\xB0" "A", "a", false},
      {"\xB0" "a\xB0" "A", "\xB0" "A", true},
      {"\xB0" "a\xB0" "A", "\xB0" "a\xB0" "A", true},
      {"x\xB0", "\xB0", true},  // a lead byte that ends the text stands alone
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text + std::string(" / ") + c.needle);
    EXPECT_EQ(TextHoldsIgnoringCase(c.text, c.needle, LeadByteStep), c.found);
  }
  // Byte by byte the trail byte would match: the step is what keeps it whole.
  EXPECT_TRUE(TextHoldsIgnoringCase("\xB0" "a", "a", SingleByteStep));
}

TEST(RowFind, search_starts_after_the_focused_row_and_wraps_once) {
  std::vector<bool> holds = {true, false, true, false};
  std::vector<int> tried;
  auto find = [&](int from, bool forward) {
    tried.clear();
    return FindRow(4, from, forward, [&](int row) {
      tried.push_back(row);
      return static_cast<bool>(holds[static_cast<size_t>(row)]);
    });
  };
  EXPECT_EQ(find(0, true), 2);
  EXPECT_EQ(find(2, true), 0);
  EXPECT_EQ(tried, (std::vector<int>{3, 0}));
  EXPECT_EQ(find(-1, true), 0);
  EXPECT_EQ(find(-1, false), 2);
  EXPECT_EQ(find(0, false), 2);
  EXPECT_EQ(tried, (std::vector<int>{3, 2}));

  // Only the focused row holds it: found again after every other row was tried.
  holds = {false, true, false, false};
  EXPECT_EQ(find(1, true), 1);
  EXPECT_EQ(tried, (std::vector<int>{2, 3, 0, 1}));
  holds = {false, false, false, false};
  EXPECT_EQ(find(1, false), -1);
  EXPECT_EQ(tried.size(), 4u);
  EXPECT_EQ(FindRow(0, -1, true, [](int) { return true; }), -1);
}

TEST(TsvText, every_cell_keeps_its_place_and_stays_in_one_cell) {
  EXPECT_EQ(TsvLine({"", "^2Red^0 one", ""}, SingleByteStep), "\tRed one\t\r\n");
  EXPECT_EQ(TsvLine({"a\tb", "two\r\nlines"}, SingleByteStep), "a b\ttwo  lines\r\n");
  EXPECT_EQ(TsvLine({}, SingleByteStep), "\r\n");
  // A double-byte character keeps its trail byte, whatever it looks like alone.
  EXPECT_EQ(TsvLine({"\x81\t"}, LeadByteStep), "\x81\t\r\n");
}

TEST(TsvText, file_name_is_the_caption_made_fit_and_the_date) {
  EXPECT_EQ(TsvFileName("Siege Log", 2026, 3, 5, SingleByteStep), "Siege Log 2026-03-05.tsv");
  EXPECT_EQ(TsvFileName("a\\b/c:d*e?f\"g<h>i|j\tk", 2026, 12, 31, SingleByteStep),
            "a_b_c_d_e_f_g_h_i_j_k 2026-12-31.tsv");
  // In code page 950 a backslash can be the second half of a character.
  EXPECT_EQ(TsvFileName("\xA5\\\\", 2026, 1, 2, LeadByteStep), "\xA5\\_ 2026-01-02.tsv");
}

}  // namespace
