#pragma once
// UTF-8 to UTF-16 little-endian, the encoding of every reference file.
#include <cstddef>
#include <string>

// Appends the UTF-16LE bytes of a UTF-8 text to out. False (out unchanged) when the text
// is not well-formed UTF-8: overlong forms, surrogates and values above U+10FFFF included.
bool AppendUtf16LE(std::string& out, const char* utf8, size_t length);
