// Splits the input into parts at points the input chooses, then reads fields of sizes
// the input chooses until the stream runs out: every overrun must be a CMsgException,
// never an out-of-bounds read, and a failed read must not move the stream.
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <vector>

#include "msg/MassiveMsg.h"
#include "msg/MassiveMsgBuilder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  size_t splitCount = data[0] % 8;
  size_t sizesAt = 1;
  std::vector<size_t> splits;
  for (size_t i = 0; i < splitCount && sizesAt + 1 < size; ++i, sizesAt += 2)
    splits.push_back((data[sizesAt] | (data[sizesAt + 1] << 8)) % (size + 1));
  std::sort(splits.begin(), splits.end());

  MassiveMsgBuilder builder(0xB404);
  builder.Append(data, size);
  CMassiveMsg* m = builder.BuildAt(splits);

  size_t consumed = 0;
  uint8_t field[512];
  for (size_t i = sizesAt; i < size; ++i) {
    uint16_t n = static_cast<uint16_t>((data[i] * 3) % sizeof field);
    try {
      ReadBytes(m, field, n);
      if (memcmp(field, data + consumed, n) != 0) __builtin_trap();
      consumed += n;
    } catch (const CMsgException&) {
      if (consumed + n <= size) __builtin_trap();  // enough data was there
    }
  }
  return 0;
}
