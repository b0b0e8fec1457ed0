#pragma once
// The one window procedure of every class and dialog of the module. Dialogs enter
// through the DLGPROC-typed door, which differs only in what an unknown window gets.
#include <windows.h>

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FrameworkDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
