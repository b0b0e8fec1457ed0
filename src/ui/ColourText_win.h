#pragma once
// Drawing colour-marked text with GDI.
#include <windows.h>

#include <cstddef>

#include "base/Platform.h"

// The system's next-character step of the ANSI code page, for the markup functions.
size_t SystemCharStep(const char* p);

// Formats into 4096 characters (longer text is cut) and draws it at (x, y) as runs in
// their colours, each placed after the previous one by its text extent. The device's
// alignment is set to align for the drawing and restored afterwards. Returns the width
// drawn. Allocates nothing.
int DrawColourText(HDC dc, int x, int y, UINT align, const char* format, ...) KV_PRINTF(5, 6);
