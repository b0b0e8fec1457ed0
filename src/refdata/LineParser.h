#pragma once
// CLineParser splits one line of a text file into numbered columns with the token
// syntax of RefToken.h. The line is cut in place, inside the file text it belongs to.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "refdata/RefScan.h"

class CLineParser {
 public:
  CLineParser() = default;
  virtual ~CLineParser() = default;

  struct SplitResult {
    char* next;      // where the next line starts; null when the data ends
    bool tooLong;    // the line exceeds its limit (a token never exceeds the line)
    bool needsMore;  // the line runs past the text converted so far: split it again
  };
  // Splits the line starting at `line` (not at the terminating zero) into columns 0, 1,
  // 2, ... up to maxColumns; the rest of the line is passed over unsplit. scan walks the
  // text the line lies in.
  SplitResult Split(RefScanCursor& scan, char* line, size_t maxColumns);

  // The token of the column, or null when the line has no such column.
  const char* Find(uint32_t column) const { return column < m_count ? m_columns[column].text : nullptr; }
  // Bytes of the column's token; 0 when the line has no such column.
  size_t Length(uint32_t column) const { return column < m_count ? m_columns[column].length : 0; }
  size_t Columns() const { return m_count; }

 private:
  struct Column {
    char* text;
    size_t length;
  };
  // Room for the columns, kept from line to line; the line's are the first m_count. The
  // splitter counts them in a register and stores the count once per line.
  std::vector<Column> m_columns;
  size_t m_count = 0;
};
