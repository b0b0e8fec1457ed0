#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "base/AnsiText.h"
#include "base/FileRead.h"
#include "unit/refdata/RefDataFiles.h"

namespace fs = std::filesystem;

namespace {

// "한국어" in UTF-16LE, and the same in code page 949.
const char kKoreanUtf16[] = "\x5c\xd5\x6d\xad\xb4\xc5";
const char kKorean949[] = "\xc7\xd1\xb1\xb9\xbe\xee";

class KoreanCodePage : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 949u) << "needs LANG=ko_KR.UTF-8 (Wine then uses code page 949)";
  }
};

TEST_F(KoreanCodePage, converts_to_949_bytes) {
  HeapBuffer out;
  ASSERT_TRUE(ConvertUtf16ToAnsi(kKoreanUtf16, 3, &out));
  EXPECT_EQ(std::string(out.data.get(), out.size), kKorean949);
  EXPECT_EQ(out.data.get()[out.size], '\0');

  // A character the code page lacks becomes its default character.
  ASSERT_TRUE(ConvertUtf16ToAnsi("\x01\x0e" "A\x00", 2, &out));
  EXPECT_EQ(std::string(out.data.get(), out.size), "?A");
}

TEST_F(KoreanCodePage, reference_text_file_reads_as_949) {
  fs::path path = fs::temp_directory_path() / "kv_ansi_win_test.txt";
  std::string bytes = std::string("\xff\xfe") + kKoreanUtf16 + std::string("\t\x00\r\x00\n\x00", 6);
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  std::string text;
  ASSERT_TRUE(ReadWholeRefText(path.string().c_str(), &text));
  EXPECT_EQ(text, std::string(kKorean949) + "\t\r\n");
  fs::remove(path);
}

TEST(FileReadWin, shares_read_access_only) {
  fs::path path = fs::temp_directory_path() / "kv_fileread_win_test.txt";
  std::ofstream(path, std::ios::binary) << "abc";
  std::string name = path.string();

  HANDLE reader = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  HeapBuffer buf;
  EXPECT_TRUE(FileReadWhole(name.c_str(), &buf)) << "another reader does not stop the read";
  EXPECT_EQ(std::string(buf.data.get(), buf.size), "abc");
  CloseHandle(reader);

  HANDLE writer = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(FileReadWhole(name.c_str(), &buf)) << "a file held exclusively cannot be read";
  CloseHandle(writer);

  EXPECT_FALSE(FileReadWhole((name + ".absent").c_str(), &buf)) << "existing files only";
  fs::remove(path);
}

}  // namespace
