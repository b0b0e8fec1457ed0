#pragma once
// Magic option records (49 columns) and magic option assignments (29 columns). No log
// text reads their fields; they are kept by key only.
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/RefIdKey.h"
#include "refdata/StringPool.h"

// id: column 1.
class RefMagicOption : public RefIdKey {
 public:
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t);

  bool Read(CRefDataParser& parser, CStringPool& pool);
};

class RefMagicOptAssign {
 public:
  // Columns 1, 2 and 3 (8 bits each) in bits 0-7, 16-23 and 24-31; bits 8-15 are 0.
  uint32_t key = 0;
  static constexpr size_t kKeptFieldBytes = sizeof(uint32_t);

  uint32_t Key() const { return key; }
  bool Read(CRefDataParser& parser, CStringPool& pool);
};
