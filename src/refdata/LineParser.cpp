#include "refdata/LineParser.h"

#include "refdata/RefScan.h"
#include "refdata/RefToken.h"

char* CLineParser::Split(char* line, const char* end, size_t maxColumns, bool* tooLong) {
  m_columns.clear();
  char* tokenStart = line;
  char* lineEnd = nullptr;
  char* next = nullptr;
  // A block at a time: the TABs before the line's end cut columns while there is room;
  // the first CR LF or zero ends the line. The masks are taken before any separator of
  // the block is overwritten.
  for (char* block = line;; block += kRefBlock) {
    const RefBlockMasks m = ScanRefBlock(block, end);
    const uint64_t stops = m.lineEnds | m.zeros;
    uint64_t tabs = m.tabs & BitsBelowLowest(stops);
    while (tabs && m_columns.size() < maxColumns) {
      char* at = block + LowBit64(tabs);
      tabs &= tabs - 1;
      *at = '\0';
      AddColumn(tokenStart, at);
      tokenStart = at + 1;
    }
    if (!stops) continue;
    char* at = block + LowBit64(stops);
    const bool cutting = m_columns.size() < maxColumns;
    if (*at == '\r') {
      if (cutting) {
        *at = '\0';
        AddColumn(tokenStart, at);
      }
      lineEnd = at + 2;
      next = *lineEnd ? lineEnd : nullptr;
    } else {
      // The terminating zero ends the last line and its unterminated token; right
      // behind a TAB it ends the data with no further token.
      if (cutting && at != tokenStart) AddColumn(tokenStart, at);
      lineEnd = at;
    }
    break;
  }
  // The line with its CR LF and the buffer's terminating zero must fit 1 MiB.
  *tooLong = static_cast<size_t>(lineEnd - line) > kRefLineLimit;
  return next;
}
