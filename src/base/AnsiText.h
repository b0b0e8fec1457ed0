#pragma once
// UTF-16 to 8-bit text conversion for the reference files.
//
// Windows: the system ANSI code page, exactly as WideCharToMultiByte(CP_ACP, 0, ...,
// nullptr, nullptr) makes it (characters the code page lacks become its default
// character).
// Elsewhere (native builds and tests): UTF-8. A surrogate without its partner becomes
// '?', so every input converts and tests can rely on the bytes.
//
// Every unit or surrogate pair converts on its own, so a text converted piece by piece
// comes out the same as in one piece, as long as no piece ends between the two halves
// of a pair.
#include <cstddef>

#include "base/HeapBuffer.h"

// The most bytes one UTF-16 code unit can become.
size_t AnsiBytesPerUnit();

// Converts `units` UTF-16LE code units at src (two bytes each, any alignment) into dst,
// which has room for units * AnsiBytesPerUnit() bytes, and sets *written to the bytes
// written. False when the system refuses the conversion.
bool ConvertUtf16ToAnsiInto(const char* src, size_t units, char* dst, size_t* written);

// The same in one pass into out, followed by a terminating zero that out->size does not
// count. False when memory runs out or the system refuses the conversion.
bool ConvertUtf16ToAnsi(const char* src, size_t units, HeapBuffer* out);
