#pragma once
// Cell drawing of the colour lists: each cell is filled (pale yellow when its row is
// selected, else white) and drawn with its colour marks; every column but the
// description column (1) starts in the row colour held in the top byte of the row's
// item data.
#include <windows.h>

// Handles a list view's custom-draw notification (lParam of WM_NOTIFY / NM_CUSTOMDRAW)
// for a dialog: answers the stage and also stores the answer as the dialog's message
// result, as a dialog procedure must.
LRESULT DrawColourListCell(HWND dialog, LPARAM lParam);
