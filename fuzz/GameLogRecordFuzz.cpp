// Game log records as a shard might garble them: any bytes, split into parts at points
// the input chooses, read as character or item records (the input's first payload byte
// says which) until the answer ends, and each record turned into its list cells with
// the sample reference data, as the game log page does. Every record read must encode
// back to exactly the bytes it was read from, the answer's end must surface as
// CMsgException, and no cell may outgrow the line buffer.
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSplits.h"
#include "gamelog/CharEventText.h"
#include "gamelog/GameLogRecord.h"
#include "gamelog/ItemEventText.h"
#include "msg/MassiveMsgBuilder.h"
#include "refdata/KV_GameRefData.h"

namespace {

enum : size_t { kLineBuffer = 1024 };

CGameRefData* g_ref = nullptr;

template <size_t N>
void CheckCells(const std::array<std::string, N>& cells) {
  for (const std::string& cell : cells) {
    if (cell.size() >= kLineBuffer) __builtin_trap();
  }
}

void Format(const GameLogCharRecord& record) { CheckCells(FormatCharEvent(record, *g_ref)); }

void Format(const GameLogItemRecord& record) {
  const ItemEventCells cells = FormatItemEvent(record, *g_ref);
  CheckCells(cells);
  MakeSerialHistoryEntry(cells, record.serial);
}

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
    Format(record);
  }
}

}  // namespace

// The sample reference data, loaded once from the build folder (the loader reads paths
// relative to the current directory).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_ref = new CGameRefData;
  char previous[4096];
  if (getcwd(previous, sizeof previous) && chdir(KV_FUZZ_SAMPLE_DIR) == 0) {
    g_ref->Load();
    if (chdir(previous) != 0) abort();
  }
  return 0;
}

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
