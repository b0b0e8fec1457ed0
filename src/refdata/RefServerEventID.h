#pragma once
// Server event records: one column, the identifier.
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/StringPool.h"

class RefServerEventID {
 public:
  int32_t id = 0;  // column 0, the key and the server event identifier
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t);

  uint32_t Key() const { return static_cast<uint32_t>(id); }
  bool Read(CRefDataParser& parser, CStringPool& pool);
};
