#pragma once
// Siege fortress records (14 columns).
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/StringPool.h"

class RefSiegeFortress {
 public:
  int8_t enabled = 0;         // column 0: only enabled fortresses are listed
  int32_t id = 0;             // column 1, the key and the fortress identifier
  const char* codeName = "";  // column 2: shown as the fortress name
  static constexpr size_t kKeptFieldBytes = sizeof(int8_t) + sizeof(int32_t);

  uint32_t Key() const { return static_cast<uint32_t>(id); }
  bool Read(CRefDataParser& parser, CStringPool& pool);
  // Points the text at a copy in the pool; false when memory runs out.
  bool CopyTexts(CStringPool& pool);
};
