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

// The same, left-aligned, for a cell whose right edge is `right`: nothing is drawn right
// of the edge, and the runs past it are neither drawn nor measured. Returns the width
// drawn, up to the edge.
int DrawColourTextUpTo(HDC dc, int x, int y, int right, const char* format, ...) KV_PRINTF(5, 6);
