#include "opslog/ServerEventLogAnswer.h"

#include "base/LogOutput.h"
#include "msg/MsgIds.h"

ServerEventLogAnswer ReadServerEventLogAnswer(CMassiveMsg* massive) {
  ServerEventLogAnswer answer;
  // The answer always comes in parts; one handed over as a single record has no parts
  // to read and counts as cut short.
  if (!massive) {
    answer.cutShort = true;
    return answer;
  }
  try {
    if (ReadU8(massive) == kServerEventResultFailed) {
      answer.failed = true;
      return answer;
    }
    ReadU8(massive);
    answer.rowCount = ReadU8(massive);
    for (uint8_t i = 0; i < answer.rowCount; ++i) answer.rows.push_back(ReadServerEventLogRow(massive));
    if (answer.rowCount > 0) {
      answer.nextBegin = ReadString(massive);
      answer.nextLogId = answer.rows.back().logId;
      answer.hasCursor = true;
    }
  } catch (const CMsgException&) {
    answer.cutShort = true;
  }
  return answer;
}

void WriteServerEventLogAnswer(ByteWriter& out, uint8_t result, const std::vector<ServerEventLogRow>& rows,
                               const std::string& nextBegin) {
  out.U8(result);
  if (result == kServerEventResultFailed) return;
  out.U8(0);
  uint8_t count = rows.size() < 0xFF ? static_cast<uint8_t>(rows.size()) : 0xFF;
  out.U8(count);
  for (uint8_t i = 0; i < count; ++i) WriteServerEventLogRow(out, rows[i]);
  if (count > 0) out.String(nextBegin);
}

void ReportServerEventLogAnswer(const ServerEventLogAnswer& answer) {
  if (answer.failed) {
    LogOutput(kLogRefusal, "query ServerEventLog failed");
    return;
  }
  if (answer.cutShort) {
    LogOutput(kLogDataError, "^2answer 0x%04X ended inside a row; %d log kept", kMsgServerEventAnswer,
              static_cast<int>(answer.rows.size()));
    return;
  }
  LogOutput(kLogResult, "^2%d^0 log found", answer.rowCount);
}
