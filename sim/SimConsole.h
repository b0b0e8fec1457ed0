#pragma once
// The stand-in Kaldera console: a window that hosts the plug-in above its log view,
// the console's messenger, directory and log output, and the simulated servers behind
// them. Requests are answered asynchronously: a send posts a wake-up to the console
// window, and the answer reaches the plug-in's OnMessage from the message loop later.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AnswerSplits.h"
#include "GameLogService.h"
#include "KDLogService.h"
#include "LogPane.h"
#include "PagedLogService.h"
#include "PluginModule.h"
#include "ShardManager.h"
#include "SimConfig.h"
#include "SimDirectory.h"
#include "SimLog.h"
#include "SimMessenger.h"
#include "consoleside/ConsoleSideCalls.h"

struct SimRequest {
  uint16_t id = 0;
  std::vector<uint8_t> payload;
};

// What the last Start measured around the plug-in, for the start-up benchmark:
// performance-counter ticks when the entry began and returned, and the process's
// private bytes (its commit charge) before the module was loaded, before the entry and
// after it.
struct SimStartFigures {
  int64_t entryBegin = 0, entryEnd = 0, ticksPerSecond = 1;
  uint64_t privateBeforeModule = 0, privateBeforeEntry = 0, privateAfterEntry = 0;
  double EntrySeconds() const { return static_cast<double>(entryEnd - entryBegin) / static_cast<double>(ticksPerSecond); }
};

// What the plug-in's OnMessage took for the answers to the last request delivered (for
// the answer benchmark): when the first call began, in performance-counter ticks, and
// the seconds of all of them; count rises with every request delivered.
struct SimDeliveryFigures {
  int64_t begin = 0;
  double onMessageSeconds = 0;
  // The console's own share from the first answer on: showing the new log lines in
  // its pane (under Wine each line that scrolls the pane waits on the X server).
  double logPaneSeconds = 0;
  uint64_t count = 0;
};

struct SimConsoleArgs {
  std::string dllPath;
  SimConfig config;
  std::vector<KDLogRecord> kdlog;
  std::vector<GameLogEntry> gamelog;
  std::vector<PagedLogEntry<SiegeLogRow>> siegelog;
  std::vector<PagedLogEntry<ServerEventLogRow>> serverevent;
  int width = 1100;   // outer size of the console window
  int height = 860;
  bool show = true;
  bool quitOnClose = false;  // the program's main window ends the message loop
  // Calls into the plug-in, and the console objects it is handed, come from the part
  // built by the console's compiler (consoleside/) rather than from this one's.
  bool consoleCompilerCalls = false;
};

class CSimConsole {
 public:
  CSimConsole();
  ~CSimConsole();
  CSimConsole(const CSimConsole&) = delete;
  CSimConsole& operator=(const CSimConsole&) = delete;

  // Creates the console window, loads the DLL and calls its entry as the console
  // does. False with error set when any step fails (the window is then torn down).
  bool Start(const SimConsoleArgs& args, std::string* error);
  // Destroys the windows (the plug-in's with them), then frees the DLL.
  void Stop();

  HWND Window() const { return m_hwnd; }
  HWND PluginWindow() const;
  IKDPlugin* Plugin() const { return m_plugin; }
  // The console compiler's calls, when Start was asked for them; else null.
  CConsoleSideCalls* ConsoleCompilerCalls() const { return m_consoleCalls.get(); }
  const char* PluginName() const { return m_name; }
  const SimStartFigures& StartFigures() const { return m_figures; }
  const SimDeliveryFigures& LastDelivery() const { return m_delivery; }
  CSimLog& Log() { return m_log; }
  CSimMessenger& Messenger() { return *m_messenger; }
  const SimConfig& Config() const { return m_config; }
  // Every request the console has taken from the plug-in, in order.
  const std::vector<SimRequest>& Requests() const { return m_requests; }
  // How multi-part answers are cut (payload size -> ascending offsets); by default
  // parts of varying sizes.
  void SetSplitter(std::function<std::vector<size_t>(size_t)> splitter) { m_splitter = std::move(splitter); }

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Layout();
  void DeliverOne();
  void Serve(CMsg* request);
  void ServeKDLog(CMsg* request);
  void ServeRelay(CMsg* request);
  void HandOver(MassiveMsgBuilder* answer);
  void HandOver(CMsg* answer);
  // Calls the plug-in's OnMessage, timed; false when an exception left it.
  bool Offer(CMsg* msg, CMassiveMsg* massive, bool* taken);

  HWND m_hwnd = nullptr;
  SimConfig m_config;
  CSimLog m_log;
  CLogPane m_pane;
  std::unique_ptr<CSimMessenger> m_messenger;
  std::unique_ptr<CSimDirectory> m_directory;
  std::unique_ptr<CKDLogService> m_kdlog;
  std::unique_ptr<CShardManager> m_shards;
  std::unique_ptr<CGameLogService> m_gamelog;
  std::unique_ptr<CPagedLogService<SiegeLogRow>> m_siegelog;
  std::unique_ptr<CPagedLogService<ServerEventLogRow>> m_serverevent;
  CPluginModule m_module;
  std::unique_ptr<CConsoleSideCalls> m_consoleCalls;
  IKDPlugin* m_plugin = nullptr;
  char m_name[260] = {};
  uint32_t m_third = 0;  // the third interface: only its address is handed out
  SimStartFigures m_figures;
  SimDeliveryFigures m_delivery;
  bool m_quitOnClose = false;
  std::vector<SimRequest> m_requests;
  AnswerSplits m_splits;
  std::function<std::vector<size_t>(size_t)> m_splitter;
};
