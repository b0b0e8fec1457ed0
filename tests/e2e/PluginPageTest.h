#pragma once
// A test on one of the hosted plug-in's pages: the page on show, and what the plug-in
// sent and said since the last mark.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "SimConsole.h"

using Lines = std::vector<std::pair<uint32_t, std::string>>;
using Rows = std::vector<std::vector<std::string>>;

class PluginPageTest : public ::testing::Test {
 protected:
  // Clicks tab `tab` and checks that the page on show holds control `marker`; a fatal
  // failure saying `what` when it does not.
  void ShowPage(size_t tab, int marker, const char* what);

  using Controls = std::initializer_list<std::pair<int, const char*>>;
  // Sets each control to its text as an operator would; a fatal failure naming the first
  // one that refuses.
  void SetControls(Controls controls);
  // ShowPage, then the controls set, and the console's answers cut into parts of at least
  // minPart bytes by AnswerSplits(seed).
  void OpenPage(size_t tab, int marker, const char* what, Controls controls, uint32_t seed, size_t minPart);

  // From here on Sent() and the lines from firstLine are the plug-in's new ones.
  void Mark();
  void Click(int button);
  // Marks, clicks and runs the loop until the plug-in reports an answer: a line that
  // says "log found", or the line `failed`.
  void PressForAnswer(int button, const char* failed);

  std::vector<SimRequest> Sent() const;
  // The payloads of Sent(), each as its bytes in a string.
  std::vector<std::string> Payloads() const;
  bool Enabled(int id) const;

  HWND page = nullptr;
  size_t firstLine = 0, firstRequest = 0;
};
