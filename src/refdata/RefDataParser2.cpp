#include "refdata/RefDataParser2.h"

#include <algorithm>
#include <cstring>

#include "base/LogOutput.h"
#include "refdata/RefToken.h"

bool CRefDataParser2::Open(const char* path) {
  m_path = path;
  m_lineTooLong = false;
  m_readPos = nullptr;
  m_dropped = 0;
  if (!m_text.Open(path)) return false;
  if (m_text.Data()[0] != '\0') m_readPos = m_text.Data();
  m_scan.Start(m_text.Data(), m_text.Ready(), m_text.Complete());
  return true;
}

size_t CRefDataParser2::EstimatedLines() {
  const char* p = m_text.Data();
  const char* end = m_text.Ready();
  size_t lines = 0;
  while ((p = static_cast<const char*>(memchr(p, '\r', static_cast<size_t>(end - p)))) != nullptr && p + 1 < end) {
    lines += p[1] == '\n';
    ++p;
  }
  const uint64_t read = m_text.BytesRead();
  if (!read) return 0;
  const double estimate =
      static_cast<double>(lines) * static_cast<double>(m_text.FileBytes()) / static_cast<double>(read);
  return static_cast<size_t>(std::min(estimate, static_cast<double>(m_text.FileBytes() / 64)));
}

const CLineParser* CRefDataParser2::ReadLine(size_t maxColumns, size_t keep) {
  m_dropped = 0;
  if (!m_readPos) return nullptr;
  CLineParser::SplitResult split = m_line.Split(m_scan, m_readPos, maxColumns);
  while (split.needsMore && !split.tooLong) {
    // The kept text lies before the line, or is nothing.
    const size_t line = static_cast<size_t>(m_readPos - m_text.Data());
    const size_t seen = static_cast<size_t>(m_text.Ready() - m_readPos);  // split again from the start
    const size_t dropped = m_text.Refill(m_text.Data() + (keep < line ? keep : line), seen);
    m_dropped += dropped;
    keep = keep < line ? 0 : kKeepNothing;
    m_readPos = m_text.Data() + (line - dropped);
    m_scan.Start(m_readPos, m_text.Ready(), m_text.Complete());
    split = m_line.Split(m_scan, m_readPos, maxColumns);
  }
  if (split.tooLong) {
    LogOutput(kLogDataError, "^2Text RefData file %s has a line longer than %u bytes", m_path.c_str(),
              static_cast<unsigned>(kRefLineLimit));
    m_lineTooLong = true;
    m_readPos = nullptr;
    return nullptr;
  }
  m_readPos = split.next;
  return &m_line;
}
