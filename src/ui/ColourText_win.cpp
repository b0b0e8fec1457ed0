#include "ui/ColourText_win.h"

#include <cstdarg>

#include "base/Format.h"
#include "ui/ColourMarkup.h"

size_t SystemCharStep(const char* p) {
  const char* next = CharNextA(p);
  return next > p ? static_cast<size_t>(next - p) : 1;
}

int DrawColourText(HDC dc, int x, int y, UINT align, const char* format, ...) {
  char text[kCellChars];
  va_list args;
  va_start(args, format);
  FormatBoundedV(text, sizeof text, format, args);
  va_end(args);

  UINT oldAlign = SetTextAlign(dc, align);
  int advance = 0;
  ColourRunReader reader(text, SystemCharStep);
  ColourRun run;
  while (reader.Next(&run)) {
    const ColourEntry& colour = ColourAt(run.colour);
    SetTextColor(dc, colour.text);
    SetBkColor(dc, colour.background);
    SetBkMode(dc, colour.transparent ? TRANSPARENT : OPAQUE);
    int length = static_cast<int>(run.length);
    TextOutA(dc, x + advance, y, run.text, length);
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, run.text, length, &extent);
    advance += extent.cx;
  }
  SetTextAlign(dc, oldAlign);
  return advance;
}
