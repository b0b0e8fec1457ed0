#pragma once
// KalderaSim's command line: where the plug-in and the console's data are, and the
// scripted steps that let tests and the demo run without a person.
#include <string>
#include <vector>

enum class SimStepKind { Tab, Set, Query, Click, Row, Menu, BoxClick, WaitMs, Screenshot, Quit };

struct SimStep {
  SimStepKind kind = SimStepKind::Quit;
  int number = 0;    // tab index, control id, row, menu command or milliseconds
  std::string text;  // control text or file name
};

struct SimArgs {
  std::string dll;     // empty: KV_UserLog.dll beside the program
  std::string config;  // empty: console.cfg beside the program
  std::string kdlog;   // empty: console_log.txt beside the program
  std::string gamelog; // empty: game_log.txt beside the program
  std::string siegelog;     // empty: siege_log.txt beside the program
  std::string serverevent;  // empty: server_event_log.txt beside the program
  int width = 1100, height = 860;
  bool help = false;
  std::vector<SimStep> steps;
};

bool ParseSimArgs(const std::vector<std::string>& argv, SimArgs* args, std::string* error);
const char* SimUsage();
