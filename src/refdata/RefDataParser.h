#pragma once
// CRefDataParser reads a reference record file as one stream of tokens (RefToken.h):
// line ends separate tokens exactly as TABs do, so a record reader takes its fixed
// number of tokens whatever the lines look like.
#include <cstdint>
#include <string>

#include "refdata/RefDataText.h"
#include "refdata/RefScan.h"

class CRefDataParser {
 public:
  CRefDataParser() = default;
  virtual ~CRefDataParser() = default;
  CRefDataParser(const CRefDataParser&) = delete;
  CRefDataParser& operator=(const CRefDataParser&) = delete;

  // Loads and converts the file; the cursor starts at its first byte. False when the
  // file is missing.
  bool Open(const char* path);
  // Files are opened through `reader` from the next Open on; null: from the disk.
  void ReadFrom(IFileReader* reader) { m_text.ReadFrom(reader); }

  // The next token (valid until the next read), ok true; when no token is left, the
  // empty text and ok false.
  const char* GetString(bool& ok);
  // The next token as atoi reads it (saturated to the 32-bit range); 0 and ok false
  // when no token is left.
  int32_t GetInt(bool& ok);
  // The next token as atof reads it, narrowed to float; 0 and ok false when none is left.
  float GetFloat(bool& ok);
  // Reads `count` tokens and drops them; ok false when the data ends before.
  void SkipTokens(int count, bool& ok);

  bool Exhausted() const { return m_cursor == nullptr; }
  // A token was longer than the token limit; the rest of the file is not read.
  bool TokenTooLong() const { return m_tokenTooLong; }
  // The file could not be read to its end after it was opened: the data ends there.
  bool ReadFailed() const { return m_text.ReadFailed(); }

 private:
  CRefText m_text;
  char* m_cursor = nullptr;
  RefScanCursor m_scan;
  bool m_tokenTooLong = false;
  std::string m_path;

  void FailTooLong();
  // Converts more text, keeping the text from keep on, which is scanned again from
  // there; returns where keep moved to.
  char* Refill(char* keep);
};
