#pragma once
// Reference files are UTF-16LE with a 2-byte byte-order mark. Each is read and converted
// once to 8-bit text (the ANSI code page; UTF-8 in native builds), which is what the
// parsers scan.
//
// The files run to hundreds of megabytes, and fresh memory for each whole text costs
// more than converting it. So the text lives in a window that serves file after file:
// the file is read a slice at a time and converted piece by piece as the parser reaches
// the end of what is there, and only the text the parser still holds (the token or line
// it is in, and what its caller keeps) moves to the window's start to make room.
#include <cstddef>
#include <cstdint>

#include "base/FileRead.h"
#include "base/HeapBuffer.h"

// The fuzz build reads in small slices; see kSliceBytes.
#ifndef KV_REF_SLICE_BYTES
#define KV_REF_SLICE_BYTES (256 * 1024)
#endif

class CRefText {
 public:
  CRefText() = default;
  CRefText(const CRefText&) = delete;
  CRefText& operator=(const CRefText&) = delete;

  // Opens the file and converts its first piece, replacing the text before. False (the
  // file counts as missing) when it cannot be read, is shorter than the mark, or
  // converts to no text.
  bool Open(const char* path);
  // Files are opened through `reader` from the next Open on; null: from the disk.
  void ReadFrom(IFileReader* reader) {
    m_file->Close();
    m_file = reader ? reader : &m_disk;
  }

  // Keeps the text from `keep` (at most Ready()) on, moved to the window's start, and
  // converts more behind it: at least `more` bytes, and at least three, unless the file
  // ends first. Returns how far the kept text moved toward the start: an offset into the
  // window lowers by that much; pointers into the window are void.
  //
  // A parser that scans a token or line again from its start after each refill asks
  // for as much again as it has seen of it, so that a long one costs a few scans, not
  // one per slice.
  size_t Refill(const char* keep, size_t more = 3);

  // The window: the text converted so far, writable in place, from its first byte kept.
  char* Data() { return m_text.data.get(); }
  // The end of the converted text; once Complete() it holds the terminating zero.
  char* Ready() { return m_text.data.get() + m_size; }
  size_t Size() const { return m_size; }
  // Bytes of the file (as opened), and of it read so far.
  uint64_t FileBytes() const { return m_fileBytes; }
  uint64_t BytesRead() const { return m_fileBytes - m_left; }
  // The whole file is converted, or a read failed.
  bool Complete() const { return !m_reading; }
  // A read failed after Open: the text ends where the file could no longer be read.
  bool ReadFailed() const { return m_readFailed; }

  // Bytes read from the file at a time (at least 8: a slice keeps up to three back).
  enum : size_t { kSliceBytes = KV_REF_SLICE_BYTES };

 private:
  CFileReader m_disk;
  IFileReader* m_file = &m_disk;
  HeapBuffer m_slice;
  HeapBuffer m_text;    // m_text.size is its capacity
  size_t m_size = 0;    // bytes of text in the window
  size_t m_pieceMax = 0;  // the most text one slice converts to
  uint64_t m_fileBytes = 0;
  uint64_t m_left = 0;  // bytes of the file not read yet
  size_t m_held = 0;    // bytes at the slice's start kept back for the next piece
  size_t m_skip = 0;    // bytes of the mark not skipped yet
  bool m_reading = false;
  bool m_readFailed = false;

  // Kept text too long for the window: a larger one, with room for `bytes`, takes it.
  bool Grow(size_t bytes);
  void ConvertAtLeast(size_t bytes);
  bool ConvertPiece();
  void Finish();
};
