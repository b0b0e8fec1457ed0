#pragma once
// Ctrl+S of a list: the system's Save As box, then every row written as UTF-8 text with
// tab-separated cells (ui/TsvText.h). The file is written beside the target under a
// temporary name and renamed over it, so a failed write leaves no half file and never
// harms the file it would replace. Success and failure each write one log line.
#include <windows.h>

// Asks for the file (the box offers `defaultName`) and saves the list's rows under it.
void SaveListAs(HWND owner, HWND list, const char* defaultName);

// Writes the list's header and rows to `path` as above and says in the log whether it
// went; true when it did.
bool SaveListTo(HWND list, const char* path);
