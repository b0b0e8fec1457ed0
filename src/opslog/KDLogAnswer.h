#pragma once
// The console log answer 0xB404, multi-part:
//   result (u8, 2 = failure), then a "more" byte (u8); while the last "more" byte is
//   nonzero: one 401-byte record and the next "more" byte.
#include <cstdint>
#include <vector>

#include "base/ByteOrder.h"
#include "msg/LogAnswer.h"
#include "msg/MassiveMsg.h"
#include "opslog/KDLogRecord.h"

enum : uint8_t { kKDLogResultOk = 0 };
enum : size_t { kKDLogRecordLimit = 100 };

struct KDLogAnswer : LogAnswerStatus {
  std::vector<KDLogRecord> records;
};

// Reads the whole answer; never throws. A null message reads as cut short.
KDLogAnswer ReadKDLogAnswer(CMassiveMsg* massive);
// The payload the log service sends: the result, then each record behind a "more" byte
// of 1, then a "more" byte of 0.
void WriteKDLogAnswer(ByteWriter& out, uint8_t result, const std::vector<KDLogRecord>& records);

// The operator lines for an answer: the failure, a data error for a cut-short answer,
// else the limit warning at exactly 100 records and the count.
void ReportKDLogAnswer(const KDLogAnswer& answer);
