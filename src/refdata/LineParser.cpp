#include "refdata/LineParser.h"

#include "refdata/RefToken.h"

char* CLineParser::Split(char* line, bool* tooLong) {
  m_columns.clear();
  *tooLong = false;
  char* p = line;
  for (;;) {
    RefTokenCut cut = CutRefToken(p);
    m_columns.push_back(p);
    if (cut.length > kRefTokenLimit) *tooLong = true;
    if (cut.endsLine || !cut.next) {
      // The line with its CR LF and the buffer's terminating zero must fit 1 MiB.
      size_t lineBytes = cut.next ? static_cast<size_t>(cut.next - line) : static_cast<size_t>(p - line) + cut.length;
      if (lineBytes > kRefLineLimit) *tooLong = true;
      return cut.next;
    }
    p = cut.next;
  }
}
