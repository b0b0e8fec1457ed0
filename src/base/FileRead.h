#pragma once
// File reading, the only file access of the module. Paths use backslashes as folder
// separators ("KV_GameRefData\\ItemData.txt"), relative to the current directory.
// Other readers may have the file open; a writer holding it exclusively stops the read.
#include <cstddef>
#include <cstdint>

#include "base/HeapBuffer.h"

// One regular file opened for reading front to back.
class CFileReader {
 public:
  CFileReader() = default;
  ~CFileReader() { Close(); }
  CFileReader(const CFileReader&) = delete;
  CFileReader& operator=(const CFileReader&) = delete;

  // False when the path names no existing regular file or it cannot be opened.
  bool Open(const char* path);
  void Close();
  // The file's size when it was opened.
  uint64_t Size() const { return m_size; }
  // Reads up to `bytes` into buf: the number read, 0 at the end, -1 on an error.
  ptrdiff_t Read(char* buf, size_t bytes);

 private:
  intptr_t m_handle = -1;
  uint64_t m_size = 0;
};

// Reads the whole file at path into out, as large as it was when opened. False when it
// cannot be opened or fully read.
bool FileReadWhole(const char* path, HeapBuffer* out);
