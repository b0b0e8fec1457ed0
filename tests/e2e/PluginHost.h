#pragma once
// One console hosting the real plug-in for the whole test program: the plug-in
// registers its window classes once per process, so it is started once and shared.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SimConsole.h"
#include "common/SampleRefData.h"

struct HostedPlugin {
  std::unique_ptr<CSampleRefDataDir> refData;  // the current directory while the plug-in runs
  CSimConsole console;
  std::string startError;
  HWND pageAtStart = nullptr;  // the page on show right after CreatePlugin
};

// Started on first use with the test farm and the test operator log; stopped when
// the program ends.
HostedPlugin& Host();

// Clicks tab `index` and runs the loop until its page shows; the page or null.
HWND ShowTab(size_t index);

// The plug-in's log lines (class word, text) from line `from` on.
std::vector<std::pair<uint32_t, std::string>> PluginLines(size_t from);

// The first world of the test farm.
extern const char kTestWorld[];
