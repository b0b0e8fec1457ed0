// Server event log answers as a shard might garble them: any bytes, split into parts at
// points the input chooses. Reading must never throw; a whole answer must give back its
// own bytes when its rows are written again, with the last row's id as the cursor;
// every cell must stay within its line.
#include <cstdint>

#include "OpsLogFuzzSupport.h"
#include "opslog/ServerEventLogAnswer.h"
#include "opslog/ServerEventTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  ServerEventLogAnswer answer =
      CheckPagedAnswer(data, size, 0x8018, ReadServerEventLogAnswer, WriteServerEventLogRow, ServerEventRowCells);
  if (!answer.failed && !answer.cutShort && answer.hasCursor && answer.nextLogId != answer.rows.back().logId)
    __builtin_trap();
  return 0;
}
