#pragma once
// The plug-in boundary as the console declares it, for the console's compiler: that
// compiler lays out these tables and makes these calls. Built without any header from
// outside the project; stddef.h and stdint.h are the compiler's own.
#include <stddef.h>
#include <stdint.h>

#if !defined(_MSC_VER) || !defined(_M_IX86)
#error "the console's side is built for the i686 Windows target of the console's compiler"
#endif

// Records the console only passes along; their layouts are the plug-in's business here.
struct CMsg;
struct CMassiveMsg;
struct sPluginCreateInfo;

// The plug-in object: four operations, then the virtual destructor, which this compiler
// gives one slot taking a flags word (bit 0: free the memory).
class IKDPlugin {
 public:
  virtual bool Initialize(sPluginCreateInfo* info) = 0;         // 0
  virtual void ClearGameLog() = 0;                              // 1
  virtual void* GetWindow() = 0;                                // 2
  virtual bool OnMessage(CMsg* msg, CMassiveMsg* massive) = 0;  // 3
  virtual ~IKDPlugin() = 0;                                     // 4
};

class CConsoleMessenger;
class CConsoleDirectory;
typedef void(__cdecl* LogOutputFunc)(uint32_t classWord, const char* text);

struct sPluginCreateInfo {
  void* hParent;
  CConsoleMessenger* pMessenger;
  CConsoleDirectory* pDirectory;
  void* pThird;
  uint32_t startMode;
  uint32_t reserved;
  void* hInstance;
  IKDPlugin* pPlugin;
  char* pName;
  LogOutputFunc pLogOutput;
};

static_assert(sizeof(sPluginCreateInfo) == 40, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pMessenger) == 4, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pDirectory) == 8, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pThird) == 12, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, startMode) == 16, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, hInstance) == 24, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pPlugin) == 28, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pName) == 32, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pLogOutput) == 36, "sPluginCreateInfo layout");
