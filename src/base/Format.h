#pragma once
// Bounded formatting: every text the module builds goes through these, so a long
// server or file text is cut at the buffer's end and never overruns it.
#include <cstdarg>
#include <cstddef>
#include <string>

#include "base/Platform.h"

// Buffer sizes used across the module.
enum : size_t {
  kLineChars = 1024,    // log lines and operator messages
  kCellChars = 4096,    // list cells and colour-drawn texts
  kCaptionChars = 260,  // captions, combo entries, menu items
};

// Formats into buf (size bytes, size >= 1); the result is always terminated and cut
// to size - 1 characters. Returns the length written.
size_t FormatBounded(char* buf, size_t size, const char* format, ...) KV_PRINTF(3, 4);
size_t FormatBoundedV(char* buf, size_t size, const char* format, va_list args) KV_PRINTF(3, 0);

// Appends to a terminated text in buf, within the same bound.
size_t AppendBounded(char* buf, size_t size, const char* format, ...) KV_PRINTF(3, 4);

// Formats into a string of at most limit - 1 characters.
std::string FormatString(size_t limit, const char* format, ...) KV_PRINTF(2, 3);

// Formats one line: a cell or log text, held in a line buffer and cut at its end.
std::string FormatLine(const char* format, ...) KV_PRINTF(1, 2);

// Copies a text of at most size - 1 characters; the target is always terminated.
void CopyBounded(char* dst, size_t size, const char* src);

// Reads a text from a fixed field that may or may not hold a terminating zero.
std::string FieldText(const char* field, size_t width);
