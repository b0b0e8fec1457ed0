#include "refdata/RefDataText.h"

#include "base/AnsiText.h"
#include "base/FileRead.h"

bool LoadRefDataText(const char* path, HeapBuffer* text) {
  HeapBuffer raw;
  if (!FileReadWhole(path, &raw) || raw.size < 2) return false;
  // The mark is skipped unread; an odd last byte is no code unit and is dropped.
  if (!ConvertUtf16ToAnsi(raw.data.get() + 2, raw.size / 2 - 1, text)) return false;
  return text->size > 0;
}
