#pragma once
// Saves what a window shows on screen, frame included, as a 24-bit BMP file.
#include <windows.h>

#include <string>

bool SaveWindowBmp(HWND hwnd, const char* path, std::string* error);
