#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/AnsiText.h"
#include "base/MemoryFileReader.h"
#include "refdata/RefDataLoad.h"
#include "refdata/RefDataParser.h"
#include "refdata/RefDataText.h"
#include "refdata/RefServerEventID.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

const char kPath[] = "KV_GameRefData\\Text.txt";

// The text a whole-file conversion gives for UTF-16 bytes after the mark.
std::string Whole(const std::string& units) {
  HeapBuffer out;
  EXPECT_TRUE(ConvertUtf16ToAnsi(units.data(), units.size() / 2, &out));
  return std::string(out.data.get(), out.size);
}

std::string Loaded(const char* path = kPath) {
  std::string text;
  EXPECT_TRUE(ReadWholeRefText(path, &text));
  return text;
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
      dir.WriteBytes("Text.txt", "\xff\xfe" + units);
      EXPECT_TRUE(Loaded() == Whole(units));
      dir.WriteBytes("Text.txt", "\xff\xfe" + units + "x");
      EXPECT_TRUE(Loaded() == Whole(units)) << "an odd last byte is dropped";
    }
  }
  // Every unit at its widest fills the window to its last byte, the terminating zero.
  std::string widest;
  for (size_t i = 0; i < CRefText::kSliceBytes; ++i) widest += "\xed\x95\x9c";
  dir.Write("Text.txt", widest);
  CRefText text;
  ASSERT_TRUE(text.Open(kPath));
  while (!text.Complete()) text.Refill(text.Ready());
  EXPECT_EQ(text.Data()[text.Size()], '\0');
  EXPECT_TRUE(Loaded() == Whole(Utf16Le(widest, false))) << "compared whole";

  // A pair cut by the file's end stays a lone half.
  dir.WriteBytes("Text.txt", std::string("\xff\xfe" "a\0\x3d\xd8", 6));
  EXPECT_EQ(Loaded(), "a?");
}

// One window serves file after file: a smaller file after a larger leaves nothing of
// the larger behind, and a larger one after it is read whole. Text kept across a
// refill moves to the window's start, and the window grows for more than it has room.
TEST(RefText, one_window_serves_file_after_file) {
  CScratchDir dir;
  std::string large;
  for (size_t i = 0; large.size() < 3 * CRefText::kSliceBytes; ++i) large += std::to_string(i) + '\t';
  CRefText text;
  // Everything kept: the window grows to the whole text, which never moves.
  dir.Write("Text.txt", large);
  ASSERT_TRUE(text.Open(kPath));
  EXPECT_FALSE(text.Complete());
  while (!text.Complete()) EXPECT_EQ(text.Refill(text.Data()), 0u);
  EXPECT_TRUE(std::string(text.Data(), text.Size()) == large) << "compared whole";
  EXPECT_EQ(text.Data()[text.Size()], '\0');

  // Part kept: the offset moves down by what was dropped before it.
  ASSERT_TRUE(text.Open(kPath));
  const size_t keep = text.Size() - 10;
  const std::string kept(text.Data() + keep, 10);
  EXPECT_EQ(text.Refill(text.Data() + keep), keep);
  EXPECT_EQ(std::string(text.Data(), 10), kept);
  EXPECT_GT(text.Size(), 10u + 3) << "more text behind the kept";
  EXPECT_EQ(large.compare(keep, text.Size(), text.Data(), text.Size()), 0);
  while (!text.Complete()) text.Refill(text.Ready());  // the file stays open until then

  dir.Write("Text.txt", "small");
  ASSERT_TRUE(text.Open(kPath));
  EXPECT_TRUE(text.Complete());
  EXPECT_EQ(std::string(text.Data(), text.Size() + 1), std::string("small", 6));
  dir.Write("Text.txt", large + "!");
  EXPECT_TRUE(Loaded() == large + "!") << "compared whole";

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
    EXPECT_FALSE(text.Open(kPath));
    EXPECT_EQ(text.Size(), 0u);
  }
  EXPECT_FALSE(text.Open("KV_GameRefData\\Absent.txt"));
  EXPECT_FALSE(text.Open("KV_GameRefData")) << "a folder is no file";
  dir.Write("Text.txt", "again");
  ASSERT_TRUE(text.Open(kPath));
  EXPECT_EQ(std::string(text.Data(), text.Size()), "again");
}

#ifndef _WIN32
// A file cut short after it was opened (Windows keeps writers out while it is open):
// the text ends where reading stopped, and the failure shows; a loop that waited for
// the rest would never end.
TEST(RefText, file_cut_short_while_read_ends_the_text) {
  CScratchDir dir;
  dir.Write("Text.txt", std::string(3 * CRefText::kSliceBytes, 'a') + "\tb");
  CRefDataParser parser;
  ASSERT_TRUE(parser.Open(kPath));
  std::filesystem::resize_file("KV_GameRefData/Text.txt", CRefText::kSliceBytes);
  bool ok = false;
  parser.SkipTokens(2, ok);
  EXPECT_FALSE(ok);
  EXPECT_TRUE(parser.Exhausted());
  EXPECT_TRUE(parser.ReadFailed());
  EXPECT_FALSE(parser.TokenTooLong());

  std::string text;
  dir.Write("Text.txt", std::string(3 * CRefText::kSliceBytes, 'a'));
  CRefText window;
  ASSERT_TRUE(window.Open(kPath));
  std::filesystem::resize_file("KV_GameRefData/Text.txt", CRefText::kSliceBytes);
  while (!window.Complete()) window.Refill(window.Data());
  EXPECT_TRUE(window.ReadFailed());
  EXPECT_TRUE(std::string(window.Data(), window.Size() + 1) == std::string(CRefText::kSliceBytes / 2 - 1, 'a') + '\0');
}
#endif

// A loader whose parser is given a reader takes the file from it, over several slices,
// with the same paths in its messages; a path the reader does not serve is missing. Given
// none again, the parser reads the disk.
TEST(RefText, loader_reads_through_the_reader_it_is_given) {
  CScratchDir dir;
  CLogCapture log;
  const char kEvents[] = "KV_GameRefData\\RefServerEventID.txt";
  dir.Write("RefServerEventID.txt", "7\r\n");
  std::string text;
  uint32_t events = 0;
  while (text.size() < CRefText::kSliceBytes) text += std::to_string(++events) + "\r\n";
  const std::string bytes = Utf16Le(text);
  CMemoryFileReader memory;
  memory.Serve(kEvents, bytes.data(), bytes.size());
  CRefDataParser parser;
  parser.ReadFrom(&memory);
  CRefTable<RefServerEventID> table;
  EXPECT_TRUE(LoadRefDataFile(kEvents, table, parser));
  EXPECT_EQ(table.Size(), events);
  EXPECT_NE(table.Find(events), nullptr);
  EXPECT_FALSE(LoadRefDataFile("KV_GameRefData\\Other.txt", table, parser));
  EXPECT_EQ(log.Lines(), (LogLines{{0x01000000u, "RefData file : KV_GameRefData\\Other.txt missing!"}}));

  parser.ReadFrom(nullptr);
  CRefTable<RefServerEventID> fromDisk;
  EXPECT_TRUE(LoadRefDataFile(kEvents, fromDisk, parser));
  EXPECT_EQ(fromDisk.Size(), 1u);
  EXPECT_NE(fromDisk.Find(7), nullptr);
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
