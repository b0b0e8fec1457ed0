#include "refdata/LineParser.h"

#include <cstring>

#include "refdata/RefToken.h"

namespace {

// Where the line that continues at p ends (behind its CR LF, or at the terminating
// zero when it has none), and where the next line starts (null when none).
char* FindLineEnd(char* p, char** next) {
  for (char* q = p;; ++q) {
    q = strchr(q, '\r');
    if (!q) {
      *next = nullptr;
      return p + strlen(p);
    }
    if (q[1] == '\n') {
      *next = q[2] ? q + 2 : nullptr;
      return q + 2;
    }
  }
}

}  // namespace

char* CLineParser::Split(char* line, const char* end, size_t maxColumns, bool* tooLong) {
  m_columns.clear();
  char* p = line;
  char* next = nullptr;
  char* lineEnd = nullptr;
  for (;;) {
    if (m_columns.size() == maxColumns) {
      lineEnd = FindLineEnd(p, &next);
      break;
    }
    RefTokenCut cut = CutRefToken(p, end);
    m_columns.push_back(p);
    if (cut.endsLine || !cut.next) {
      next = cut.next;
      lineEnd = cut.after;
      break;
    }
    p = cut.next;
  }
  // The line with its CR LF and the buffer's terminating zero must fit 1 MiB.
  *tooLong = static_cast<size_t>(lineEnd - line) > kRefLineLimit;
  return next;
}
