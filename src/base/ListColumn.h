#pragma once
// A report list's column as a page declares it: caption, width in pixels, and whether
// its texts are right-aligned (number columns).
struct ListColumn {
  const char* caption;
  int width;
  bool rightAligned = false;
};
