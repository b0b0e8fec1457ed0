#pragma once
// CRefDataParser2 reads a text file line by line: a line runs up to and including the
// next CR LF and is split into numbered columns (LineParser.h). Unlike the record
// files, columns here are found by number, so a short line only lacks columns.
#include <string>

#include "refdata/LineParser.h"
#include "refdata/RefDataText.h"
#include "refdata/RefScan.h"

class CRefDataParser2 {
 public:
  CRefDataParser2() = default;
  virtual ~CRefDataParser2() = default;
  CRefDataParser2(const CRefDataParser2&) = delete;
  CRefDataParser2& operator=(const CRefDataParser2&) = delete;

  // Loads and converts the file. False when the file is missing.
  bool Open(const char* path);

  // The next line's columns (valid until the next call), or null when the data is
  // exhausted or a line was too long (LineTooLong tells which). Only the first
  // maxColumns columns are split. Tokens of earlier lines stay valid until the
  // parser's next Open.
  const CLineParser* ReadLine(size_t maxColumns = ~size_t(0));

  bool LineTooLong() const { return m_lineTooLong; }

 private:
  CLineParser m_line;
  CRefText m_text;
  char* m_readPos = nullptr;
  const char* m_end = nullptr;  // the terminating zero
  RefScanCursor m_scan;
  bool m_lineTooLong = false;
  std::string m_path;
};
