#include "ui/ColourText_win.h"

#include <climits>
#include <cstdarg>

#include "base/Format.h"
#include "ui/ColourMarkup.h"

namespace {

const int kNoEdge = INT_MAX;

// The bytes of the first `chars` characters of text (at most length).
size_t BytesOfChars(const char* text, size_t length, size_t chars) {
  size_t at = 0;
  for (; chars > 0 && at < length; --chars) at += SystemCharStep(text + at);
  return at < length ? at : length;
}

// Draws one run from left, clipped at the edge `right` (kNoEdge: none), and returns its
// width; -1 when it reaches the edge, so that nothing after it can show. A run crossing
// the edge is measured and drawn only as far as the edge: its characters up to there,
// and two more whose glyphs may reach back over it.
int DrawRun(HDC dc, int left, int y, int right, const char* text, size_t length) {
  const UINT clipped = right == kNoEdge ? 0 : ETO_CLIPPED;
  const RECT clip = {SHRT_MIN, SHRT_MIN, right, SHRT_MAX};
  int width = 0;
  while (length > 0) {
    const int room = right == kNoEdge ? kNoEdge : right - (left + width);
    if (room <= 0) return -1;
    // A character is at least a pixel wide, so no more than `room` of them start before
    // the edge; should narrower ones fill the piece, the rest is measured next.
    size_t piece = length;
    if (room != kNoEdge && piece > static_cast<size_t>(room) + 8) {
      piece = BytesOfChars(text, length, static_cast<size_t>(room) + 8);
    }
    int fit = 0;
    SIZE extent = {0, 0};
    GetTextExtentExPointA(dc, text, static_cast<int>(piece), room, &fit, nullptr, &extent);
    if (extent.cx <= room) {
      ExtTextOutA(dc, left + width, y, clipped, &clip, text, static_cast<UINT>(piece), nullptr);
      width += extent.cx;
      text += piece;
      length -= piece;
      continue;
    }
    // Counted as characters: more than enough, should the system count bytes.
    const size_t shown = BytesOfChars(text, piece, static_cast<size_t>(fit) + 2);
    ExtTextOutA(dc, left + width, y, clipped, &clip, text, static_cast<UINT>(shown), nullptr);
    return -1;
  }
  return width;
}

// Draws the runs from (x, y), each after the previous one, up to the edge; returns the
// width drawn.
int DrawRuns(HDC dc, int x, int y, int right, const char* text) {
  int advance = 0;
  ColourRunReader reader(text, SystemCharStep);
  ColourRun run;
  while (reader.Next(&run)) {
    const ColourEntry& colour = ColourAt(run.colour);
    SetTextColor(dc, colour.text);
    SetBkColor(dc, colour.background);
    SetBkMode(dc, colour.transparent ? TRANSPARENT : OPAQUE);
    const int width = DrawRun(dc, x + advance, y, right, run.text, run.length);
    if (width < 0) return right - x;
    advance += width;
  }
  return advance;
}

int DrawFormatted(HDC dc, int x, int y, UINT align, int right, const char* format, va_list args) {
  char text[kCellChars];
  FormatBoundedV(text, sizeof text, format, args);
  UINT oldAlign = SetTextAlign(dc, align);
  const int width = x < right ? DrawRuns(dc, x, y, right, text) : 0;
  SetTextAlign(dc, oldAlign);
  return width;
}

}  // namespace

size_t SystemCharStep(const char* p) {
  const char* next = CharNextA(p);
  return next > p ? static_cast<size_t>(next - p) : 1;
}

int DrawColourText(HDC dc, int x, int y, UINT align, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int width = DrawFormatted(dc, x, y, align, kNoEdge, format, args);
  va_end(args);
  return width;
}

int DrawColourTextUpTo(HDC dc, int x, int y, int right, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int width = DrawFormatted(dc, x, y, TA_LEFT | TA_TOP | TA_NOUPDATECP, right, format, args);
  va_end(args);
  return width;
}
