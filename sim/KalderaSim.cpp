// KalderaSim: the stand-in Kaldera console. Hosts the plug-in DLL above a log view,
// answers its requests from simulated servers, and runs scripted steps for tests and
// the demo (see SimUsage).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SampleLogs.h"
#include "ScriptRunner.h"
#include "ShownPath.h"
#include "SimArgs.h"
#include "SimConfig.h"
#include "SimConsole.h"

namespace {

void Say(const std::string& line) {
  printf("KalderaSim: %s\n", line.c_str());
  fflush(stdout);
}

std::string BesideProgram(const char* file) {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  size_t slash = dir.find_last_of("\\/");
  return (slash == std::string::npos ? std::string() : dir.substr(0, slash + 1)) + file;
}

// The console echoes every log line to standard output as well, so a scripted run
// leaves a readable record of what the plug-in reported.
void EchoLog(CSimConsole* console, size_t* echoed) {
  const auto& lines = console->Log().Lines();
  for (; *echoed < lines.size(); ++*echoed) {
    const SimLogLine& l = lines[*echoed];
    if (l.fromConsole)
      printf("  console: %s\n", l.text.c_str());
    else
      printf("  log[0x%08X]: %s\n", static_cast<unsigned>(l.classWord), l.text.c_str());
  }
  fflush(stdout);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::vector<std::string> argv(__argv + 1, __argv + __argc);
  SimArgs args;
  std::string error;
  if (!ParseSimArgs(argv, &args, &error)) {
    fprintf(stderr, "KalderaSim: %s\n\n%s", error.c_str(), SimUsage());
    return 2;
  }
  if (args.help) {
    fputs(SimUsage(), stdout);
    return 0;
  }

  SimConsoleArgs start;
  start.dllPath = args.dll.empty() ? BesideProgram("KV_UserLog.dll") : args.dll;
  start.width = args.width;
  start.height = args.height;
  start.quitOnClose = true;
  std::string configPath = args.config.empty() ? BesideProgram("console.cfg") : args.config;
  std::string kdlogPath = args.kdlog.empty() ? BesideProgram("console_log.txt") : args.kdlog;
  std::string gamelogPath = args.gamelog.empty() ? BesideProgram("game_log.txt") : args.gamelog;
  std::string siegelogPath = args.siegelog.empty() ? BesideProgram("siege_log.txt") : args.siegelog;
  std::string servereventPath = args.serverevent.empty() ? BesideProgram("server_event_log.txt") : args.serverevent;
  if (!LoadSimConfig(configPath.c_str(), &start.config, &error) ||
      !LoadKDLogRecords(kdlogPath.c_str(), &start.kdlog, &error) ||
      !LoadGameLogRecords(gamelogPath.c_str(), &start.gamelog, &error) ||
      !LoadSiegeLog(siegelogPath.c_str(), &start.siegelog, &error) ||
      !LoadServerEventLog(servereventPath.c_str(), &start.serverevent, &error)) {
    fprintf(stderr, "KalderaSim: %s\n", error.c_str());
    return 2;
  }

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  CSimConsole console;
  size_t echoed = 0;
  console.Log().Note("console log service holds %u records from %s", static_cast<unsigned>(start.kdlog.size()),
                     PathFromWorkingFolder(kdlogPath).c_str());
  console.Log().Note("shard managers hold %u game log records from %s", static_cast<unsigned>(start.gamelog.size()),
                     PathFromWorkingFolder(gamelogPath).c_str());
  console.Log().Note("shard managers hold %u siege log records from %s", static_cast<unsigned>(start.siegelog.size()),
                     PathFromWorkingFolder(siegelogPath).c_str());
  console.Log().Note("shard managers hold %u server event log records from %s",
                     static_cast<unsigned>(start.serverevent.size()), PathFromWorkingFolder(servereventPath).c_str());
  if (!console.Start(start, &error)) {
    EchoLog(&console, &echoed);
    fprintf(stderr, "KalderaSim: %s\n", error.c_str());
    return 2;
  }
  CScriptRunner runner(&console, args.steps, [&](const std::string& line) {
    EchoLog(&console, &echoed);
    Say(line);
  });
  runner.Start();

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    EchoLog(&console, &echoed);
  }
  console.Stop();
  EchoLog(&console, &echoed);
  return runner.Failures() ? 1 : 0;
}
