#include "refdata/RefDataParser2.h"

#include "base/LogOutput.h"
#include "refdata/RefDataText.h"
#include "refdata/RefToken.h"

bool CRefDataParser2::Open(const char* path) {
  m_path = path;
  m_lineTooLong = false;
  m_readPos = nullptr;
  if (!m_text.Load(path)) return false;
  m_end = m_text.Data() + m_text.Size();
  if (m_text.Data()[0] != '\0') m_readPos = m_text.Data();
  m_scan.Start(m_text.Data(), m_end);
  return true;
}

const CLineParser* CRefDataParser2::ReadLine(size_t maxColumns) {
  if (!m_readPos) return nullptr;
  bool tooLong = false;
  m_readPos = m_line.Split(m_scan, m_readPos, maxColumns, &tooLong);
  if (tooLong) {
    LogOutput(kLogDataError, "^2Text RefData file %s has a line longer than %u bytes", m_path.c_str(),
              static_cast<unsigned>(kRefLineLimit));
    m_lineTooLong = true;
    m_readPos = nullptr;
    return nullptr;
  }
  return &m_line;
}
