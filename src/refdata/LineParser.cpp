#include "refdata/LineParser.h"

#include "refdata/RefToken.h"

CLineParser::SplitResult CLineParser::Split(RefScanCursor& scan, char* line, size_t maxColumns) {
  m_count = 0;
  size_t count = 0;
  Column* columns = m_columns.data();
  // Field by field: a whole Column built aside and copied in stalls on its own stores.
  auto addColumn = [&](char* text, const char* end) {
    if (count == m_columns.size()) {
      m_columns.resize(count ? 2 * count : 16);
      columns = m_columns.data();
    }
    columns[count].text = text;
    columns[count].length = static_cast<size_t>(end - text);
    ++count;
  };
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
    while (tabs && count < maxColumns) {
      char* at = block + LowBit(tabs);
      tabs &= tabs - 1;
      addColumn(tokenStart, at);
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
    const bool cutting = count < maxColumns;
    char* lineEnd;
    char* next = nullptr;
    if (*at == '\r') {
      if (cutting) addColumn(tokenStart, at);
      lineEnd = at + 2;
      if (*lineEnd) next = lineEnd;
    } else {
      // The terminating zero ends the last line and its unterminated token; right
      // behind a TAB it ends the data with no further token.
      if (cutting && at != tokenStart) addColumn(tokenStart, at);
      lineEnd = at;
    }
    if (lineEnd - line > static_cast<ptrdiff_t>(kRefLineLimit)) return {nullptr, true, false};
    for (size_t i = 0; i < count; ++i) columns[i].text[columns[i].length] = '\0';
    m_count = count;
    return {next, false, false};
  }
}
