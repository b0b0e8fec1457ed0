#pragma once
// Reference files are UTF-16LE with a 2-byte byte-order mark. They are read whole and
// converted once to 8-bit text (the ANSI code page; UTF-8 in native builds), which is
// what the parsers scan.
#include <cstddef>

#include "base/HeapBuffer.h"

// Reads and converts the file; the bytes after the mark become zero-terminated text.
// False (the file counts as missing) when it cannot be read, is shorter than the mark,
// or converts to no text.
bool LoadRefDataText(const char* path, HeapBuffer* text);
