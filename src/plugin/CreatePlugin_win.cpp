#include "base/LogOutput.h"
#include "msg/Console.h"
#include "plugin/KV_UserLog_win.h"

namespace {
// Teardown at unload runs in the reverse order of construction:
// 1. g_plugin: its main window destroys the window tree while every window object is
//    whole, then the objects go;
// 2. the window map, the hook map and what the list keys share: function-local statics
//    completed while g_plugin was being built (by its first window object and its first
//    page's keys), so they outlive it;
// 3. the console links and the log function: plain pointers, nothing to release.
CKV_UserLog g_plugin;
}  // namespace

bool KV_CDECL CreatePlugin(sPluginCreateInfo* info) {
  if (!info || info->startMode == 1) return false;
  ConsoleLinks& links = Console();
  links.directory = info->pDirectory;
  SetLogOutputFunc(info->pLogOutput);
  links.messenger = info->pMessenger;
  // The console hands its network object out at this point of the start; nothing here
  // uses it.
  if (info->pMessenger) info->pMessenger->GetNetwork();
  return g_plugin.Initialize(info);
}
