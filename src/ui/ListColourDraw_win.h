#pragma once
// Cell drawing of the colour lists: each cell is filled (pale yellow when its row is
// selected, else white) and drawn with its colour marks; every column but the
// description column (1) starts in the row colour held in the top byte of the row's
// item data.
#include <windows.h>

// What the cells of the row being drawn share, taken once when the row starts.
struct ColourListRow {
  DWORD_PTR row = static_cast<DWORD_PTR>(-1);
  LPARAM itemData = 0;
  bool selected = false;
};

// Answers a list view's custom-draw notification (lParam of WM_NOTIFY / NM_CUSTOMDRAW),
// drawing the cells. `shared` is the list's own, kept between calls.
LRESULT AnswerColourListDraw(LPARAM lParam, ColourListRow* shared);
