#pragma once
// A malloc'd byte buffer with its length. File contents and converted texts can be
// hundreds of megabytes; realloc lets the converter give back its worst-case slack
// without copying the text again.
#include <cstddef>
#include <cstdlib>
#include <memory>

struct HeapBufferFree {
  void operator()(char* p) const { std::free(p); }
};

struct HeapBuffer {
  std::unique_ptr<char, HeapBufferFree> data;
  size_t size = 0;

  // Replaces the contents with `bytes` uninitialised bytes; false when out of memory.
  bool Allocate(size_t bytes) {
    data.reset(static_cast<char*>(std::malloc(bytes ? bytes : 1)));
    size = data ? bytes : 0;
    return data != nullptr;
  }

  // Gives back the bytes past `bytes`; the contents before stay.
  void Shrink(size_t bytes) {
    if (bytes >= size) return;
    if (char* p = static_cast<char*>(std::realloc(data.get(), bytes ? bytes : 1))) {
      data.release();
      data.reset(p);
    }
    size = bytes;
  }
};
