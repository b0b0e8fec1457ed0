#include "PluginModule.h"

#include "base/Format.h"

bool CPluginModule::Load(const char* path, std::string* error) {
  Unload();
  m_module = LoadLibraryA(path);
  if (!m_module) {
    *error = FormatString(kLineChars, "cannot load %s (error %lu)", path, GetLastError());
    return false;
  }
  m_entry = reinterpret_cast<CreatePluginFunc>(
      reinterpret_cast<void*>(GetProcAddress(m_module, KV_CREATEPLUGIN_EXPORT)));
  if (!m_entry) {
    *error = FormatString(kLineChars, "%s exports no %s", path, KV_CREATEPLUGIN_EXPORT);
    Unload();
    return false;
  }
  return true;
}

void CPluginModule::Unload() {
  m_entry = nullptr;
  if (m_module) FreeLibrary(m_module);
  m_module = nullptr;
}
