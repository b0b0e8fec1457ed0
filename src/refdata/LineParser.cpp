#include "refdata/LineParser.h"

#include "refdata/RefToken.h"

char* CLineParser::Split(RefScanCursor& scan, char* line, size_t maxColumns, bool* tooLong) {
  m_columns.clear();
  char* tokenStart = line;
  char* lineEnd = nullptr;
  char* next = nullptr;
  // A block at a time: the TABs before the line's end cut columns while there is room;
  // the first CR LF or zero ends the line.
  scan.MoveTo(line);
  RefMask before = scan.Before(line);
  for (;;) {
    const RefBlockMasks m = scan.Masks();  // a copy: stores through char pointers may alias the cursor
    char* block = scan.Block();
    const RefMask stops = (m.lineEnds | m.zeros) & ~before;
    RefMask tabs = m.tabs & ~before & BitsBelowLowest(stops);
    while (tabs && m_columns.size() < maxColumns) {
      char* at = block + LowBit(tabs);
      tabs &= tabs - 1;
      *at = '\0';
      AddColumn(tokenStart, at);
      tokenStart = at + 1;
    }
    if (!stops) {
      scan.NextBlock();
      before = 0;
      continue;
    }
    char* at = block + LowBit(stops);
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
