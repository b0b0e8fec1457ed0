#include "refdata/RefDataText.h"

#include <cstdint>
#include <cstring>

#include "base/AnsiText.h"

namespace {

bool IsHighSurrogate(const unsigned char* unit) { return unit[1] >= 0xD8 && unit[1] <= 0xDB; }

// Room for text kept from one piece to the next before the window has to grow: a token
// or line rarely comes near it.
const size_t kKeepRoom = CRefText::kSliceBytes / 4;

}  // namespace

bool CRefText::Open(const char* path) {
  m_size = 0;
  m_reading = false;
  m_readFailed = false;
  m_file->Close();
  if (!m_file->Open(path) || m_file->Size() < 2) return false;
  // A slice keeps up to three bytes back for the next: half a code unit, or the first
  // half of a surrogate pair whose second half is not read yet.
  m_pieceMax = (kSliceBytes + 4) / 2 * AnsiBytesPerUnit();
  const size_t window = m_pieceMax + kKeepRoom + 1;
  if (m_text.size < window) {
    m_text.data.reset();
    if (!m_text.Allocate(window)) return false;
  }
  if (!m_slice.data && !m_slice.Allocate(kSliceBytes + 4)) return false;
  m_fileBytes = m_file->Size();
  m_left = m_fileBytes;  // only the size the file had when opened is read
  m_held = 0;
  m_skip = 2;  // the mark, skipped unread
  m_reading = true;
  ConvertAtLeast(3);
  return !m_readFailed && m_size > 0;
}

size_t CRefText::Refill(const char* keep, size_t more) {
  if (more < 3) more = 3;
  const size_t dropped = static_cast<size_t>(keep - Data());
  m_size -= dropped;
  memmove(Data(), keep, m_size);
  // Each piece starts with room for the most it can convert to, and pieces are converted
  // until `more` bytes have come.
  const size_t room = m_size + more + m_pieceMax;
  if (m_reading && m_text.size < room && !Grow(room)) {
    m_readFailed = true;  // no memory for more: the text ends here
    Finish();
  }
  if (m_reading) {
    ConvertAtLeast(more);
  } else {
    Data()[m_size] = '\0';
  }
  return dropped;
}

bool CRefText::Grow(size_t bytes) {
  if (bytes > SIZE_MAX / 2) return false;
  HeapBuffer larger;
  if (!larger.Allocate(2 * bytes)) return false;
  memcpy(larger.data.get(), Data(), m_size);
  m_text = std::move(larger);
  return true;
}

void CRefText::ConvertAtLeast(size_t bytes) {
  const size_t target = m_size + bytes;
  while (m_reading && m_size < target) {
    if (!ConvertPiece()) {
      m_readFailed = true;
      Finish();
    }
  }
}

bool CRefText::ConvertPiece() {
  char* slice = m_slice.data.get();
  const size_t ask = m_left < kSliceBytes ? static_cast<size_t>(m_left) : kSliceBytes;
  const ptrdiff_t got = m_file->Read(slice + m_held, ask);
  if (got <= 0) return false;
  m_left -= static_cast<uint64_t>(got);
  const size_t have = m_held + static_cast<size_t>(got);
  const size_t from = m_skip < have ? m_skip : have;
  m_skip -= from;
  size_t units = (have - from) / 2;
  if (m_left > 0 && units > 0 && IsHighSurrogate(reinterpret_cast<unsigned char*>(slice + from + units * 2 - 2))) {
    --units;
  }
  size_t n = 0;
  if (!ConvertUtf16ToAnsiInto(slice + from, units, Ready(), &n)) return false;
  m_size += n;
  m_held = have - from - units * 2;
  memmove(slice, slice + from + units * 2, m_held);
  // An odd last byte is no code unit and is dropped.
  if (m_left == 0) Finish();
  return true;
}

void CRefText::Finish() {
  Data()[m_size] = '\0';
  m_reading = false;
  m_file->Close();
}
