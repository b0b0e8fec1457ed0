// Game log records as a shard might garble them: any bytes, split into parts at points
// the input chooses, read as character or item records (the input's first payload byte
// says which) until the answer ends. Every record read must encode back to exactly the
// bytes it was read from, and the answer's end must surface as CMsgException.
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSplits.h"
#include "gamelog/GameLogRecord.h"
#include "msg/MassiveMsgBuilder.h"

namespace {

template <class Record>
void ReadAll(CMassiveMsg* massive, const uint8_t* payload, size_t size, Record (*read)(CMassiveMsg*),
             void (*write)(ByteWriter&, const Record&)) {
  size_t offset = 0;
  for (;;) {
    Record record;
    try {
      record = read(massive);
    } catch (const CMsgException&) {
      return;
    }
    std::vector<uint8_t> bytes;
    ByteWriter out(&bytes);
    write(out, record);
    if (offset + bytes.size() > size || memcmp(bytes.data(), payload + offset, bytes.size()) != 0) __builtin_trap();
    offset += bytes.size();
    GameLogTimeText(record.time);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  size_t at = 0;
  std::vector<size_t> splits = SplitsFromInput(data, size, 8, &at);
  if (at >= size) return 0;
  const bool items = data[at] & 1;
  const uint8_t* payload = data + at + 1;
  const size_t payloadSize = size - at - 1;
  MassiveMsgBuilder builder(0x8001);
  builder.Append(payload, payloadSize);
  CMassiveMsg* massive = builder.BuildAt(splits);
  if (items) ReadAll(massive, payload, payloadSize, &ReadGameLogItemRecord, &WriteGameLogItemRecord);
  else ReadAll(massive, payload, payloadSize, &ReadGameLogCharRecord, &WriteGameLogCharRecord);
  return 0;
}
