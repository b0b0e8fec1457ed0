// Console log answers as the service might garble them: any bytes, split into parts at
// points the input chooses. Reading must never throw or read outside the record fields,
// every cell must stay within its field, and the copy text must be buildable.
#include <cstdint>

#include "FuzzSplits.h"
#include "msg/MassiveMsgBuilder.h"
#include "opslog/KDLogAnswer.h"
#include "opslog/KDLogRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  MassiveMsgBuilder builder(0xB404);
  KDLogAnswer answer = ReadKDLogAnswer(SplitAnswer(data, size, 6).Build(builder));
  for (const KDLogRecord& record : answer.records) {
    if (record.userName.size() > 128 || record.logText.size() > 256) __builtin_trap();
    KDLogRowCells(record);
  }
  KDLogCopyText(answer.records);
  return 0;
}
