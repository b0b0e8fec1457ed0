#include "ui/ColourMarkup.h"

namespace {
constexpr uint32_t kWhite = KvRgb(255, 255, 255);

const ColourEntry kColours[kColourCount] = {
    {KvRgb(0, 0, 0), kWhite, true},        // black
    {KvRgb(180, 0, 180), kWhite, true},    // purple
    {KvRgb(255, 0, 0), kWhite, true},      // red
    {KvRgb(128, 128, 128), kWhite, true},  // grey
    {KvRgb(0, 0, 255), kWhite, true},      // blue
    {KvRgb(255, 255, 255), kWhite, true},  // white
    {KvRgb(255, 0, 255), kWhite, true},    // magenta
    {KvRgb(255, 255, 0), kWhite, true},    // yellow
    {KvRgb(0, 128, 0), kWhite, true},      // green
    {KvRgb(134, 128, 5), kWhite, true},    // olive
};

// A step that would pass the terminator (a lead byte at the very end) takes one byte.
size_t StepAt(const char* p, CharStepFunc step) {
  size_t n = step(p);
  if (n < 1) return 1;
  for (size_t i = 1; i < n; ++i)
    if (p[i] == '\0') return i;
  return n;
}
}  // namespace

const ColourEntry& ColourAt(int index) {
  return kColours[index >= 0 && index < kColourCount ? index : 0];
}

size_t SingleByteStep(const char*) { return 1; }

int MarkColour(char c) {
  int d = static_cast<signed char>(c) - '0';
  return d < 0 ? -1 : d % kColourCount;
}

bool ColourRunReader::Next(ColourRun* run) {
  for (;;) {
    if (*m_p == '\0') return false;
    run->text = m_p;
    run->colour = m_colour;
    const char* p = m_p;
    int mark = -1;
    while (*p) {
      if (*p == '^' && (mark = MarkColour(p[1])) >= 0) break;
      p += StepAt(p, m_step);
    }
    run->length = static_cast<size_t>(p - m_p);
    if (*p) {
      m_colour = mark;
      m_p = p + 2;
    } else {
      m_p = p;
    }
    if (run->length > 0) return true;
  }
}

std::string StripColourMarks(const char* text, CharStepFunc step) {
  std::string out;
  if (!text) return out;
  for (const char* p = text; *p;) {
    if (p[0] == '^' && p[1] >= '0' && p[1] <= '9') {
      p += 2;
      continue;
    }
    size_t n = StepAt(p, step);
    out.append(p, n);
    p += n;
  }
  return out;
}
