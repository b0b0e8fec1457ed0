#pragma once
// Level records (9 columns), kept by their 8-bit level only: no log text reads the
// experience columns.
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/StringPool.h"

class RefLevelExpOffset {
 public:
  uint8_t level = 0;  // column 0, the key
  static constexpr size_t kKeptFieldBytes = sizeof(uint8_t);

  uint32_t Key() const { return level; }
  bool Read(CRefDataParser& parser, CStringPool& pool);
};
