#pragma once
// UTF-16 to 8-bit text conversion for the reference files.
//
// Windows: the system ANSI code page, exactly as WideCharToMultiByte(CP_ACP, 0, ...,
// nullptr, nullptr) makes it (characters the code page lacks become its default
// character).
// Elsewhere (native builds and tests): UTF-8. A surrogate without its partner becomes
// '?', so every input converts and tests can rely on the bytes.
#include <cstddef>

#include "base/HeapBuffer.h"

// Converts `units` UTF-16LE code units at src (two bytes each, any alignment) in one
// pass into out, followed by a terminating zero that out->size does not count.
// False when memory runs out or the system refuses the conversion.
bool ConvertUtf16ToAnsi(const char* src, size_t units, HeapBuffer* out);
