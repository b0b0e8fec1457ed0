#pragma once
// Server event records: one column, the identifier.
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/RefIdKey.h"
#include "refdata/StringPool.h"

// id: column 0, also the server event identifier.
class RefServerEventID : public RefIdKey {
 public:
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t);

  bool Read(CRefDataParser& parser, CStringPool& pool);
};
