#pragma once
// The plug-in object the console drives: one static instance, holding the main window
// and its pages by value (objects only; the windows come with CreatePlugin).
#include <windows.h>

#include "plugin/ConsoleInterfaces_win.h"
#include "plugin/MainWindow_win.h"

class CKV_UserLog : public IKDPlugin {
 public:
  CKV_UserLog() = default;
  ~CKV_UserLog();

  bool Initialize(sPluginCreateInfo* info) override;
  void ClearGameLog() override;
  HWND GetWindow() override;
  bool OnMessage(CMsg* msg, CMassiveMsg* massive) override;
  void* DeletingDestructor(uint32_t flags) override;

 private:
  CMainWindow m_mainWindow;
};

// The exported entry (exported under the console's decorated name by the .def file).
bool KV_CDECL CreatePlugin(sPluginCreateInfo* info);
