#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/ClipboardText.h"
#include "ui/ColourMarkup.h"

namespace {

struct TextRun {
  std::string text;
  int colour;
  bool operator==(const TextRun& o) const { return text == o.text && colour == o.colour; }
};

std::ostream& operator<<(std::ostream& os, const TextRun& r) { return os << '{' << r.text << ", " << r.colour << '}'; }

std::vector<TextRun> RunsOf(const char* text, CharStepFunc step = SingleByteStep) {
  std::vector<TextRun> runs;
  ColourRunReader reader(text, step);
  ColourRun run;
  while (reader.Next(&run)) runs.push_back({std::string(run.text, run.length), run.colour});
  return runs;
}

// A stand-in for a double-byte code page: every byte from 0x81 leads a two-byte character.
size_t LeadByteStep(const char* p) { return static_cast<unsigned char>(*p) >= 0x81 ? 2 : 1; }

TEST(ColourRuns, marks_split_the_text_into_runs_in_their_colours) {
  EXPECT_EQ(RunsOf("a^4b^0c"), (std::vector<TextRun>{{"a", 0}, {"b", 4}, {"c", 0}}));
  EXPECT_EQ(RunsOf("^2failed to load items.txt"), (std::vector<TextRun>{{"failed to load items.txt", 2}}));
  EXPECT_EQ(RunsOf("^412^0 log found"), (std::vector<TextRun>{{"12", 4}, {" log found", 0}}));
}

TEST(ColourRuns, marks_with_nothing_between_them_give_no_empty_run) {
  EXPECT_EQ(RunsOf("^1^2x^3"), (std::vector<TextRun>{{"x", 2}}));
  EXPECT_TRUE(RunsOf("").empty());
  EXPECT_TRUE(RunsOf(nullptr).empty());
}

TEST(ColourRuns, caret_that_cannot_mark_stays_as_plain_text) {
  EXPECT_EQ(RunsOf("100^"), (std::vector<TextRun>{{"100^", 0}}));
  EXPECT_EQ(RunsOf("^4a^ b"), (std::vector<TextRun>{{"a^ b", 4}}));
  EXPECT_EQ(RunsOf("x^-1y"), (std::vector<TextRun>{{"x^-1y", 0}}));
  EXPECT_EQ(RunsOf("x^\xB0y"), (std::vector<TextRun>{{"x^\xB0y", 0}})) << "a high byte is below '0' as a char";
}

TEST(ColourRuns, characters_above_nine_wrap_into_the_table) {
  EXPECT_EQ(RunsOf("^Ax"), (std::vector<TextRun>{{"x", 7}}));   // 'A' - '0' = 17
  EXPECT_EQ(RunsOf("^zx"), (std::vector<TextRun>{{"x", 4}}));   // 'z' - '0' = 74
  EXPECT_EQ(RunsOf("^^x"), (std::vector<TextRun>{{"x", 6}}));   // '^' - '0' = 46
  for (int c = '0'; c < 128; ++c) {
    SCOPED_TRACE(c);
    int colour = MarkColour(static_cast<char>(c));
    EXPECT_GE(colour, 0);
    EXPECT_LT(colour, kColourCount);
  }
}

TEST(ColourRuns, double_byte_characters_are_taken_whole) {
  // The caret is the trail byte of the first character, not a mark.
  EXPECT_EQ(RunsOf("\x81^4x", LeadByteStep), (std::vector<TextRun>{{"\x81^4x", 0}}));
  EXPECT_EQ(RunsOf("\x81^4x"), (std::vector<TextRun>{{"\x81", 0}, {"x", 4}}));
  // A lead byte at the very end does not step over the terminator.
  EXPECT_EQ(RunsOf("^8ab\x81", LeadByteStep), (std::vector<TextRun>{{"ab\x81", 8}}));
}

TEST(ColourTable, holds_the_ten_colours_on_white) {
  EXPECT_EQ(ColourAt(0).text, 0x000000u);
  EXPECT_EQ(ColourAt(2).text, 0x0000FFu);  // red in 0x00BBGGRR
  EXPECT_EQ(ColourAt(4).text, 0xFF0000u);  // blue
  EXPECT_EQ(ColourAt(9).text, 0x058086u);  // olive 134,128,5
  for (int i = 0; i < kColourCount; ++i) {
    EXPECT_EQ(ColourAt(i).background, 0xFFFFFFu);
    EXPECT_TRUE(ColourAt(i).transparent);
  }
  EXPECT_EQ(ColourAt(10).text, ColourAt(0).text) << "outside the table falls back to normal";
  EXPECT_EQ(ColourAt(-1).text, ColourAt(0).text);
}

TEST(StripMarks, drops_caret_and_digit_and_keeps_everything_else) {
  EXPECT_EQ(StripColourMarks("a^4b^0c"), "abc");
  EXPECT_EQ(StripColourMarks("^2failed to load %s"), "failed to load %s");
  EXPECT_EQ(StripColourMarks("^x and ^Z"), "^x and ^Z");
  EXPECT_EQ(StripColourMarks("ends with ^"), "ends with ^");
  EXPECT_EQ(StripColourMarks("^^1x"), "^x");
  EXPECT_EQ(StripColourMarks("^12"), "2");
  EXPECT_EQ(StripColourMarks(""), "");
  EXPECT_EQ(StripColourMarks(nullptr), "");
}

TEST(StripMarks, trail_byte_caret_is_not_a_mark) {
  EXPECT_EQ(StripColourMarks("\x81^4x", LeadByteStep), "\x81^4x");
  EXPECT_EQ(StripColourMarks("^3\x81^4x^0", LeadByteStep), "\x81^4x");
}

TEST(ClipboardTextLines, tab_only_after_something_on_the_line) {
  ClipboardText t;
  t.AddCell("UserName");
  t.AddCell("Log");
  t.EndLine();
  t.AddCell("");
  t.AddCell("b");
  t.AddCell("");
  t.EndLine();
  t.AddCell("");
  t.AddCell("");
  t.EndLine();
  EXPECT_EQ(t.Text(), "UserName\tLog\r\nb\t\r\n\r\n");
}

}  // namespace
