#include "refdatagen/Utf16FileWriter.h"


#include "refdatagen/Utf16Text.h"

namespace {

const size_t kFlushBytes = 1 << 20;

}  // namespace

CUtf16FileWriter::~CUtf16FileWriter() { Close(); }

bool CUtf16FileWriter::Open(const std::string& path) {
  Close();
  m_File = fopen(path.c_str(), "wb");
  m_Failed = m_File == nullptr;
  m_Bytes = 0;
  m_Lines = 0;
  m_Buffer.assign("\xFF\xFE", 2);
  return !m_Failed;
}

bool CUtf16FileWriter::WriteLine(const std::vector<std::string>& cells) {
  if (!m_File) return false;
  const size_t start = m_Buffer.size();
  for (size_t i = 0; i < cells.size(); ++i) {
    const std::string& cell = cells[i];
    if (cell.find_first_of("\t\r\n") != std::string::npos ||
        !AppendUtf16LE(m_Buffer, cell.data(), cell.size())) {
      m_Buffer.resize(start);
      return false;
    }
    if (i + 1 < cells.size()) m_Buffer.append("\t\0", 2);
  }
  m_Buffer.append("\r\0\n\0", 4);
  ++m_Lines;
  return m_Buffer.size() < kFlushBytes || Flush();
}

bool CUtf16FileWriter::Flush() {
  if (!m_File || m_Buffer.empty()) return !m_Failed;
  if (fwrite(m_Buffer.data(), 1, m_Buffer.size(), m_File) != m_Buffer.size()) m_Failed = true;
  m_Bytes += m_Buffer.size();
  m_Buffer.clear();
  return !m_Failed;
}

bool CUtf16FileWriter::Close() {
  if (!m_File) return !m_Failed;
  Flush();
  if (fclose(m_File) != 0) m_Failed = true;
  m_File = nullptr;
  return !m_Failed;
}
