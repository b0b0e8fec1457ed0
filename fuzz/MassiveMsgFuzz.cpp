// Splits the input into parts at points the input chooses, then reads fields of sizes
// the input chooses until one asks for more than is left: that read must be a
// CMsgException, never an out-of-bounds read, and must leave the stream where it was:
// every position unchanged, and the rest still readable to the last byte, after which
// even one byte more fails. Stopping at the first overrun keeps each input to two
// exceptions; a stream that has failed once only ever repeats that check.
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSplits.h"
#include "msg/MassiveMsg.h"
#include "msg/MassiveMsgBuilder.h"

namespace {

// Where reading stands: the part being read and every part's read position.
struct StreamState {
  int32_t index;
  const CMsg* current;
  std::vector<uint16_t> positions;

  explicit StreamState(const CMassiveMsg* m) : index(m->m_nCurrentReadMsg), current(m->m_pCurrent) {
    for (size_t i = 0; i < m->PartCount(); ++i) positions.push_back(m->m_pFirst[i]->m_ReadPos);
  }
  bool operator==(const StreamState& o) const {
    return index == o.index && current == o.current && positions == o.positions;
  }
};

bool Throws(CMassiveMsg* m, void* target, uint16_t n) {
  try {
    ReadBytes(m, target, n);
  } catch (const CMsgException& e) {
    if (e.GetCode2() != kMsgReadOverrun) __builtin_trap();
    return true;
  }
  return false;
}

}  // namespace

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
    const StreamState before(m);
    if (!Throws(m, field, n)) {
      if (consumed + n > size || memcmp(field, data + consumed, n) != 0) __builtin_trap();
      consumed += n;
      continue;
    }
    if (consumed + n <= size) __builtin_trap();  // enough data was there
    if (!(StreamState(m) == before)) __builtin_trap();
    while (consumed < size) {
      uint16_t rest = static_cast<uint16_t>(size - consumed < sizeof field ? size - consumed : sizeof field);
      ReadBytes(m, field, rest);
      if (memcmp(field, data + consumed, rest) != 0) __builtin_trap();
      consumed += rest;
    }
    if (!Throws(m, field, 1)) __builtin_trap();
    break;
  }
  return 0;
}
