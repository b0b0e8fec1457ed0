#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "refdata/RefDataParser.h"
#include "refdata/RefDataParser2.h"
#include "refdata/RefDataText.h"
#include "refdata/RefNumber.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

// The file written into the scratch folder, then opened by the parser.
template <class Parser>
bool WriteAndOpen(const CScratchDir& dir, Parser& parser, const std::string& name, const std::string& text) {
  dir.Write(name, text);
  return parser.Open(("KV_GameRefData\\" + name).c_str());
}

// Every token of a record file, in order.
std::vector<std::string> Tokens(const CScratchDir& dir, const std::string& utf8) {
  dir.Write("Tokens.txt", utf8);
  CRefDataParser parser;
  EXPECT_TRUE(parser.Open("KV_GameRefData\\Tokens.txt"));
  std::vector<std::string> tokens;
  bool ok = true;
  while (true) {
    const char* token = parser.GetString(ok);
    if (!ok) {
      EXPECT_STREQ(token, "");
      break;
    }
    tokens.push_back(token);
  }
  return tokens;
}

typedef std::vector<std::string> Strings;

// The file Tokens() wrote, read line by line with at most 1, 2 and any number of
// columns split, holds these lines.
void ExpectLines(const std::vector<Strings>& lines) {
  for (size_t most : {size_t(1), size_t(2), ~size_t(0)}) {
    CRefDataParser2 parser;
    ASSERT_TRUE(parser.Open("KV_GameRefData\\Tokens.txt"));
    for (const Strings& expected : lines) {
      const CLineParser* line = parser.ReadLine(most);
      ASSERT_NE(line, nullptr);
      Strings columns;
      for (uint32_t c = 0; line->Find(c); ++c) {
        columns.push_back(line->Find(c));
        EXPECT_EQ(line->Length(c), columns.back().size());
      }
      Strings cut(expected.begin(), expected.begin() + std::min(most, expected.size()));
      ASSERT_TRUE(columns == cut) << "at most " << most << " columns";  // whole texts can be long
    }
    EXPECT_EQ(parser.ReadLine(most), nullptr);
    EXPECT_FALSE(parser.LineTooLong());
  }
}

// A text ending in CR LF split the plain way: lines at CR LF, tokens at TABs.
std::vector<Strings> PlainLines(const std::string& text) {
  std::vector<Strings> lines;
  for (size_t from = 0; from < text.size();) {
    const size_t crlf = text.find("\r\n", from);
    Strings columns;
    for (size_t c = from;;) {
      const size_t tab = text.find('\t', c);
      if (tab >= crlf) {
        columns.push_back(text.substr(c, crlf - c));
        break;
      }
      columns.push_back(text.substr(c, tab - c));
      c = tab + 1;
    }
    lines.push_back(columns);
    from = crlf + 2;
  }
  return lines;
}

// Reading, skipping and line splitting of the text see the plain split's tokens and
// lines. Skips start at each of `starts` and end at `firstEnd` and every token after.
void ExpectPlainSplit(const CScratchDir& dir, const std::string& text, std::initializer_list<size_t> starts,
                      size_t firstEnd) {
  const std::vector<Strings> lines = PlainLines(text);
  Strings tokens;
  for (const Strings& line : lines) tokens.insert(tokens.end(), line.begin(), line.end());
  ASSERT_TRUE(Tokens(dir, text) == tokens);  // whole texts can be long
  for (size_t from : starts) {
    for (size_t to = firstEnd; to <= tokens.size(); ++to) {
      CRefDataParser parser;
      ASSERT_TRUE(parser.Open("KV_GameRefData\\Tokens.txt"));
      bool ok = false;
      parser.SkipTokens(static_cast<int>(from), ok);
      parser.SkipTokens(static_cast<int>(to - from), ok);
      ASSERT_TRUE(ok) << from << " to " << to;
      const char* next = parser.GetString(ok);
      ASSERT_EQ(ok, to < tokens.size()) << from << " to " << to;
      if (ok) {
        EXPECT_EQ(next, tokens[to]) << from << " to " << to;
      }
    }
  }
  ExpectLines(lines);
}

TEST(RefDataParser, token_syntax) {
  CScratchDir dir;
  struct Case {
    const char* name;
    std::string text;
    Strings tokens;
  } cases[] = {
      {"tab and crlf separate alike", "a\tb\r\nc\td\r\n", {"a", "b", "c", "d"}},
      {"empty tokens keep their place", "\ta\t\tb\r\n", {"", "a", "", "b"}},
      {"lone cr and lf are characters", "a\rb\tc\nd\r\n", {"a\rb", "c\nd"}},
      {"empty line is one empty token", "a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"unterminated last token counts", "a\tb", {"a", "b"}},
      {"tab at the very end ends the data", "a\t", {"a"}},
      {"tab before the final crlf gives an empty token", "a\t\r\n", {"a", ""}},
      {"cr lf cr lf at the end: one empty token", "1\r\n\r\n", {"1", ""}},
      {"trailing lone cr stays in the token", "a\r", {"a\r"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Tokens(dir, c.text), c.tokens);
  }
}

// Skipping reads whole words at a time; it must land exactly where reading token by
// token lands, whatever the token lengths, line ends and stray CR or LF bytes.
TEST(RefDataParser, skipping_lands_where_reading_lands) {
  CScratchDir dir;
  std::string text;
  Strings tokens;
  const char* pieces[] = {"", "1", "22", "333", "4444", "55555", "666666", "7777777", "88888888",
                          "999999999", "a\rb", "c\nd", "\r", "0123456789abcdefghij", "xxx"};
  for (int i = 0; i < 60; ++i) {
    tokens.push_back(pieces[(i * 7) % 15]);
    text += tokens.back();
    text += (i % 9 == 8) ? "\r\n" : "\t";
  }
  Strings all = Tokens(dir, text);
  ASSERT_EQ(all, tokens);
  for (int skip = 0; skip <= 60; ++skip) {
    SCOPED_TRACE(skip);
    CRefDataParser parser;
    ASSERT_TRUE(parser.Open("KV_GameRefData\\Tokens.txt"));
    bool ok = false;
    parser.SkipTokens(skip, ok);
    EXPECT_TRUE(ok);
    const char* next = parser.GetString(ok);
    if (skip < 60) {
      EXPECT_TRUE(ok);
      EXPECT_EQ(next, tokens[static_cast<size_t>(skip)]);
    } else {
      EXPECT_FALSE(ok);
    }
  }
  CRefDataParser parser;
  ASSERT_TRUE(parser.Open("KV_GameRefData\\Tokens.txt"));
  bool ok = true;
  parser.SkipTokens(61, ok);
  EXPECT_FALSE(ok) << "the data ends before";
  EXPECT_TRUE(parser.Exhausted());
}

// Data without a final CR LF: a skip whose wide steps run into the terminating zero
// still passes the last token.
TEST(RefDataParser, skipping_counts_an_unterminated_last_token) {
  CScratchDir dir;
  for (int columns = 1; columns <= 20; ++columns) {
    for (size_t last = 1; last <= 33; ++last) {
      SCOPED_TRACE(testing::Message() << columns << " columns, last token " << last << " bytes");
      std::string text;
      for (int i = 1; i < columns; ++i) text += "0\t";
      dir.Write("Tail.txt", text + std::string(last, 'x'));
      CRefDataParser parser;
      ASSERT_TRUE(parser.Open("KV_GameRefData\\Tail.txt"));
      bool ok = false;
      parser.SkipTokens(columns, ok);
      EXPECT_TRUE(ok);
      EXPECT_TRUE(parser.Exhausted());
    }
  }
}

// The scanners test 64 bytes at a time. Each separator (and a lone CR or LF, which is
// none) is put at every offset across the first block boundaries, a CR LF among them
// straddling two blocks.
TEST(RefDataParser, separators_at_every_offset) {
  CScratchDir dir;
  for (const char* pattern : {"\t", "\r\n", "\t\r\n", "\r", "\n"}) {
    for (size_t offset = 0; offset <= 140; ++offset) {
      SCOPED_TRACE(testing::Message() << testing::PrintToString(std::string(pattern)) << " at " << offset);
      ExpectPlainSplit(dir, std::string(offset, 'x') + pattern + "tail\tend\r\n", {0}, 0);
    }
  }
}

// The parsers take the text a piece at a time, and whatever runs past a piece's end is
// scanned again with the next. Each separator is put at every offset around the end of
// the first piece, behind short tokens or one long one (which outgrows the room the
// window keeps for unfinished text): all must read as when the text arrives whole.
TEST(RefDataParser, separators_around_a_piece_end) {
  CScratchDir dir;
  // The first piece's text: a slice less the mark, one byte a unit.
  const size_t pieceEnd = (CRefText::kSliceBytes - 2) / 2;
  for (bool longToken : {false, true}) {
    std::string filler;
    size_t fillerTokens = 0;
    if (longToken) {
      filler = std::string(pieceEnd - 80, 'L') + '\t';
      fillerTokens = 1;
    } else {
      for (; filler.size() < pieceEnd - 80; ++fillerTokens)
        filler += std::to_string(fillerTokens) + (fillerTokens % 5 == 4 ? "\r\n" : "\t");
      filler += "f\r\n";
      ++fillerTokens;
    }
    for (const char* pattern : {"\t", "\r\n", "\t\r\n", "\r", "\n", "\t\t"}) {
      for (size_t at = pieceEnd - 6; at <= pieceEnd + 4; ++at) {
        SCOPED_TRACE(testing::Message() << (longToken ? "long" : "short") << " filler, pattern "
                                        << testing::PrintToString(std::string(pattern)) << " at " << at);
        // Skips that end just before, at and past the pattern, from the start and from
        // the last filler token.
        ExpectPlainSplit(dir, filler + std::string(at - filler.size(), 'x') + pattern + "tail\tend\r\n",
                         {0, fillerTokens - 1}, fillerTokens);
      }
    }
  }
}

TEST(RefDataParser, numbers_read_as_atoi_and_atof) {
  CScratchDir dir;
  dir.Write("Numbers.txt", " -12abc\tabc\t+7\t99999999999\t-99999999999\t1.5x\r\n");
  CRefDataParser parser;
  ASSERT_TRUE(parser.Open("KV_GameRefData\\Numbers.txt"));
  bool ok = false;
  EXPECT_EQ(parser.GetInt(ok), -12);
  EXPECT_TRUE(ok);
  EXPECT_EQ(parser.GetInt(ok), 0) << "a token that is no number reads as 0";
  EXPECT_TRUE(ok);
  EXPECT_EQ(parser.GetInt(ok), 7);
  EXPECT_EQ(parser.GetInt(ok), 2147483647) << "saturates instead of wrapping";
  EXPECT_EQ(parser.GetInt(ok), -2147483647 - 1);
  EXPECT_FLOAT_EQ(parser.GetFloat(ok), 1.5f);
  EXPECT_TRUE(ok);
  EXPECT_EQ(parser.GetInt(ok), 0);
  EXPECT_FALSE(ok) << "exhausted";
  EXPECT_FLOAT_EQ(parser.GetFloat(ok), 0.0f);
  EXPECT_FALSE(ok);
}

// A file that counts as missing (the kinds are RefText's) leaves either parser with
// nothing to read, though the file before it had more.
TEST(RefDataParser, failed_open_leaves_nothing_of_the_previous_file) {
  CScratchDir dir;
  CRefDataParser parser;
  CRefDataParser2 lines;
  ASSERT_TRUE(WriteAndOpen(dir, parser, "Good.txt", "a\tb\r\n"));
  ASSERT_TRUE(lines.Open("KV_GameRefData\\Good.txt"));
  dir.WriteBytes("Bom.txt", "\xFF\xFE");
  EXPECT_FALSE(parser.Open("KV_GameRefData\\Bom.txt"));
  bool ok = true;
  EXPECT_STREQ(parser.GetString(ok), "");
  EXPECT_FALSE(ok);
  EXPECT_FALSE(lines.Open("KV_GameRefData\\Bom.txt"));
  EXPECT_EQ(lines.ReadLine(), nullptr);
}

// A token of 0x100000 bytes is too long to read or to skip: reading it fails with a
// message and reads nothing after it. One byte less fits the buffer with its terminating
// zero.
TEST(RefDataParser, over_long_token_fails_with_a_message_read_or_skipped) {
  CScratchDir dir;
  CLogCapture log;
  CRefDataParser parser, skipping;
  ASSERT_TRUE(WriteAndOpen(dir, parser, "Long.txt", "a\t" + std::string(0x100000, 'x') + "\tb\r\n"));
  bool ok = false;
  EXPECT_STREQ(parser.GetString(ok), "a");
  EXPECT_STREQ(parser.GetString(ok), "");
  EXPECT_FALSE(ok);
  EXPECT_TRUE(parser.TokenTooLong());
  EXPECT_TRUE(parser.Exhausted()) << "nothing after the long token is read";
  ASSERT_EQ(CLogCapture::Lines().size(), 1u);
  EXPECT_EQ(CLogCapture::Lines()[0].first, 0x02000000u);
  EXPECT_EQ(CLogCapture::Lines()[0].second,
            "^2RefData file : KV_GameRefData\\Long.txt has a token longer than 1048575 bytes");
  ASSERT_TRUE(skipping.Open("KV_GameRefData\\Long.txt"));
  skipping.SkipTokens(2, ok);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(skipping.TokenTooLong());
  EXPECT_EQ(CLogCapture::Lines().size(), 2u);

  CRefDataParser fits, fitsSkipping;
  ASSERT_TRUE(WriteAndOpen(dir, fits, "Fits.txt", "a\t" + std::string(0xFFFFF, 'y') + "\tb"));
  EXPECT_STREQ(fits.GetString(ok), "a");
  EXPECT_EQ(std::string(fits.GetString(ok)).size(), 0xFFFFFu);
  EXPECT_STREQ(fits.GetString(ok), "b");
  EXPECT_TRUE(ok);
  ASSERT_TRUE(fitsSkipping.Open("KV_GameRefData\\Fits.txt"));
  fitsSkipping.SkipTokens(2, ok);
  EXPECT_TRUE(ok);
  EXPECT_STREQ(fitsSkipping.GetString(ok), "b");
  EXPECT_EQ(CLogCapture::Lines().size(), 2u);
}

TEST(LineParser, columns_by_number) {
  CScratchDir dir;
  dir.Write("Lines.txt", "a\t\tc\r\n\r\nx\ty\r\nlast\tline\t");
  CRefDataParser2 parser;
  ASSERT_TRUE(parser.Open("KV_GameRefData\\Lines.txt"));

  const CLineParser* line = parser.ReadLine();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->Columns(), 3u);
  EXPECT_STREQ(line->Find(1), "") << "an empty token keeps its column";
  EXPECT_STREQ(line->Find(2), "c");
  EXPECT_EQ(line->Find(3), nullptr);

  line = parser.ReadLine();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->Columns(), 1u) << "an empty line holds one empty column";
  EXPECT_STREQ(line->Find(0), "");

  line = parser.ReadLine();
  ASSERT_NE(line, nullptr);
  EXPECT_STREQ(line->Find(1), "y");

  line = parser.ReadLine();
  ASSERT_NE(line, nullptr) << "a last line without CR LF counts";
  EXPECT_STREQ(line->Find(1), "line");
  EXPECT_EQ(line->Columns(), 2u) << "a TAB right before the data's end opens no column";
  EXPECT_EQ(parser.ReadLine(), nullptr);
  EXPECT_FALSE(parser.LineTooLong());
}

TEST(LineParser, over_long_line_stops_the_file) {
  CScratchDir dir;
  CLogCapture log;
  // A line with its CR LF of exactly 1048575 bytes fits; one byte more does not.
  std::string fits = "k\t" + std::string(0xFFFFF - 4, 'y') + "\r\n";
  dir.Write("Fits.txt", fits + fits + "next\r\n");
  CRefDataParser2 fitting;
  ASSERT_TRUE(fitting.Open("KV_GameRefData\\Fits.txt"));
  for (int i = 0; i < 2; ++i) {
    const CLineParser* line = fitting.ReadLine();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(strlen(line->Find(1)), 0xFFFFFu - 4);
  }
  ASSERT_NE(fitting.ReadLine(), nullptr);
  EXPECT_FALSE(fitting.LineTooLong());
  EXPECT_TRUE(CLogCapture::Lines().empty());

  std::string half(0x80000, 'z');
  dir.Write("Long.txt", "k\tv\r\n" + half + "\t" + std::string(0x80000 - 3, 'z') + "\r\nnext\r\n");
  CRefDataParser2 parser;
  ASSERT_TRUE(parser.Open("KV_GameRefData\\Long.txt"));
  ASSERT_NE(parser.ReadLine(), nullptr);
  EXPECT_EQ(parser.ReadLine(), nullptr);
  EXPECT_TRUE(parser.LineTooLong());
  EXPECT_EQ(parser.ReadLine(), nullptr);
  ASSERT_EQ(CLogCapture::Lines().size(), 1u);
  EXPECT_EQ(CLogCapture::Lines()[0].second,
            "^2Text RefData file KV_GameRefData\\Long.txt has a line longer than 1048575 bytes");
}

}  // namespace
