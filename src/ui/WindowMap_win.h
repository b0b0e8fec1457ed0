#pragma once
// The process-wide maps every window of the module goes through: window handle to
// object, and message number to a global hook consulted before any window.
//
// Both maps are function-local statics created by the first window object's
// constructor, so they are complete before any window object is and are destroyed
// after the last one: at unload the windows go first, then the maps.
#include <windows.h>

#include "ui/WindowHandler_win.h"

void WindowMapTouch();
CWindowBase* WindowMapFind(HWND hwnd);
void WindowMapEnter(HWND hwnd, CWindowBase* object);
void WindowMapLeave(HWND hwnd);

struct GlobalHook {
  CWindowBase* object;
  WindowHandler handler;
};
// A hook whose handler returns -1 lets the message go on to its window.
void AddGlobalHook(UINT message, CWindowBase* object, WindowHandler handler);
void RemoveGlobalHook(UINT message);
const GlobalHook* FindGlobalHook(UINT message);
