#pragma once
// Siege fortress records (14 columns).
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/RefIdKey.h"
#include "refdata/StringPool.h"

// id: column 1, also the fortress identifier.
class RefSiegeFortress : public RefIdKey {
 public:
  int8_t enabled = 0;         // column 0: only enabled fortresses are listed
  const char* codeName = "";  // column 2: shown as the fortress name
  static constexpr size_t kKeptFieldBytes = sizeof(int8_t) + sizeof(int32_t);

  bool Read(CRefDataParser& parser, CStringPool& pool);
};
