#include "ui/PopupMenu_win.h"

#include <cstdarg>

#include "base/Format.h"
#include "ui/WindowBase_win.h"

CPopupMenu::CPopupMenu() : m_hMenu(CreatePopupMenu()) {}

// DestroyMenu takes nested menus with it.
CPopupMenu::~CPopupMenu() {
  if (m_hMenu) DestroyMenu(m_hMenu);
}

bool CPopupMenu::AppendItem(UINT flags, UINT_PTR commandId, const char* format, ...) {
  char caption[kCaptionChars];
  va_list args;
  va_start(args, format);
  FormatBoundedV(caption, sizeof caption, format, args);
  va_end(args);
  return AppendMenuA(m_hMenu, flags, commandId, caption) != FALSE;
}

bool CPopupMenu::AppendSeparator() { return AppendMenuA(m_hMenu, MF_SEPARATOR, 0, nullptr) != FALSE; }

bool CPopupMenu::Track(CWindowBase* owner) {
  if (!owner || !owner->GetHwnd()) return false;
  POINT pt;
  GetCursorPos(&pt);
  TrackPopupMenu(m_hMenu, TPM_RIGHTBUTTON, pt.x, pt.y, 0, owner->GetHwnd(), nullptr);
  MSG chosen;
  return PeekMessageA(&chosen, owner->GetHwnd(), WM_COMMAND, WM_COMMAND, PM_NOREMOVE) != FALSE;
}
