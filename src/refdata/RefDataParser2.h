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
  // Files are opened through `reader` from the next Open on; null: from the disk.
  void ReadFrom(IFileReader* reader) { m_text.ReadFrom(reader); }

  static constexpr size_t kKeepNothing = ~size_t(0);

  // The next line's columns (valid until the next call), or null when the data is
  // exhausted or a line was too long (LineTooLong tells which). Only the first
  // maxColumns columns are split. Earlier lines are dropped as the text moves on,
  // except from `keep` on: an offset into Text() whose text stays, at the offsets
  // Dropped() lowers them by.
  const CLineParser* ReadLine(size_t maxColumns = ~size_t(0), size_t keep = kKeepNothing);

  // The text the lines lie in; the offset of a column is its distance from here.
  const char* Text() { return m_text.Data(); }
  // How far the last ReadLine moved the kept text toward the start of Text().
  size_t Dropped() const { return m_dropped; }

  // About how many lines the file holds, from the lines of the text converted so far,
  // but no more than one per 64 bytes of the file: a file of short lines (a broken one,
  // or one of repeated keys) must not make a loader reserve more than the file's size.
  size_t EstimatedLines();

  bool LineTooLong() const { return m_lineTooLong; }
  // The file could not be read to its end after it was opened: the data ends there.
  bool ReadFailed() const { return m_text.ReadFailed(); }

 private:
  CLineParser m_line;
  CRefText m_text;
  char* m_readPos = nullptr;
  size_t m_dropped = 0;
  RefScanCursor m_scan;
  bool m_lineTooLong = false;
  std::string m_path;
};
