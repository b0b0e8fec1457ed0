#pragma once
// The stand-in console's readable files (its directory, the sample logs): read whole,
// then handed to their parser.
#include <cstdint>
#include <string>

#include "base/Format.h"

bool ReadSimTextFile(const char* path, std::string* text);

// The field without blanks, tabs and carriage returns at either end.
std::string TrimField(const std::string& s);

// Decimal, or hexadecimal after "0x" (a leading zero does not make it octal), at most
// max; false for anything else, a sign or a leading blank included.
bool ReadUnsignedField(const std::string& s, uint32_t max, uint32_t* value);

// Reads and parses the file; the parser's error comes back behind the file's path.
template <class Parsed>
bool LoadSimTextFile(const char* path, Parsed* parsed, std::string* error,
                     bool (*parse)(const std::string& text, Parsed* parsed, std::string* error)) {
  std::string text;
  if (!ReadSimTextFile(path, &text)) {
    *error = FormatString(kLineChars, "cannot open %s", path);
    return false;
  }
  if (parse(text, parsed, error)) return true;
  *error = FormatString(kLineChars, "%s: %s", path, error->c_str());
  return false;
}
