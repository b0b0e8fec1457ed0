#include <gtest/gtest.h>

#include <string>

#include "base/AnsiText.h"
#include "refdata/RefDataText.h"
#include "refdata/RefDataParser.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

const char kPath[] = "KV_GameRefData\\Text.txt";

// The text a whole-file conversion gives for UTF-16 bytes after the mark.
std::string Whole(const std::string& units) {
  HeapBuffer out;
  EXPECT_TRUE(ConvertUtf16ToAnsi(units.data(), units.size() / 2, &out));
  return std::string(out.data.get(), out.size);
}

std::string Loaded(CRefText& text) {
  EXPECT_EQ(text.Data()[text.Size()], '\0');
  return std::string(text.Data(), text.Size());
}

// A file read a slice at a time converts exactly as it would in one piece, wherever a
// surrogate pair, a multi-byte character or an odd last byte falls against the slices.
TEST(RefText, slices_convert_as_one_piece) {
  CScratchDir dir;
  const std::string pair("\x3d\xd8\x00\xde", 4);  // one character outside the basic plane
  const std::string hangul("\x5c\xd5", 2);
  // Units up to the first slice's end: the mark takes two of its bytes.
  const size_t unitsInFirstSlice = (CRefText::kSliceBytes - 2) / 2;
  for (size_t shift : {0, 1, 2, 3}) {
    for (const std::string* special : {&pair, &hangul}) {
      SCOPED_TRACE(testing::Message() << "shift " << shift << ", " << (special == &pair ? "pair" : "hangul"));
      std::string units;
      // The special character starts `shift` units before the first slice's last.
      for (size_t i = 0; i + 1 + shift < unitsInFirstSlice; ++i) units += std::string(i % 7 ? "a" : "\t") + '\0';
      units += *special;
      units += std::string("z\0\r\0\n\0", 6);
      CRefText text;
      dir.WriteBytes("Text.txt", "\xff\xfe" + units);
      ASSERT_TRUE(text.Load(kPath));
      EXPECT_EQ(Loaded(text), Whole(units));
      dir.WriteBytes("Text.txt", "\xff\xfe" + units + "x");
      ASSERT_TRUE(text.Load(kPath));
      EXPECT_EQ(Loaded(text), Whole(units)) << "an odd last byte is dropped";
    }
  }
  // Every unit at its widest fills the buffer to its last byte, the terminating zero.
  CRefText widest;
  dir.Write("Text.txt", "\xed\x95\x9c\xea\xb5\xad");
  ASSERT_TRUE(widest.Load(kPath));
  EXPECT_EQ(Loaded(widest), Whole(Utf16Le("\xed\x95\x9c\xea\xb5\xad", false)));

  // A pair cut by the file's end stays a lone half.
  dir.WriteBytes("Text.txt", std::string("\xff\xfe" "a\0\x3d\xd8", 6));
  CRefText text;
  ASSERT_TRUE(text.Load(kPath));
  EXPECT_EQ(Loaded(text), "a?");
}

// One buffer serves file after file: a smaller file after a larger leaves nothing of
// the larger behind, and a larger one after it is read whole.
TEST(RefText, one_buffer_serves_file_after_file) {
  CScratchDir dir;
  const std::string large(3 * CRefText::kSliceBytes, 'L');
  CRefText text;
  dir.Write("Text.txt", large);
  ASSERT_TRUE(text.Load(kPath));
  EXPECT_EQ(Loaded(text), large);
  dir.Write("Text.txt", "small");
  ASSERT_TRUE(text.Load(kPath));
  EXPECT_EQ(Loaded(text), "small");
  dir.Write("Text.txt", large + "!");
  ASSERT_TRUE(text.Load(kPath));
  EXPECT_EQ(Loaded(text), large + "!");

  // A file that fails leaves no text, and the next one reads normally.
  struct Case {
    const char* name;
    std::string bytes;
  } failures[] = {
      {"no bytes", ""},
      {"one byte", "\xff"},
      {"the mark alone", "\xff\xfe"},
      {"the mark and half a unit", "\xff\xfe" "a"},
  };
  for (const Case& c : failures) {
    SCOPED_TRACE(c.name);
    dir.WriteBytes("Text.txt", c.bytes);
    EXPECT_FALSE(text.Load(kPath));
    EXPECT_EQ(text.Size(), 0u);
  }
  EXPECT_FALSE(text.Load("KV_GameRefData\\Absent.txt"));
  EXPECT_FALSE(text.Load("KV_GameRefData")) << "a folder is no file";
  dir.Write("Text.txt", "again");
  ASSERT_TRUE(text.Load(kPath));
  EXPECT_EQ(Loaded(text), "again");
}

// A parser opened on a second file sees only that file's tokens, though the text
// before it filled more of the buffer.
TEST(RefText, parser_reopened_reads_only_the_new_file) {
  CScratchDir dir;
  CRefDataParser parser;
  bool ok = false;
  dir.Write("Text.txt", std::string(CRefText::kSliceBytes, 'x') + "\tlast\r\nmore\r\n");
  ASSERT_TRUE(parser.Open(kPath));
  parser.SkipTokens(1, ok);
  EXPECT_STREQ(parser.GetString(ok), "last");
  dir.Write("Text.txt", "a\tb");
  ASSERT_TRUE(parser.Open(kPath));
  EXPECT_STREQ(parser.GetString(ok), "a");
  EXPECT_STREQ(parser.GetString(ok), "b");
  EXPECT_TRUE(ok);
  EXPECT_TRUE(parser.Exhausted());
}

}  // namespace
