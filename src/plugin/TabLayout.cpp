#include "plugin/TabLayout.h"

int LayoutTabRows(const std::vector<int>& captionWidths, int clientWidth, std::vector<TabBox>& boxes) {
  boxes.clear();
  int rows = 1;
  int rowBottom = kTabRowHeight;
  int x = 1;
  for (int captionWidth : captionWidths) {
    int width = captionWidth + kTabCaptionPad;
    // A tab that would reach the edge starts a new row, unless its caption alone is too
    // wide for any row, or it already opens a row (wrapping then would leave a row empty).
    if (x > 1 && x + width >= clientWidth && captionWidth < clientWidth) {
      x = 1;
      ++rows;
      rowBottom += kTabRowHeight;
    }
    boxes.push_back(TabBox{x, rowBottom - kTabHeight, x + width, rowBottom});
    x += width;
  }
  return rows;
}
