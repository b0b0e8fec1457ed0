#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/AssertReport.h"

namespace {

struct Seen {
  std::vector<std::string> boxes;
  std::vector<int> exits;
  bool answerOk = true;
  bool debugger = false;
};
Seen g_seen;

bool RecordBox(const char* text) {
  g_seen.boxes.push_back(text);
  return g_seen.answerOk;
}
void RecordExit(int code) { g_seen.exits.push_back(code); }
bool Debugger() { return g_seen.debugger; }

class AssertReport : public testing::Test {
 protected:
  void SetUp() override {
    g_seen = Seen();
    AssertionUi ui;
    ui.showBox = RecordBox;
    ui.exitProcess = RecordExit;
    ui.debuggerAttached = Debugger;
    SetAssertionUi(&ui);
  }
  void TearDown() override { SetAssertionUi(nullptr); }
};

TEST_F(AssertReport, without_debugger_shows_stack_and_ok_carries_on) {
  EXPECT_TRUE(ReportAssertion(894, "KV_GameRefData", "%s", "false"));
  EXPECT_TRUE(AssertionReported());
  ASSERT_EQ(g_seen.boxes.size(), 1u);
  const std::string& text = g_seen.boxes[0];
  const std::string head =
      "Debug Assertion Failed.\n\nExpression : false\nLine : 894\nFile : KV_GameRefData\n\nCallStack:\n";
  EXPECT_EQ(text.compare(0, head.size(), head), 0) << text;
  const std::string tail = "\n\n(press \"ok\" to advance, press \"cancel\" to exit)";
  ASSERT_GT(text.size(), head.size() + tail.size()) << "the call stack is not empty";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_TRUE(g_seen.exits.empty());
}

TEST_F(AssertReport, with_debugger_no_stack_and_ok_asks_for_a_break) {
  g_seen.debugger = true;
  EXPECT_FALSE(ReportAssertion(12, "File.cpp", "count %d < %d", 3, 2));
  ASSERT_EQ(g_seen.boxes.size(), 1u);
  EXPECT_EQ(g_seen.boxes[0],
            "Debug Assertion Failed.\n\nExpression : count 3 < 2\nLine : 12\nFile : File.cpp\n\n"
            "(press \"ok\" to advance, press \"cancel\" to exit)");
}

TEST_F(AssertReport, cancel_ends_the_process_with_code_0) {
  g_seen.answerOk = false;
  ReportAssertion(1, "F", "x");
  ASSERT_EQ(g_seen.exits.size(), 1u);
  EXPECT_EQ(g_seen.exits[0], 0);
}

TEST_F(AssertReport, texts_that_do_not_fit_give_false_without_a_box) {
  std::string expression(1023, 'e');
  g_seen.debugger = true;
  ReportAssertion(1, "F", "%s", expression.c_str());
  EXPECT_EQ(g_seen.boxes.size(), 1u) << "1023 characters still fit";

  expression += 'e';
  EXPECT_FALSE(ReportAssertion(1, "F", "%s", expression.c_str()));
  EXPECT_EQ(g_seen.boxes.size(), 1u) << "1024 do not";

  std::string file(4000, 'f');
  EXPECT_FALSE(ReportAssertion(1, file.c_str(), "x"));
  EXPECT_EQ(g_seen.boxes.size(), 1u) << "the box text would pass 4096 characters";
}

TEST_F(AssertReport, long_expression_cuts_the_stack_not_the_report) {
  std::string expression(1000, 'e');
  std::string file(2900, 'f');
  EXPECT_TRUE(ReportAssertion(1, file.c_str(), "%s", expression.c_str()));
  ASSERT_EQ(g_seen.boxes.size(), 1u);
  EXPECT_LE(g_seen.boxes[0].size(), 4095u);
  const std::string tail = "\n\n(press \"ok\" to advance, press \"cancel\" to exit)";
  EXPECT_EQ(g_seen.boxes[0].substr(g_seen.boxes[0].size() - tail.size()), tail);
}

}  // namespace
