#pragma once
// CRecordReader takes a record's columns from the token stream in order. After the
// first column that cannot be read every later call does nothing, so a record's Read
// is a plain list of its columns and reports at the end whether all were there.
// Columns the module has no use for are read and dropped (Skip) so the stream stays
// aligned; kept texts are copied into the record kind's pool.
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/StringPool.h"

class CRecordReader {
 public:
  CRecordReader(CRefDataParser& parser, CStringPool& pool) : m_parser(parser), m_pool(pool) {}

  int32_t Int() {
    if (!m_ok) return 0;
    return m_parser.GetInt(m_ok);
  }

  const char* Text();

  void Skip(int columns) {
    if (m_ok) m_parser.SkipTokens(columns, m_ok);
  }

  bool Ok() const { return m_ok; }

 private:
  CRefDataParser& m_parser;
  CStringPool& m_pool;
  bool m_ok = true;
};
