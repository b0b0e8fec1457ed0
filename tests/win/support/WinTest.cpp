#include "support/WinTest.h"

#include <commctrl.h>

#include <cstring>

HWND CreateHostWindow(int clientWidth, int clientHeight) {
  static bool registered = false;
  if (!registered) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, 0x53F};
    InitCommonControlsEx(&icc);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KvTestHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassA(&wc);
    registered = true;
  }
  static HWND host = CreateWindowExA(0, "KvTestHost", "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                     clientWidth, clientHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  MoveWindow(host, 0, 0, clientWidth, clientHeight, FALSE);
  return host;
}

void ReleaseHostWindow(HWND host) {
  while (HWND child = GetWindow(host, GW_CHILD))
    if (!DestroyWindow(child)) break;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
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

void FontOf(HWND control, char* face, size_t faceSize, LONG* height) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  LOGFONTA lf = {};
  face[0] = 0;
  *height = 0;
  if (font && GetObjectA(font, sizeof lf, &lf)) {
    strncpy(face, lf.lfFaceName, faceSize - 1);
    face[faceSize - 1] = 0;
    *height = lf.lfHeight;
  }
}
