// Bounded formatting at its edges: every log line and caption goes through it, so a
// result that fills its buffer exactly and one a byte past it are the cases to hold.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/Format.h"
#include "common/LogCapture.h"

namespace {

// A buffer with guard bytes behind the size handed out.
struct Guarded {
  explicit Guarded(size_t size) : size(size) { memset(bytes, '#', sizeof bytes); }
  bool GuardIntact() const {
    for (size_t i = size; i < sizeof bytes; ++i)
      if (bytes[i] != '#') return false;
    return true;
  }
  size_t size;
  char bytes[16];
};

TEST(Format, bounded_text_fills_the_buffer_and_is_cut_past_it) {
  struct Case {
    size_t size;
    std::string text;
    std::string kept;
  } cases[] = {
      {8, "1234567", "1234567"},   // exactly fills, with its zero
      {8, "12345678", "1234567"},  // one past: cut
      {8, "123456789abc", "1234567"},
      {8, "", ""},
      {1, "x", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " bytes, \"" << c.text << "\"");
    Guarded f(c.size), s(c.size);
    EXPECT_EQ(FormatBounded(f.bytes, f.size, "%s", c.text.c_str()), c.kept.size());
    EXPECT_EQ(std::string(f.bytes), c.kept);
    EXPECT_TRUE(f.GuardIntact());
    EXPECT_EQ(FormatString(c.size, "%s", c.text.c_str()), c.kept);
    CopyBounded(s.bytes, s.size, c.text.c_str());
    EXPECT_EQ(std::string(s.bytes), c.kept);
    EXPECT_TRUE(s.GuardIntact());
  }
  Guarded none(0);
  EXPECT_EQ(FormatBounded(none.bytes, 0, "%s", "x"), 0u);
  CopyBounded(none.bytes, 0, "x");
  EXPECT_TRUE(none.GuardIntact()) << "a zero-size buffer is not written";
  Guarded null(4);
  CopyBounded(null.bytes, null.size, nullptr);
  EXPECT_STREQ(null.bytes, "");

  const std::string line(1023, 'l');
  EXPECT_EQ(FormatLine("%s", line.c_str()), line);
  EXPECT_EQ(FormatLine("%sx", line.c_str()), line) << "a line is cut to 1023 characters";
}

TEST(Format, appending_stops_at_the_same_bound) {
  struct Case {
    const char* start;
    const char* add;
    const char* kept;
    size_t length;
  } cases[] = {
      {"abc", "1234", "abc1234", 7},  // exactly fills
      {"abc", "12345", "abc1234", 7},
      {"", "x", "x", 1},
      {"abcdefg", "x", "abcdefg", 7},  // already full: nothing added
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << " + " << c.add);
    Guarded g(8);
    strcpy(g.bytes, c.start);
    EXPECT_EQ(AppendBounded(g.bytes, g.size, "%s", c.add), c.length);
    EXPECT_STREQ(g.bytes, c.kept);
    EXPECT_TRUE(g.GuardIntact());
  }
}

TEST(Format, field_text_stops_at_the_zero_or_the_width) {
  const char field[6] = {'a', 'b', 'c', 'd', 'e', 'f'};  // no zero anywhere
  EXPECT_EQ(FieldText(field, 6), "abcdef");
  EXPECT_EQ(FieldText(field, 5), "abcde");
  EXPECT_EQ(FieldText("ab\0cd", 5), "ab");
  EXPECT_EQ(FieldText("", 5), "");
}

TEST(LogOutput, lines_are_cut_to_1023_characters_and_dropped_without_a_console) {
  std::string exact(1023, 'l'), over(1024, 'l');
  {
    CLogCapture log;
    LogOutput(kLogRefusal, "%s", exact.c_str());
    LogOutput(kLogResult, "%s", over.c_str());
    ASSERT_EQ(CLogCapture::Lines().size(), 2u);
    EXPECT_EQ(CLogCapture::Lines()[0], CLogCapture::Line(kLogRefusal, exact));
    EXPECT_EQ(CLogCapture::Lines()[1], CLogCapture::Line(kLogResult, exact));
  }
  CLogCapture::Lines().clear();
  LogOutput(kLogDataError, "%s", "nobody listens");
  EXPECT_TRUE(CLogCapture::Lines().empty());
}

}  // namespace
