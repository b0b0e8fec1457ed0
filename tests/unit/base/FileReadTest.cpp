#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/AnsiText.h"
#include "base/FileRead.h"

namespace fs = std::filesystem;

namespace {

TEST(FileRead, whole_file_through_a_backslash_path) {
  // The clock keeps test programs of several build folders, run at once, apart.
  fs::path root = fs::temp_directory_path() /
                  ("kv_fileread_test_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(root / "sub");
  std::string bytes("a\0b\r\nc", 6);
  std::ofstream(root / "sub" / "data.bin", std::ios::binary).write(bytes.data(), 6);
  fs::path previous = fs::current_path();
  fs::current_path(root);

  HeapBuffer buf;
  ASSERT_TRUE(FileReadWhole("sub\\data.bin", &buf));
  ASSERT_EQ(buf.size, 6u);
  EXPECT_EQ(0, memcmp(buf.data.get(), bytes.data(), 6));

  EXPECT_FALSE(FileReadWhole("sub\\absent.bin", &buf));
  EXPECT_EQ(buf.size, 0u);
  EXPECT_FALSE(FileReadWhole("sub", &buf)) << "a folder is no file";

  fs::current_path(previous);
  fs::remove_all(root);
}

#ifndef _WIN32
// Native builds convert to UTF-8, which tests and tools rely on.
TEST(AnsiText, native_conversion_is_utf8) {
  struct Case {
    const char* name;
    std::string utf16;
    std::string expected;
  } cases[] = {
      {"Korean", std::string("\x5c\xd5\x6d\xad\xb4\xc5", 6), "\xed\x95\x9c\xea\xb5\xad\xec\x96\xb4"},
      {"two-byte form", std::string("\xe9\x00", 2), "\xc3\xa9"},
      {"surrogate pair", std::string("\x3d\xd8\x00\xde", 4), "\xf0\x9f\x98\x80"},
      {"lone high surrogate", std::string("\x3d\xd8" "A\x00", 4), "?A"},
      {"lone low surrogate at the end", std::string("B\x00\x00\xde", 4), "B?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Offset by one byte: the source need not be aligned.
    std::string shifted = " " + c.utf16;
    HeapBuffer out;
    ASSERT_TRUE(ConvertUtf16ToAnsi(shifted.data() + 1, c.utf16.size() / 2, &out));
    EXPECT_EQ(std::string(out.data.get(), out.size), c.expected);
    EXPECT_EQ(out.data.get()[out.size], '\0');
  }
}
#endif

}  // namespace
