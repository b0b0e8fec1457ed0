#include "opslog/KDLogAnswer.h"

#include "base/LogOutput.h"
#include "msg/MsgIds.h"

KDLogAnswer ReadKDLogAnswer(CMassiveMsg* massive) {
  KDLogAnswer answer;
  ReadLogAnswer(massive, &answer, nullptr, [&] {
    uint8_t bytes[kKDLogRecordSize];
    while (ReadU8(massive) != 0) {
      ReadBytes(massive, bytes, kKDLogRecordSize);
      answer.records.push_back(DecodeKDLogRecord(bytes));
    }
  });
  return answer;
}

void WriteKDLogAnswer(ByteWriter& out, uint8_t result, const std::vector<KDLogRecord>& records) {
  out.U8(result);
  for (const KDLogRecord& record : records) {
    out.U8(1);
    WriteKDLogRecord(out, record);
  }
  out.U8(0);
}

void ReportKDLogAnswer(const KDLogAnswer& answer) {
  if (answer.failed) {
    LogOutput(kLogRefusal, "query KDLog failed");
    return;
  }
  int count = static_cast<int>(answer.records.size());
  if (answer.cutShort) {
    LogOutput(kLogDataError, "^2answer 0x%04X ended inside a record; %d log kept", kMsgKDLogAnswer, count);
    return;
  }
  if (answer.records.size() == kKDLogRecordLimit) LogOutput(kLogRefusal, "query KDLOG count is limited : ^2100");
  LogOutput(kLogResult, "^4%d^0 log found", count);
}
