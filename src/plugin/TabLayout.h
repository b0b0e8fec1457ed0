#pragma once
// Where the folder tabs of the strip go: rows of 18 pixels, each tab as wide as its
// caption plus 12, wrapping to a new row when the strip's width is reached.
#include <vector>

enum : int {
  kTabRowHeight = 18,
  kTabHeight = 14,
  kTabCaptionPad = 12,
  kTabRaise = 4,  // the selected tab is drawn this much higher
};

struct TabBox {
  int left, top, right, bottom;
};

// Fills one box per caption width (strip coordinates); returns the number of rows (at
// least 1).
int LayoutTabRows(const std::vector<int>& captionWidths, int clientWidth, std::vector<TabBox>& boxes);
