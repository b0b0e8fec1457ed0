#pragma once
// Quest records (11 columns).
#include <cstdint>
#include <string>

#include "refdata/RefDataParser.h"
#include "refdata/StringPool.h"

class RefQuest {
 public:
  int32_t id = 0;             // column 1, the key
  const char* codeName = "";  // column 2
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t);

  uint32_t Key() const { return static_cast<uint32_t>(id); }
  bool Read(CRefDataParser& parser, CStringPool& pool);
  // Points the text at a copy in the pool; false when memory runs out.
  bool CopyTexts(CStringPool& pool);

  // "SN_" followed by the code name.
  std::string GetNameKey() const;
};
