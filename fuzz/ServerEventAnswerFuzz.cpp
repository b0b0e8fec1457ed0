// Server event log answers as a shard might garble them: any bytes, split into parts at
// points the input chooses. Reading must never throw; a whole answer must give back its
// own bytes when its rows are written again, with the last row's id as the cursor;
// every cell must stay within its line.
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSplits.h"
#include "msg/MassiveMsgBuilder.h"
#include "opslog/ServerEventLogAnswer.h"
#include "opslog/ServerEventTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  size_t at = 0;
  std::vector<size_t> splits = SplitsFromInput(data, size, 6, &at);
  const uint8_t* payload = data + at;
  size_t payloadSize = size - at;

  MassiveMsgBuilder builder(0x8018);
  builder.Append(payload, payloadSize);
  ServerEventLogAnswer answer = ReadServerEventLogAnswer(builder.BuildAt(splits));
  if (answer.rows.size() > answer.rowCount) __builtin_trap();
  if (answer.hasCursor && (answer.cutShort || answer.rowCount == 0)) __builtin_trap();
  if (!answer.failed && !answer.cutShort) {
    if (answer.rows.size() != answer.rowCount || answer.hasCursor != (answer.rowCount > 0)) __builtin_trap();
    if (answer.hasCursor && answer.nextLogId != answer.rows.back().logId) __builtin_trap();
    std::vector<uint8_t> again;
    ByteWriter out(&again);
    out.U8(payload[0]);
    out.U8(payload[1]);
    out.U8(answer.rowCount);
    for (const ServerEventLogRow& row : answer.rows) WriteServerEventLogRow(out, row);
    if (answer.hasCursor) out.String(answer.nextBegin);
    if (again.size() > payloadSize || memcmp(again.data(), payload, again.size()) != 0) __builtin_trap();
  }
  for (const ServerEventLogRow& row : answer.rows) {
    for (const std::string& cell : ServerEventRowCells(row))
      if (cell.size() > 1023) __builtin_trap();
  }
  return 0;
}
