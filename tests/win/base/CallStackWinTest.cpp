#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/CallStack.h"

namespace {

std::vector<std::string> Lines(const char* text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

char g_stack[16384];  // room for 64 frames with long source paths

// Called through volatile pointers so the compiler keeps every frame.
void CaptureHere() {
  CaptureCallStack(g_stack, sizeof g_stack, 0, nullptr);
  g_stack[sizeof g_stack - 1] = '\0';  // keeps the capture from being a tail call
}
void (*volatile g_capture)() = CaptureHere;

void Recurse(int depth);
void (*volatile g_recurse)(int) = Recurse;
void Recurse(int depth) {
  if (depth == 0) CaptureCallStack(g_stack, sizeof g_stack, kCallStackSkippedFrames, nullptr);
  else g_recurse(depth - 1);
  g_stack[sizeof g_stack - 1] = '\0';  // keeps this call from being a tail call
}

// Captures as the assertion report does, leaving out its own frame.
void FakeReport() {
  CaptureCallStack(g_stack, sizeof g_stack, kCallStackSkippedFrames, nullptr);
  g_stack[sizeof g_stack - 1] = '\0';
}
void (*volatile g_fakeReport)() = FakeReport;
void CodeThatReports() {
  g_fakeReport();
  g_stack[sizeof g_stack - 1] = '\0';
}
void (*volatile g_codeThatReports)() = CodeThatReports;

TEST(CallStackWin, listing_starts_at_the_code_that_reported) {
  g_codeThatReports();
  std::vector<std::string> lines = Lines(g_stack);
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("CodeThatReports"), std::string::npos) << g_stack;
}

TEST(CallStackWin, frames_name_module_and_function) {
  g_capture();
  std::vector<std::string> lines = Lines(g_stack);
  ASSERT_GE(lines.size(), 2u) << g_stack;
  for (const std::string& line : lines) {
    EXPECT_EQ(line.compare(0, 1, "\t"), 0) << line;
    EXPECT_NE(line.find(": "), std::string::npos) << line;
  }
  bool found = false;
  for (const std::string& line : lines) {
    if (line.compare(0, 10, "\twin_base:") == 0 && line.find("CaptureHere") != std::string::npos) found = true;
  }
  EXPECT_TRUE(found) << "the capturing function is named with its module\n" << g_stack;
}

TEST(CallStackWin, at_most_64_frames_less_the_skipped) {
  g_recurse(100);
  std::vector<std::string> lines = Lines(g_stack);
  EXPECT_EQ(lines.size(), static_cast<size_t>(kCallStackMaxFrames - kCallStackSkippedFrames)) << g_stack;
}

}  // namespace
