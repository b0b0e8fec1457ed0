#pragma once
// Helpers of the Wine tests.
#include <windows.h>

// A visible top-level window with a client area of the given size, one per process and
// emptied by ReleaseHostWindow: Wine under Xvfb takes two seconds to destroy a visible
// top-level window.
HWND CreateHostWindow(int clientWidth, int clientHeight);
void ReleaseHostWindow(HWND host);
// Dispatches what is queued; true when a WM_QUIT was among it.
bool TakeQuitMessage();
