// Siege log answers as a shard might garble them: any bytes, split into parts at points
// the input chooses. Reading must never throw; a whole answer must give back its own
// bytes when its rows are written again; every text must stay within its line.
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSplits.h"
#include "msg/MassiveMsgBuilder.h"
#include "opslog/SiegeLogAnswer.h"
#include "opslog/SiegeLogTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  size_t at = 0;
  std::vector<size_t> splits = SplitsFromInput(data, size, 6, &at);
  const uint8_t* payload = data + at;
  size_t payloadSize = size - at;

  MassiveMsgBuilder builder(0x800E);
  builder.Append(payload, payloadSize);
  SiegeLogAnswer answer = ReadSiegeLogAnswer(builder.BuildAt(splits));
  if (answer.rows.size() > answer.rowCount) __builtin_trap();
  if (answer.hasCursor && (answer.cutShort || answer.rowCount == 0)) __builtin_trap();
  if (!answer.failed && !answer.cutShort) {
    if (answer.rows.size() != answer.rowCount || answer.hasCursor != (answer.rowCount > 0)) __builtin_trap();
    std::vector<uint8_t> again;
    ByteWriter out(&again);
    out.U8(payload[0]);
    out.U8(payload[1]);
    out.U16(answer.rowCount);
    for (const SiegeLogRow& row : answer.rows) WriteSiegeLogRow(out, row);
    if (answer.hasCursor) out.String(answer.nextBegin);
    if (again.size() > payloadSize || memcmp(again.data(), payload, again.size()) != 0) __builtin_trap();
  }
  for (const SiegeLogRow& row : answer.rows) {
    for (const std::string& cell : SiegeLogRowCells(row))
      if (cell.size() > 1023) __builtin_trap();
  }
  return 0;
}
