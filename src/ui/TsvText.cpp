#include "ui/TsvText.h"

#include <cstring>

#include "base/Format.h"

const char kUtf8Bom[] = "\xEF\xBB\xBF";

namespace {
// Replaces every single-byte character of `text` found in `chars` (or below a space,
// with `controls`) by `with`; double-byte characters are stepped over whole, so their
// trail bytes (a backslash in code page 950) stay as they are.
std::string ReplaceChars(const std::string& text, const char* chars, bool controls, char with, CharStepFunc step) {
  std::string out = text;
  for (size_t at = 0; at < out.size(); at += step(out.c_str() + at)) {
    unsigned char c = static_cast<unsigned char>(out[at]);
    if (step(out.c_str() + at) == 1 && ((controls && c < 0x20) || (c && strchr(chars, c)))) out[at] = with;
  }
  return out;
}
}  // namespace

std::string TsvLine(const std::vector<std::string>& cells, CharStepFunc step) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i) line += '\t';
    line += ReplaceChars(StripColourMarks(cells[i].c_str(), step), "\t\r\n", false, ' ', step);
  }
  return line + "\r\n";
}

std::string TsvFileName(const char* caption, int year, int month, int day, CharStepFunc step) {
  std::string name = ReplaceChars(caption ? caption : "", "\\/:*?\"<>|", true, '_', step);
  return name + FormatString(kCaptionChars, " %04d-%02d-%02d.tsv", year, month, day);
}
