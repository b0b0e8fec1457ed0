#pragma once
// Part split points chosen by the fuzzer's input: the first byte says how many (below
// `most`), then two bytes each. Returns the points in ascending order and sets *used to
// the number of input bytes they took; the rest is the payload.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/ByteOrder.h"
#include "msg/MassiveMsgBuilder.h"

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

// An answer from the input: the split points from its head, the payload the rest.
struct SplitAnswer {
  SplitAnswer(const uint8_t* data, size_t size, size_t most) {
    size_t used = 0;
    splits = SplitsFromInput(data, size, most, &used);
    payload = data + used;
    payloadSize = size - used;
  }
  // The payload as one multi-part answer of the builder's id, cut at the split points.
  CMassiveMsg* Build(MassiveMsgBuilder& builder) const {
    builder.Append(payload, payloadSize);
    return builder.BuildAt(splits);
  }

  std::vector<size_t> splits;
  const uint8_t* payload = nullptr;
  size_t payloadSize = 0;
};
