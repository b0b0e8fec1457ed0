#pragma once
/* The plain C seam between KalderaSim and the part of it that the console's compiler
 * builds (clang for the i686 Windows target of that compiler). That part calls into the
 * plug-in and implements the objects the console hands over; KalderaSim's own
 * messenger, directory and log stay behind it. Only C types and free __cdecl functions
 * cross, so neither compiler's class layout or member call convention leaks across. */
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* KalderaSim's side (MinGW): what the console's objects forward to. */
typedef struct KvSimSide KvSimSide;
/* The console compiler's side: its messenger, directory, third interface and network
 * object, in storage that KalderaSim provides. */
typedef struct KvConsoleSide KvConsoleSide;

/* The values of the entry record the console fills in. */
typedef struct KvStartArgs {
  void* parent;       /* the console window */
  void* instance;     /* the plug-in module's handle */
  uint32_t startMode; /* 1: the plug-in refuses to start */
  char* name;         /* 260 characters, receives the plug-in's name */
} KvStartArgs;

/* Built by the console's compiler. Storage must hold KvConsoleSideSize() bytes, aligned
 * for a pointer, and outlive every call of the plug-in. */
size_t __cdecl KvConsoleSideSize(void);
KvConsoleSide* __cdecl KvConsoleSideOpen(void* storage, KvSimSide* sim);
/* Calls the entry through the console's own pointer type; *plugin gets the record's
 * plug-in word. Returns the entry's bool as 0 or 1. */
int __cdecl KvConsoleCreatePlugin(KvConsoleSide* side, void* entry, const KvStartArgs* args, void** plugin);
/* The plug-in object's slots, called as the console calls them. */
int __cdecl KvPluginInitialize(KvConsoleSide* side, void* plugin, const KvStartArgs* args, void** handedOut); /* 0 */
void __cdecl KvPluginClearGameLog(void* plugin);                                                              /* 1 */
void* __cdecl KvPluginGetWindow(void* plugin);                                                                /* 2 */
int __cdecl KvPluginOnMessage(void* plugin, void* msg, void* massive);                                        /* 3 */
void __cdecl KvPluginDestroy(void* plugin); /* 4, as p->~IKDPlugin(): flags 0 */
void __cdecl KvPluginDelete(void* plugin);  /* 4, as delete p: flags 1 */

/* Built by MinGW: KalderaSim's messenger, directory and log behind the console's
 * objects. */
void* __cdecl KvSimAllocMsg(KvSimSide* sim, uint32_t id);
void __cdecl KvSimSendMsg(KvSimSide* sim, void* msg);
void* __cdecl KvSimFindService(KvSimSide* sim, uint32_t id);
void* __cdecl KvSimFindShard(KvSimSide* sim, uint32_t id);
void* __cdecl KvSimWorldList(KvSimSide* sim);
void* __cdecl KvSimShardList(KvSimSide* sim);
/* A slot the plug-in has no business calling. */
void __cdecl KvSimUnexpected(KvSimSide* sim, const char* object, int slot);
void __cdecl KvSimLogOutput(uint32_t classWord, const char* text);

#ifdef __cplusplus
}
#endif
