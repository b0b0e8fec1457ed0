#pragma once
// Reference files are UTF-16LE with a 2-byte byte-order mark. Each is read and converted
// once to 8-bit text (the ANSI code page; UTF-8 in native builds), which is what the
// parsers scan.
//
// The file is read a slice at a time into a small buffer that stays in the processor's
// cache and is converted from there, and one text buffer serves file after file: the
// files run to hundreds of megabytes, and fresh memory for each whole file, read once
// and converted once, costs more than the conversion itself.
#include <cstddef>

#include "base/HeapBuffer.h"

class CRefText {
 public:
  CRefText() = default;
  CRefText(const CRefText&) = delete;
  CRefText& operator=(const CRefText&) = delete;

  // Reads and converts the file; the bytes after the mark become zero-terminated text,
  // replacing the text read before. False (the file counts as missing) when it cannot
  // be read, is shorter than the mark, or converts to no text.
  bool Load(const char* path);

  // The text of the last successful Load, writable in place, with its terminating zero.
  char* Data() { return m_text.data.get(); }
  size_t Size() const { return m_size; }

  // Bytes read from the file at a time.
  enum : size_t { kSliceBytes = 256 * 1024 };

 private:
  HeapBuffer m_slice;
  HeapBuffer m_text;  // m_text.size is its capacity
  size_t m_size = 0;

  bool Reserve(size_t bytes);
};
