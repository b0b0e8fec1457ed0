#include "base/FileRead.h"

bool FileReadWhole(const char* path, HeapBuffer* out) {
  out->data.reset();
  out->size = 0;
  CFileReader file;
  // A size that does not fit the address space cannot be held anyway.
  if (!file.Open(path) || file.Size() > SIZE_MAX / 2 || !out->Allocate(static_cast<size_t>(file.Size()))) {
    return false;
  }
  size_t done = 0;
  while (done < out->size) {
    const ptrdiff_t n = file.Read(out->data.get() + done, out->size - done);
    if (n <= 0) {
      out->data.reset();
      out->size = 0;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}
