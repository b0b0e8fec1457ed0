#pragma once
// CRecordReader takes a record's columns from the token stream in order. After the
// first column that cannot be read every later call does nothing, so a record's Read
// is a plain list of its columns and reports at the end whether all were there.
// Columns the module has no use for are read and dropped (Skip) so the stream stays
// aligned; skips in a row are made as one, when the next column is read or the record
// ends. Kept texts are copied into the record kind's pool.
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/StringPool.h"

class CRecordReader {
 public:
  CRecordReader(CRefDataParser& parser, CStringPool& pool) : m_parser(parser), m_pool(pool) {}

  int32_t Int() {
    Flush();
    if (!m_ok) return 0;
    return m_parser.GetInt(m_ok);
  }

  const char* Text();

  void Skip(int columns) { m_skips += columns; }

  // Whether every column so far was there; the record's last call.
  bool Ok() {
    Flush();
    return m_ok;
  }

 private:
  CRefDataParser& m_parser;
  CStringPool& m_pool;
  bool m_ok = true;
  int m_skips = 0;

  void Flush() {
    if (m_skips && m_ok) m_parser.SkipTokens(m_skips, m_ok);
    m_skips = 0;
  }
};
