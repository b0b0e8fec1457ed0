#pragma once
// Combo box helpers. Entries carry a 32-bit item data value.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/ConstSpan.h"
#include "base/LogChoice.h"
#include "base/Platform.h"

// Formats the text into 260 characters, adds it with its item data; returns the index
// the box gave it (its sorted position in a sorted box), or -1.
int ComboAdd(HWND combo, uint32_t data, const char* format, ...) KV_PRINTF(3, 4);
// Adds every entry with its item data, its text as "%s".
void ComboFill(HWND combo, ConstSpan<LogChoice> choices);
void ComboFill(HWND combo, const std::vector<ChoiceEntry>& entries);
// Selects the entry whose item data is `data`, wherever a sorted box put it.
void ComboSelectData(HWND combo, uint32_t data);
// Selects the first entry whose text begins with "User Name", wherever the sorted box
// put it.
void ComboSelectUserName(HWND combo);
// The selected entry's item data, or 0 when nothing is selected.
uint32_t ComboGetSelData(HWND combo);
void ComboSetCurSel(HWND combo, int index);
int ComboGetCurSel(HWND combo);
void ComboReset(HWND combo);
