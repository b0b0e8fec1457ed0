// The console's calls into the plug-in, made by the console's compiler: the entry
// through its own pointer type, the operations through the table it lays out.
#include "ConsoleObjects.h"

namespace {

typedef bool(__cdecl* CreatePluginFunc)(sPluginCreateInfo* info);

void __cdecl ConsoleLogOutput(uint32_t classWord, const char* text) { KvSimLogOutput(classWord, text); }

void FillCreateInfo(KvConsoleSide* side, const KvStartArgs* args, sPluginCreateInfo* info) {
  info->hParent = args->parent;
  info->pMessenger = &side->messenger;
  info->pDirectory = &side->directory;
  info->pThird = &side->third;
  info->startMode = args->startMode;
  info->reserved = 0;
  info->hInstance = args->instance;
  info->pPlugin = nullptr;
  info->pName = args->name;
  info->pLogOutput = &ConsoleLogOutput;
}

IKDPlugin* Plugin(void* plugin) { return static_cast<IKDPlugin*>(plugin); }

}  // namespace

extern "C" int __cdecl KvConsoleCreatePlugin(KvConsoleSide* side, void* entry, const KvStartArgs* args, void** plugin) {
  sPluginCreateInfo info;
  FillCreateInfo(side, args, &info);
  const bool started = reinterpret_cast<CreatePluginFunc>(entry)(&info);
  *plugin = info.pPlugin;
  return started ? 1 : 0;
}

extern "C" int __cdecl KvPluginInitialize(KvConsoleSide* side, void* plugin, const KvStartArgs* args,
                                          void** handedOut) {
  sPluginCreateInfo info;
  FillCreateInfo(side, args, &info);
  const bool done = Plugin(plugin)->Initialize(&info);
  *handedOut = info.pPlugin;
  return done ? 1 : 0;
}

extern "C" void __cdecl KvPluginClearGameLog(void* plugin) { Plugin(plugin)->ClearGameLog(); }

extern "C" void* __cdecl KvPluginGetWindow(void* plugin) { return Plugin(plugin)->GetWindow(); }

extern "C" int __cdecl KvPluginOnMessage(void* plugin, void* msg, void* massive) {
  return Plugin(plugin)->OnMessage(static_cast<CMsg*>(msg), static_cast<CMassiveMsg*>(massive)) ? 1 : 0;
}

extern "C" void __cdecl KvPluginDestroy(void* plugin) { Plugin(plugin)->~IKDPlugin(); }

extern "C" void __cdecl KvPluginDelete(void* plugin) { delete Plugin(plugin); }
