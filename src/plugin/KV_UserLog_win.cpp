#include "plugin/KV_UserLog_win.h"

#include "base/ExceptionGuard.h"
#include "base/Format.h"
#include "refdata/KV_GameRefData.h"
#include "ui/CommonControls_win.h"

// At unload: first the windows, while every page is whole; then the shared reference
// data that the pages borrow; the window objects themselves go after this body.
CKV_UserLog::~CKV_UserLog() {
  m_mainWindow.DestroyWindows();
  CGameRefData::DestroyInstance();
}

bool CKV_UserLog::Initialize(sPluginCreateInfo* info) {
  InitCommonControlClasses();
  info->pPlugin = this;
  if (info->pName) CopyBounded(info->pName, kCaptionChars, "KV_UserLog");

  // Without the console's instance the templates are still this module's own.
  HINSTANCE instance = info->hInstance ? info->hInstance : ModuleInstance();
  auto subject = [](char* out, size_t size) { CopyBounded(out, size, "cannot create the main window"); };
  Guarded(kLogDataError, subject, false, [&] { return m_mainWindow.Create(instance, info->hParent); });
  return true;
}

void CKV_UserLog::ClearGameLog() { m_mainWindow.ClearGameLog(); }

HWND CKV_UserLog::GetWindow() { return m_mainWindow.GetHwnd(); }

bool CKV_UserLog::OnMessage(CMsg* msg, CMassiveMsg* massive) { return m_mainWindow.Route(msg, massive); }

// The object lives in the module's static storage and is destroyed at unload, so there
// is nothing to free whatever the flags say: freeing it, or destroying it twice, would
// corrupt the console's heap. What the console asks for is that the windows go.
void* CKV_UserLog::DeletingDestructor(uint32_t) {
  m_mainWindow.DestroyWindows();
  return this;
}
