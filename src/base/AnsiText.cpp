#include "base/AnsiText.h"

#include <cstdint>

bool ConvertUtf16ToAnsi(const char* src, size_t units, HeapBuffer* out) {
  out->data.reset();
  out->size = 0;
  const size_t perUnit = AnsiBytesPerUnit();
  // One call into a worst-case buffer instead of a measuring pass over the whole text.
  if (units > (SIZE_MAX - 1) / perUnit || !out->Allocate(units * perUnit + 1)) return false;
  size_t written = 0;
  if (!ConvertUtf16ToAnsiInto(src, units, out->data.get(), &written)) {
    out->data.reset();
    out->size = 0;
    return false;
  }
  out->data.get()[written] = '\0';
  out->Shrink(written + 1);
  out->size = written;
  return true;
}
