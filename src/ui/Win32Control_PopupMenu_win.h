#pragma once
// A context menu whose chosen command reaches its owner as an ordinary WM_COMMAND.
#include <windows.h>

#include "base/Platform.h"

class CWindowBase;

class CWin32Control_PopupMenu {
 public:
  CWin32Control_PopupMenu();
  ~CWin32Control_PopupMenu();
  CWin32Control_PopupMenu(const CWin32Control_PopupMenu&) = delete;
  CWin32Control_PopupMenu& operator=(const CWin32Control_PopupMenu&) = delete;

  // Formats the caption into 260 characters.
  bool AppendItem(UINT flags, UINT_PTR commandId, const char* format, ...) KV_PRINTF(4, 5);
  bool AppendSeparator();
  // Opens the menu at the cursor, tracking the right button. The chosen command is
  // posted to the owner as the menu closes; true when one was chosen, false when the
  // menu was dismissed (or had no owner to open for).
  bool Track(CWindowBase* owner);

  HMENU GetHandle() const { return m_hMenu; }

 private:
  HMENU m_hMenu;
};
