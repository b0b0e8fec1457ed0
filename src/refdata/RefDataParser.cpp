#include "refdata/RefDataParser.h"

#include "base/LogOutput.h"
#include "refdata/RefNumber.h"
#include "refdata/RefToken.h"

bool CRefDataParser::Open(const char* path) {
  m_path = path;
  m_tokenTooLong = false;
  m_cursor = nullptr;
  if (!m_text.Open(path)) return false;
  // A text that starts with a zero (a U+0000 first character) holds no token.
  if (m_text.Data()[0] != '\0') m_cursor = m_text.Data();
  m_scan.Start(m_text.Data(), m_text.Ready(), m_text.Complete());
  return true;
}

char* CRefDataParser::Refill(char* keep) {
  m_text.Refill(keep, static_cast<size_t>(m_text.Ready() - keep));
  m_scan.Start(m_text.Data(), m_text.Ready(), m_text.Complete());
  return m_text.Data();
}

const char* CRefDataParser::GetString(bool& ok) {
  ok = m_cursor != nullptr;
  if (!ok) return "";
  char* token = m_cursor;
  RefTokenCut cut = CutRefToken(m_scan, token);
  while (cut.needsMore && cut.length <= kRefTokenLimit) {
    token = Refill(token);
    cut = CutRefToken(m_scan, token);
  }
  m_cursor = cut.next;
  if (cut.length > kRefTokenLimit) {
    FailTooLong();
    ok = false;
    return "";
  }
  return token;
}

void CRefDataParser::SkipTokens(int count, bool& ok) {
  if (count <= 0) {
    ok = true;
    return;
  }
  if (!m_cursor) {
    ok = false;
    return;
  }
  RefTokenSkip skip = SkipRefTokens(m_scan, m_cursor, &count);
  while (skip.needsMore) skip = SkipRefTokens(m_scan, Refill(skip.next), &count);
  m_cursor = skip.next;
  if (skip.tooLong) FailTooLong();
  ok = !skip.tooLong && count == 0;
}

void CRefDataParser::FailTooLong() {
  LogOutput(kLogDataError, "^2RefData file : %s has a token longer than %u bytes", m_path.c_str(),
            static_cast<unsigned>(kRefTokenLimit));
  m_tokenTooLong = true;
  m_cursor = nullptr;
}

int32_t CRefDataParser::GetInt(bool& ok) {
  const char* token = GetString(ok);
  return ok ? RefAtoi(token) : 0;
}

float CRefDataParser::GetFloat(bool& ok) {
  const char* token = GetString(ok);
  return ok ? RefAtof(token) : 0.0f;
}
