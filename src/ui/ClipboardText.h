#pragma once
// Plain text of a table for the clipboard: cells separated by tabs, lines ended by
// CR LF. A tab goes before a cell only when its line already holds something, so empty
// leading cells add no tab.
#include <string>

class ClipboardText {
 public:
  void AddCell(const char* text);
  void EndLine();
  const std::string& Text() const { return m_text; }

 private:
  std::string m_text;
  size_t m_lineStart = 0;
};
