#pragma once
// The handler type of the window tables and the global hooks: a member function of the
// window object that takes the two message parameters and returns the message result.
#include <windows.h>

class CWindowBase;

typedef LRESULT (CWindowBase::*WindowHandler)(WPARAM wParam, LPARAM lParam);
