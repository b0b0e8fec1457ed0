#include "refdata/LineParser.h"

#include "refdata/RefToken.h"

CLineParser::SplitResult CLineParser::Split(RefScanCursor& scan, char* line, size_t maxColumns) {
  m_columns.clear();
  char* tokenStart = line;
  // A block at a time: the TABs before the line's end mark columns while there is room;
  // the first CR LF or zero ends the line. The columns are cut only once the line's end
  // is found, so a line that runs past the converted text can be split again whole.
  scan.MoveTo(line);
  RefMask before = scan.Before(line);
  for (;;) {
    RefBlockMasks m;
    scan.CopyMasks(&m);  // stores through char pointers may alias the cursor
    char* block = scan.Block();
    const RefMask stops = (m.lineEnds | m.zeros) & ~before;
    RefMask tabs = m.tabs & ~before & BitsBelowLowest(stops);
    while (tabs && m_columns.size() < maxColumns) {
      char* at = block + LowBit(tabs);
      tabs &= tabs - 1;
      AddColumn(tokenStart, at);
      tokenStart = at + 1;
    }
    if (!stops) {
      // The line with its CR LF and the buffer's terminating zero must fit 1 MiB.
      if (block + kRefBlock - line > static_cast<ptrdiff_t>(kRefLineLimit)) return {nullptr, true, false};
      scan.NextBlock();
      before = 0;
      continue;
    }
    char* at = block + LowBit(stops);
    if (scan.NeedsMore(at)) return {nullptr, at - line > static_cast<ptrdiff_t>(kRefLineLimit), true};
    const bool cutting = m_columns.size() < maxColumns;
    char* lineEnd;
    char* next = nullptr;
    if (*at == '\r') {
      if (cutting) AddColumn(tokenStart, at);
      lineEnd = at + 2;
      if (*lineEnd) next = lineEnd;
    } else {
      // The terminating zero ends the last line and its unterminated token; right
      // behind a TAB it ends the data with no further token.
      if (cutting && at != tokenStart) AddColumn(tokenStart, at);
      lineEnd = at;
    }
    if (lineEnd - line > static_cast<ptrdiff_t>(kRefLineLimit)) return {nullptr, true, false};
    for (Column& column : m_columns) column.text[column.length] = '\0';
    return {next, false, false};
  }
}
