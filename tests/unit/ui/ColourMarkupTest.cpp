#include <gtest/gtest.h>

#include <string>

#include "ui/ClipboardText.h"
#include "ui/ColourMarkup.h"

namespace {

// A stand-in double-byte code page: every byte from 0x81 leads a two-byte character.
size_t LeadByteStep(const char* p) { return static_cast<unsigned char>(*p) >= 0x81 ? 2 : 1; }

// Runs written as "colour:text" separated by '|'.
std::string RunsOf(const char* text, CharStepFunc step) {
  std::string out;
  ColourRunReader reader(text, step);
  for (ColourRun run; reader.Next(&run);)
    out += (out.empty() ? "" : "|") + std::to_string(run.colour) + ":" + std::string(run.text, run.length);
  return out;
}

TEST(ColourMarkup, runs_and_stripped_text) {
  struct Case {
    const char* text;
    const char* runs;
    const char* stripped;
    CharStepFunc step = SingleByteStep;
  } cases[] = {
      {"a^4b^0c", "0:a|4:b|0:c", "abc"},
      {"^2failed to load items.txt", "2:failed to load items.txt", "failed to load items.txt"},
      {"^1^2x^3", "2:x", "x"},
      {"", "", ""},
      // A caret at the end or before a character below '0' is plain text; so is one
      // before a high byte, which is below '0' as a char.
      {"100^", "0:100^", "100^"},
      {"^4a^ b^-1", "4:a^ b^-1", "a^ b^-1"},
      {"x^\xB0y", "0:x^\xB0y", "x^\xB0y"},
      // Above '9' the index wraps; the clipboard keeps such pairs.
      {"^Ax^zy", "7:x|4:y", "^Ax^zy"},
      {"^^1x", "6:1x", "^x"},
      // A caret that is the trail byte of a double-byte character is no mark.
      {"^3\x81^4x^0", "3:\x81^4x", "\x81^4x", LeadByteStep},
      {"\x81^4x", "0:\x81|4:x", "\x81x"},
      {"^8ab\x81", "8:ab\x81", "ab\x81", LeadByteStep},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(RunsOf(c.text, c.step), c.runs);
    EXPECT_EQ(StripColourMarks(c.text, c.step), c.stripped);
  }
  // Every digit selects its own colour, "^0" and "^9" included, in drawing and in
  // stripping alike.
  for (char digit = '0'; digit <= '9'; ++digit) {
    SCOPED_TRACE(digit);
    const std::string text = std::string("a^") + digit + "b";
    EXPECT_EQ(RunsOf(text.c_str(), SingleByteStep), "0:a|" + std::to_string(digit - '0') + ":b");
    EXPECT_EQ(StripColourMarks(text.c_str()), "ab");
  }
  for (int c = 0; c < 256; ++c) {
    int colour = MarkColour(static_cast<char>(c));
    EXPECT_TRUE(colour == -1 || (colour >= 0 && colour < kColourCount)) << c;
  }
  EXPECT_EQ(MarkColour('/'), -1) << "the character below '0'";
  EXPECT_EQ(MarkColour(':'), 0) << "the character above '9' wraps";
}

// The colour table, whole: text colours in Windows order (0x00BBGGRR) on a transparent
// white background. Indexes outside the table draw in colour 0.
TEST(ColourMarkup, colour_table) {
  const uint32_t text[kColourCount] = {0x000000, 0xB400B4, 0x0000FF, 0x808080, 0xFF0000,
                                       0xFFFFFF, 0xFF00FF, 0x00FFFF, 0x008000, 0x058086};
  for (int i = 0; i < kColourCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ColourAt(i).text, text[i]);
    EXPECT_EQ(ColourAt(i).background, 0xFFFFFFu);
    EXPECT_TRUE(ColourAt(i).transparent);
  }
  EXPECT_EQ(&ColourAt(-1), &ColourAt(0));
  EXPECT_EQ(&ColourAt(kColourCount), &ColourAt(0));
}

TEST(ClipboardText, tab_only_after_something_on_the_line) {
  ClipboardText t;
  const char* cells[][3] = {{"UserName", "Log", ""}, {"", "b", ""}, {"", "", ""}};
  for (auto& line : cells) {
    for (const char* cell : line) t.AddCell(cell);
    t.EndLine();
  }
  EXPECT_EQ(t.Text(), "UserName\tLog\t\r\nb\t\r\n\r\n");
}

}  // namespace
