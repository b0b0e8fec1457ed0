#pragma once
// Saves what a window's client area shows on screen as a 24-bit BMP file.
#include <windows.h>

#include <string>

bool SaveWindowBmp(HWND hwnd, const char* path, std::string* error);
