#pragma once
// Plain-text clipboard copies of marked texts and of whole list views.
#include <windows.h>

#include <string>
#include <vector>

// Puts the text, its colour marks removed, on the clipboard as CF_TEXT. When the
// clipboard cannot be opened nothing happens. Returns whether the text was handed over.
bool CopyToClipboard(const char* text);

// Copies the captions of columns 0 to columns - 1 and then every row, cells cut to 259
// characters, as tab-separated lines ended by CR LF.
bool CopyListToClipboard(HWND list, int columns);

// The lines CopyListToClipboard writes for these rows, in the order given, without the
// caption line (colour marks still in).
std::string ListRowsClipboardText(HWND list, int columns, const std::vector<int>& rows);
