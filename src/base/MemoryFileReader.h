#pragma once
// One file served from memory under one path, read as the disk's files are: the
// reference parsers take a test's or a fuzzer's text through it without writing a file.
#include <cstring>
#include <string>

#include "base/FileRead.h"

class CMemoryFileReader final : public IFileReader {
 public:
  // From the next Open on, `path` names these bytes; they stay the caller's and must
  // outlive the reads. Every other path is missing.
  void Serve(const char* path, const void* bytes, size_t size) {
    Close();
    m_path = path;
    m_bytes = static_cast<const char*>(bytes);
    m_size = size;
  }

  bool Open(const char* path) override {
    Close();
    if (m_path != path) return false;
    m_open = true;
    return true;
  }
  void Close() override {
    m_open = false;
    m_at = 0;
  }
  uint64_t Size() const override { return m_open ? m_size : 0; }
  ptrdiff_t Read(char* buf, size_t bytes) override {
    if (!m_open) return -1;
    const size_t n = bytes < m_size - m_at ? bytes : m_size - m_at;
    if (n) memcpy(buf, m_bytes + m_at, n);
    m_at += n;
    return static_cast<ptrdiff_t>(n);
  }

 private:
  std::string m_path;
  const char* m_bytes = nullptr;
  size_t m_size = 0;
  size_t m_at = 0;
  bool m_open = false;
};
