#pragma once
// Colour-marked text: "^" and a character switch the colour of what follows. This is
// the portable half: the colour table, the split into coloured runs and the removal of
// the marks. Drawing and the clipboard sit in the Win32 files beside it.
#include <cstddef>
#include <cstdint>
#include <string>

enum : int { kColourCount = 10 };

// Colour values in the Windows layout (0x00BBGGRR), so the drawing side uses them as is.
constexpr uint32_t KvRgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

struct ColourEntry {
  uint32_t text;
  uint32_t background;
  bool transparent;
};

// Index 0 is the normal colour; every text starts in it.
const ColourEntry& ColourAt(int index);

// Byte length of the character starting at p (at least 1). Windows passes the system's
// next-character step so that a double-byte character is taken whole; the default takes
// one byte.
typedef size_t (*CharStepFunc)(const char* p);
size_t SingleByteStep(const char* p);

// The colour a mark "^" c selects, or -1 when c cannot be a mark: the end of the text
// or a character below '0' (bytes 0x80 and up count as below, so a caret never splits a
// double-byte character). Above '9' the index wraps as (c - '0') mod 10.
int MarkColour(char c);

struct ColourRun {
  const char* text;  // not terminated
  size_t length;
  int colour;
};

// Walks a terminated text run by run without copying or allocating. A caret that is no
// mark stays in the run as plain text.
class ColourRunReader {
 public:
  explicit ColourRunReader(const char* text, CharStepFunc step = SingleByteStep)
      : m_p(text ? text : ""), m_step(step) {}

  // The next non-empty run; false at the end of the text.
  bool Next(ColourRun* run);

 private:
  const char* m_p;
  CharStepFunc m_step;
  int m_colour = 0;
};

// The text without its marks: "^" and a digit 0-9 are dropped together; every other
// character stays, a caret before anything else included. Characters are stepped over
// whole, so a trail byte that happens to be a caret is never taken for a mark.
std::string StripColourMarks(const char* text, CharStepFunc step = SingleByteStep);
