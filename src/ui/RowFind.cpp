#include "ui/RowFind.h"

#include <cstring>
#include <string>

namespace {
// The step, never past the end of the text (a lead byte may be the last one).
size_t StepWithin(const char* p, CharStepFunc step) {
  size_t length = step(p);
  for (size_t i = 1; i < length; ++i)
    if (!p[i]) return i;
  return length;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(const char* p, const char* needle, CharStepFunc step) {
  while (*needle) {
    size_t length = StepWithin(needle, step);
    if (StepWithin(p, step) != length) return false;
    if (length == 1 ? FoldAscii(*p) != FoldAscii(*needle) : memcmp(p, needle, length) != 0) return false;
    p += length;
    needle += length;
  }
  return true;
}
}  // namespace

bool TextHoldsIgnoringCase(const char* text, const char* needle, CharStepFunc step) {
  if (!needle || !*needle) return false;
  std::string plain = StripColourMarks(text, step);
  for (const char* p = plain.c_str(); *p; p += StepWithin(p, step))
    if (MatchesAt(p, needle, step)) return true;
  return false;
}

int FindRow(int rows, int from, bool forward, const std::function<bool(int row)>& holds) {
  // Without a start the first step lands on the top row (backward: the bottom one).
  if (from < 0 || from >= rows) from = forward ? rows - 1 : 0;
  for (int i = 1; i <= rows; ++i) {
    int row = forward ? (from + i) % rows : (from - i + rows) % rows;
    if (holds(row)) return row;
  }
  return -1;
}
