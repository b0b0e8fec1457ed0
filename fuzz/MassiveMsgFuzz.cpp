// Splits the input into parts at points the input chooses, then reads fields of sizes
// the input chooses until the stream runs out: every overrun must be a CMsgException,
// never an out-of-bounds read, and a failed read must not move the stream.
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSplits.h"
#include "msg/MassiveMsg.h"
#include "msg/MassiveMsgBuilder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  size_t sizesAt = 0;
  std::vector<size_t> splits = SplitsFromInput(data, size, 8, &sizesAt);

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
