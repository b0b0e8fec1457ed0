#include "ColourRuns.h"

const unsigned long kMarkColours[10] = {
    0x000000,  // black
    0xB400B4,  // purple
    0x0000FF,  // red
    0x808080,  // grey
    0xFF0000,  // blue
    0xFFFFFF,  // white
    0xFF00FF,  // magenta
    0x00FFFF,  // yellow
    0x008000,  // green
    0x058086,  // olive
};

std::vector<ColourRun> SplitColourRuns(const char* text, LeadBytePredicate isLeadByte) {
  std::vector<ColourRun> runs;
  int colour = 0;
  size_t start = 0, i = 0;
  auto close = [&](size_t end) {
    if (end > start) runs.push_back(ColourRun{colour, start, end - start});
  };
  while (text[i]) {
    if (text[i] == '^' && text[i + 1] >= '0' && text[i + 1] <= '9') {
      close(i);
      colour = text[i + 1] - '0';
      i += 2;
      start = i;
    } else if (isLeadByte && isLeadByte(static_cast<unsigned char>(text[i])) && text[i + 1]) {
      i += 2;
    } else {
      ++i;
    }
  }
  close(i);
  return runs;
}
