#include "ui/Win32Control_PopupMenu_win.h"

#include <cstdarg>

#include "base/Format.h"
#include "ui/WindowBase_win.h"

CWin32Control_PopupMenu::CWin32Control_PopupMenu() : m_hMenu(CreatePopupMenu()) {}

// DestroyMenu takes nested menus with it.
CWin32Control_PopupMenu::~CWin32Control_PopupMenu() {
  if (m_hMenu) DestroyMenu(m_hMenu);
}

bool CWin32Control_PopupMenu::AppendItem(UINT flags, UINT_PTR commandId, const char* format, ...) {
  char caption[kCaptionChars];
  va_list args;
  va_start(args, format);
  FormatBoundedV(caption, sizeof caption, format, args);
  va_end(args);
  return AppendMenuA(m_hMenu, flags, commandId, caption) != FALSE;
}

bool CWin32Control_PopupMenu::AppendSeparator() { return AppendMenuA(m_hMenu, MF_SEPARATOR, 0, nullptr) != FALSE; }

bool CWin32Control_PopupMenu::Track(CWindowBase* owner) {
  if (!owner || !owner->GetHwnd()) return false;
  POINT pt;
  GetCursorPos(&pt);
  TrackPopupMenu(m_hMenu, TPM_RIGHTBUTTON, pt.x, pt.y, 0, owner->GetHwnd(), nullptr);
  MSG chosen;
  return PeekMessageA(&chosen, owner->GetHwnd(), WM_COMMAND, WM_COMMAND, PM_NOREMOVE) != FALSE;
}
