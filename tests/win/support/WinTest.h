#pragma once
// Helpers of the Wine tests: a top-level host window for pages and strips, and a pump
// for the messages the controls post.
#include <windows.h>

// A visible top-level window with a client area of the given size. There is one per
// process, emptied by ReleaseHostWindow: Wine under Xvfb takes two seconds to destroy a
// visible top-level window.
HWND CreateHostWindow(int clientWidth, int clientHeight);
void ReleaseHostWindow(HWND host);
void PumpMessages();
// Drops a WM_QUIT that destroying a plain framework window posts.
bool TakeQuitMessage();
// A window's own font's face and height.
void FontOf(HWND control, char* face, size_t faceSize, LONG* height);
