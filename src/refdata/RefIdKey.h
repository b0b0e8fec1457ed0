#pragma once
// The key of the record kinds that are found by their 32-bit identifier.
#include <cstdint>

struct RefIdKey {
  int32_t id = 0;  // the identifier column (each kind says which)

  uint32_t Key() const { return static_cast<uint32_t>(id); }
};
