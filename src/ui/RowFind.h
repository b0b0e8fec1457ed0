#pragma once
// Finding a text in a list's rows as an operator means it: in the cells as they read
// them (colour marks removed), without regard to case, character by character.
#include <functional>

#include "ui/ColourMarkup.h"

// Whether the text, its colour marks removed, holds `needle`. ASCII letters compare
// without regard to case; every other character as it is. Both are walked a whole
// character at a time with `step`, so a match never starts on the trail byte of a
// double-byte character. An empty needle is found nowhere.
bool TextHoldsIgnoringCase(const char* text, const char* needle, CharStepFunc step);

// The first row for which `holds` is true, or -1. Forward it tries the rows after
// `from`, then wraps to the top and ends with `from` itself; backward the same upwards.
// Without a row to start from (-1) it starts at the top, or backward at the bottom.
int FindRow(int rows, int from, bool forward, const std::function<bool(int row)>& holds);
