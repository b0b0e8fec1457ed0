#include "ui/ClipboardText.h"

void ClipboardText::AddCell(const char* text) {
  if (m_text.size() > m_lineStart) m_text += '\t';
  if (text) m_text += text;
}

void ClipboardText::EndLine() {
  m_text += "\r\n";
  m_lineStart = m_text.size();
}
