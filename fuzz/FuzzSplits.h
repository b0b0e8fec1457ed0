#pragma once
// Part split points chosen by the fuzzer's input: the first byte says how many (below
// `most`), then two bytes each. Returns the points in ascending order and sets *used to
// the number of input bytes they took; the rest is the payload.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/ByteOrder.h"

inline std::vector<size_t> SplitsFromInput(const uint8_t* data, size_t size, size_t most, size_t* used) {
  std::vector<size_t> splits;
  size_t at = 1;
  size_t count = size ? data[0] % most : 0;
  for (size_t i = 0; i < count && at + 1 < size; ++i, at += 2)
    splits.push_back(LoadLE16(data + at) % (size + 1));
  std::sort(splits.begin(), splits.end());
  *used = std::min(at, size);
  return splits;
}
