#include "support/WinTest.h"

#include "ui/CommonControls_win.h"

HWND CreateHostWindow(int clientWidth, int clientHeight) {
  static HWND host = [] {
    InitCommonControlClasses();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KvTestHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&wc);
    return CreateWindowExA(0, "KvTestHost", "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 100, 100,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }();
  MoveWindow(host, 0, 0, clientWidth, clientHeight, FALSE);
  return host;
}

void ReleaseHostWindow(HWND host) {
  while (HWND child = GetWindow(host, GW_CHILD))
    if (!DestroyWindow(child)) break;
}

bool TakeQuitMessage() {
  MSG msg;
  bool quit = false;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) quit = true;
    else DispatchMessageA(&msg);
  }
  return quit;
}
