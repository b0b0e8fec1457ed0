#pragma once
// Splits a colour-marked line into runs for the log pane: "^" and a digit switch to one
// of the ten colours for what follows and are not shown; a "^" before anything else is
// shown as it stands. Lines start in colour 0. A double-byte character is taken whole,
// so its trail byte is never read as a mark.
#include <cstddef>
#include <vector>

struct ColourRun {
  int colour;
  size_t start;   // byte offset in the line
  size_t length;  // bytes
};

typedef bool (*LeadBytePredicate)(unsigned char byte);

std::vector<ColourRun> SplitColourRuns(const char* text, LeadBytePredicate isLeadByte);

// The text colours of the ten marks, as 0x00BBGGRR.
extern const unsigned long kMarkColours[10];
