#pragma once
// KalderaSim's handle on the part the console's compiler builds: it opens that part
// over the sim's messenger, directory and log, and calls the plug-in through it, so the
// tables and conventions on the console's side of every call are that compiler's.
#include <windows.h>

#include <memory>

#include "ConsoleSide.h"
#include "SimLog.h"
#include "plugin/ConsoleInterfaces_win.h"

struct KvSimSide {
  IKDMessenger* messenger;
  IKDDirectory* directory;
  CSimLog* log;
};

class CConsoleSideCalls {
 public:
  CConsoleSideCalls(IKDMessenger* messenger, IKDDirectory* directory, CSimLog* log);
  CConsoleSideCalls(const CConsoleSideCalls&) = delete;
  CConsoleSideCalls& operator=(const CConsoleSideCalls&) = delete;

  // The entry, with a record of the console's objects and these values; the values
  // stay for Initialize.
  bool CreatePlugin(CreatePluginFunc entry, HWND parent, HINSTANCE instance, char* name, IKDPlugin** plugin);
  // Slot 0 with a fresh record of the same values; *handedOut gets its plug-in word.
  bool Initialize(IKDPlugin* plugin, IKDPlugin** handedOut);
  void ClearGameLog(IKDPlugin* plugin) { KvPluginClearGameLog(plugin); }
  HWND GetWindow(IKDPlugin* plugin) { return static_cast<HWND>(KvPluginGetWindow(plugin)); }
  bool OnMessage(IKDPlugin* plugin, CMsg* msg, CMassiveMsg* massive) {
    return KvPluginOnMessage(plugin, msg, massive) != 0;
  }
  // Slot 4 as the console's compiler calls it for p->~IKDPlugin() (flags 0) and for
  // delete p (flags 1).
  void Destroy(IKDPlugin* plugin) { KvPluginDestroy(plugin); }
  void Delete(IKDPlugin* plugin) { KvPluginDelete(plugin); }

 private:
  KvSimSide m_sim;
  std::unique_ptr<void*[]> m_storage;
  KvConsoleSide* m_side;
  KvStartArgs m_start{};
};
