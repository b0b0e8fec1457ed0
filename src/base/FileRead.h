#pragma once
// File reading, the only file access of the module. Paths use backslashes as folder
// separators ("KV_GameRefData\\ItemData.txt"), relative to the current directory.
// Other readers may have the file open; a writer holding it exclusively stops the read.
#include <cstddef>
#include <cstdint>

#include "base/HeapBuffer.h"

// A file opened by path and read front to back: from the disk (CFileReader), or from
// memory where tests and fuzzers hand the reference parsers their text without a file.
class IFileReader {
 public:
  virtual ~IFileReader() = default;
  // False when the path names no file that can be read.
  virtual bool Open(const char* path) = 0;
  virtual void Close() = 0;
  // The file's size when it was opened.
  virtual uint64_t Size() const = 0;
  // Reads up to `bytes` into buf: the number read, 0 at the end, -1 on an error.
  virtual ptrdiff_t Read(char* buf, size_t bytes) = 0;
};

// One regular file on the disk.
class CFileReader final : public IFileReader {
 public:
  CFileReader() = default;
  ~CFileReader() override { Close(); }
  CFileReader(const CFileReader&) = delete;
  CFileReader& operator=(const CFileReader&) = delete;

  // False when the path names no existing regular file or it cannot be opened.
  bool Open(const char* path) override;
  void Close() override;
  uint64_t Size() const override { return m_size; }
  ptrdiff_t Read(char* buf, size_t bytes) override;

 private:
  intptr_t m_handle = -1;
  uint64_t m_size = 0;
};

// Reads the whole file at path into out, as large as it was when opened. False when it
// cannot be opened or fully read.
bool FileReadWhole(const char* path, HeapBuffer* out);
