#pragma once
// Writes one reference file: a UTF-16LE byte-order mark, then lines of TAB-separated
// cells, each line closed by CR LF (so the file ends with CR LF and no empty line).
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class CUtf16FileWriter {
 public:
  CUtf16FileWriter() = default;
  ~CUtf16FileWriter();
  CUtf16FileWriter(const CUtf16FileWriter&) = delete;
  CUtf16FileWriter& operator=(const CUtf16FileWriter&) = delete;

  bool Open(const std::string& path);
  // Cells are UTF-8. False when a cell is not UTF-8 or holds a TAB, CR or LF, which
  // would move every later column; nothing of that line is written then.
  bool WriteLine(const std::vector<std::string>& cells);
  // Flushes and closes; false when any write failed.
  bool Close();

  uint64_t BytesWritten() const { return m_Bytes; }
  uint64_t LinesWritten() const { return m_Lines; }

 private:
  bool Flush();

  FILE* m_File = nullptr;
  std::string m_Buffer;
  bool m_Failed = false;
  uint64_t m_Bytes = 0;
  uint64_t m_Lines = 0;
};
