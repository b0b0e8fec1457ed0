#pragma once
// The system's find and Save As boxes, from their library loaded on first use: the
// console loads the module without it, and most sessions never open either box.
#include <windows.h>

#include <commdlg.h>

// The modeless find box; null when it or its library could not be had.
HWND FindTextBox(FINDREPLACEA* find);
// True when the operator chose a file. Otherwise `*failure` holds the box's error code,
// or the loader's when the library could not be had, and is 0 when the operator cancelled.
bool SaveFileBox(OPENFILENAMEA* box, DWORD* failure);
