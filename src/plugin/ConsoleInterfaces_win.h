#pragma once
// The plug-in's side of the binary interface with the Kaldera console (i686, console
// built by another compiler): the entry record and the plug-in object. The console's
// messenger and directory are in msg/Console.h.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "base/LogOutput.h"
#include "msg/Console.h"
#include "msg/MassiveMsg.h"
#include "msg/Msg.h"

struct sPluginCreateInfo;

// Ours, handed to the console. Slot 4 is the console compiler's deleting destructor:
// one flags argument, bit 0 = free the memory. g++'s own virtual destructor would take
// two slots, so there is none before it.
class IKDPlugin {
 public:
  virtual bool Initialize(sPluginCreateInfo* info) = 0;     // slot 0
  virtual void ClearGameLog() = 0;                         // slot 1
  virtual HWND GetWindow() = 0;                            // slot 2
  virtual bool OnMessage(CMsg* msg, CMassiveMsg* massive) = 0;  // slot 3
  virtual void* DeletingDestructor(uint32_t flags) = 0;    // slot 4

 protected:
  ~IKDPlugin() = default;
};

struct sPluginCreateInfo {
  HWND hParent;                // 0
  IKDMessenger* pMessenger;    // 4
  IKDDirectory* pDirectory;    // 8
  void* pThird;                // 12: never used
  uint32_t startMode;          // 16: 1 = refuse to start
  uint32_t reserved;           // 20
  HINSTANCE hInstance;         // 24
  IKDPlugin* pPlugin;          // 28: out
  char* pName;                 // 32: 260 characters, out
  LogOutputFunc pLogOutput;    // 36: may be null
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(sPluginCreateInfo) == 40, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, hInstance) == 24, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pPlugin) == 28, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pName) == 32, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pLogOutput) == 36, "sPluginCreateInfo layout");
#endif

// The decorated name under which the console looks the entry up.
#define KV_CREATEPLUGIN_EXPORT "?CreatePlugin@@YA_NPAUsPluginCreateInfo@@@Z"
typedef bool(KV_CDECL* CreatePluginFunc)(sPluginCreateInfo* info);
