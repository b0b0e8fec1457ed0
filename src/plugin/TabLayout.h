#pragma once
// Where the folder tabs of the strip go: rows of 18 pixels, each tab as wide as its
// caption plus 12, wrapping to a new row when the strip's width is reached.
#include <vector>

enum : int {
  kTabRowHeight = 18,
  kTabHeight = 14,
  kTabCaptionPad = 12,
  kTabRaise = 4,  // the selected tab is drawn this much higher
  kTabFontPoints = 8,
};

// Captions are measured and drawn in 8-point Arial.
constexpr char kTabFontFace[] = "Arial";
// The font's cell height for a device of the given pixels per inch (negative: the
// character height without the internal leading).
constexpr int TabFontHeight(int points, int pixelsPerInch) { return -(points * pixelsPerInch / 72); }

struct TabBox {
  int left, top, right, bottom;
};

// Fills one box per caption width (strip coordinates); returns the number of rows (at
// least 1).
int LayoutTabRows(const std::vector<int>& captionWidths, int clientWidth, std::vector<TabBox>& boxes);
