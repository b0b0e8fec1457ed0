#include "refdata/RefDataText.h"

#include <cstdint>
#include <cstring>

#include "base/AnsiText.h"
#include "base/FileRead.h"

namespace {

bool IsHighSurrogate(const unsigned char* unit) { return unit[1] >= 0xD8 && unit[1] <= 0xDB; }

}  // namespace

bool CRefText::Reserve(size_t bytes) {
  if (m_text.size >= bytes) return true;
  m_text.data.reset();  // the old text is not kept: no copy, and no two buffers at once
  return m_text.Allocate(bytes);
}

bool CRefText::Load(const char* path) {
  m_size = 0;
  CFileReader file;
  if (!file.Open(path) || file.Size() < 2) return false;
  const size_t perUnit = AnsiBytesPerUnit();
  if (file.Size() / 2 > (SIZE_MAX - 1) / perUnit) return false;
  // Only the size the file had when opened is read, so the worst case stays known.
  uint64_t left = file.Size();
  if (!Reserve(static_cast<size_t>(left / 2) * perUnit + 1)) return false;
  // A slice keeps up to three bytes back for the next: half a code unit, or the first
  // half of a surrogate pair whose second half is not read yet.
  if (!m_slice.data && !m_slice.Allocate(kSliceBytes + 4)) return false;
  char* slice = m_slice.data.get();
  size_t held = 0;
  size_t skip = 2;  // the mark, skipped unread
  size_t written = 0;
  while (left > 0) {
    const size_t ask = left < kSliceBytes ? static_cast<size_t>(left) : kSliceBytes;
    const ptrdiff_t got = file.Read(slice + held, ask);
    if (got <= 0) return false;
    left -= static_cast<uint64_t>(got);
    size_t have = held + static_cast<size_t>(got);
    const size_t from = skip < have ? skip : have;
    skip -= from;
    size_t units = (have - from) / 2;
    if (left > 0 && units > 0 && IsHighSurrogate(reinterpret_cast<unsigned char*>(slice + from + units * 2 - 2))) {
      --units;
    }
    size_t n = 0;
    if (!ConvertUtf16ToAnsiInto(slice + from, units, m_text.data.get() + written, &n)) return false;
    written += n;
    held = have - from - units * 2;
    memmove(slice, slice + from + units * 2, held);
  }
  // An odd last byte is no code unit and is dropped.
  m_text.data.get()[written] = '\0';
  m_size = written;
  return written > 0;
}
