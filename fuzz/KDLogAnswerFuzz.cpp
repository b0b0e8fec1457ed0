// Console log answers as the service might garble them: any bytes, split into parts at
// points the input chooses. Reading must never throw or read outside the record fields,
// every cell must stay within its field, and the copy text must be buildable.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "msg/MassiveMsgBuilder.h"
#include "opslog/KDLogAnswer.h"
#include "opslog/KDLogRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  size_t splitCount = data[0] % 6;
  size_t at = 1;
  std::vector<size_t> splits;
  for (size_t i = 0; i < splitCount && at + 1 < size; ++i, at += 2)
    splits.push_back((data[at] | (data[at + 1] << 8)) % (size + 1));
  std::sort(splits.begin(), splits.end());

  MassiveMsgBuilder builder(0xB404);
  builder.Append(data + at, size - at);
  KDLogAnswer answer = ReadKDLogAnswer(builder.BuildAt(splits));
  for (const KDLogRecord& record : answer.records) {
    if (record.userName.size() > 128 || record.logText.size() > 256) __builtin_trap();
    KDLogRowCells(record);
  }
  KDLogCopyText(answer.records);
  return 0;
}
