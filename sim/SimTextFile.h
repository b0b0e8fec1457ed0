#pragma once
// The stand-in console's readable files (its directory, the sample logs): read whole,
// then handed to their parser.
#include <string>

#include "base/Format.h"

bool ReadSimTextFile(const char* path, std::string* text);

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
