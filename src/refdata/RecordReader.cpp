#include "refdata/RecordReader.h"

const char* CRecordReader::Text() {
  Flush();
  if (!m_ok) return "";
  const char* token = m_parser.GetString(m_ok);
  if (!m_ok) return "";
  const char* kept = m_pool.Add(token);
  if (!kept) {
    m_ok = false;
    return "";
  }
  return kept;
}
