#pragma once
// The plug-in DLL as the console loads it: LoadLibrary, then the entry by its
// decorated name.
#include <windows.h>

#include <string>

#include "plugin/ConsoleInterfaces_win.h"

class CPluginModule {
 public:
  CPluginModule() = default;
  ~CPluginModule() { Unload(); }
  CPluginModule(const CPluginModule&) = delete;
  CPluginModule& operator=(const CPluginModule&) = delete;

  bool Load(const char* path, std::string* error);
  // Frees the library; every window of the plug-in must be gone before.
  void Unload();
  CreatePluginFunc Entry() const { return m_entry; }
  HINSTANCE Instance() const { return m_module; }

 private:
  HMODULE m_module = nullptr;
  CreatePluginFunc m_entry = nullptr;
};
