#pragma once
// Quest records (11 columns).
#include <cstdint>
#include <string>

#include "refdata/RefDataParser.h"
#include "refdata/RefIdKey.h"
#include "refdata/StringPool.h"

// id: column 1.
class RefQuest : public RefIdKey {
 public:
  const char* codeName = "";  // column 2
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t);

  bool Read(CRefDataParser& parser, CStringPool& pool);

  // "SN_" followed by the code name.
  std::string GetNameKey() const;
};
