#include "ConsoleSideCalls.h"

CConsoleSideCalls::CConsoleSideCalls(IKDMessenger* messenger, IKDDirectory* directory, CSimLog* log)
    : m_sim{messenger, directory, log},
      m_storage(new void*[(KvConsoleSideSize() + sizeof(void*) - 1) / sizeof(void*)]),
      m_side(KvConsoleSideOpen(m_storage.get(), &m_sim)) {}

bool CConsoleSideCalls::CreatePlugin(CreatePluginFunc entry, HWND parent, HINSTANCE instance, char* name,
                                     IKDPlugin** plugin) {
  m_start.parent = parent;
  m_start.instance = instance;
  m_start.startMode = 0;
  m_start.name = name;
  void* handedOut = nullptr;
  const bool started = KvConsoleCreatePlugin(m_side, reinterpret_cast<void*>(entry), &m_start, &handedOut) != 0;
  *plugin = static_cast<IKDPlugin*>(handedOut);
  return started;
}

bool CConsoleSideCalls::Initialize(IKDPlugin* plugin, IKDPlugin** handedOut) {
  void* word = nullptr;
  const bool done = KvPluginInitialize(m_side, plugin, &m_start, &word) != 0;
  *handedOut = static_cast<IKDPlugin*>(word);
  return done;
}

// What the console's objects forward to. No exception can unwind through the other
// compiler's frames; only a failed allocation throws here, and it ends the program.
extern "C" {

void* __cdecl KvSimAllocMsg(KvSimSide* sim, uint32_t id) { return sim->messenger->AllocMsg(id); }

void __cdecl KvSimSendMsg(KvSimSide* sim, void* msg) { sim->messenger->SendMsg(static_cast<CMsg*>(msg)); }

void* __cdecl KvSimFindService(KvSimSide* sim, uint32_t id) { return sim->directory->FindService(id); }

void* __cdecl KvSimFindShard(KvSimSide* sim, uint32_t id) { return sim->directory->FindShard(id); }

void* __cdecl KvSimWorldList(KvSimSide* sim) { return sim->directory->GetWorldList(); }

void* __cdecl KvSimShardList(KvSimSide* sim) { return sim->directory->GetShardList(); }

void __cdecl KvSimUnexpected(KvSimSide* sim, const char* object, int slot) {
  sim->log->Note("^2plug-in called %s slot %d, which it must not use", object, slot);
}

void __cdecl KvSimLogOutput(uint32_t classWord, const char* text) { CSimLog::Output(classWord, text); }

}  // extern "C"
