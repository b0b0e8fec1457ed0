#include "opslog/SiegeLogAnswer.h"

#include "base/LogOutput.h"
#include "msg/MsgIds.h"

SiegeLogAnswer ReadSiegeLogAnswer(CMassiveMsg* massive) {
  SiegeLogAnswer answer;
  // The answer always comes in parts; one handed over as a single record has no parts
  // to read and counts as cut short.
  if (!massive) {
    answer.cutShort = true;
    return answer;
  }
  try {
    if (ReadU8(massive) == kSiegeLogResultFailed) {
      answer.failed = true;
      return answer;
    }
    ReadU8(massive);
    answer.rowCount = ReadU16(massive);
    // Rows are kept as they are read, never reserved by the count: the count is the
    // server's word, the bytes are what arrived.
    for (uint16_t i = 0; i < answer.rowCount; ++i) answer.rows.push_back(ReadSiegeLogRow(massive));
    if (answer.rowCount > 0) {
      answer.nextBegin = ReadString(massive);
      answer.hasCursor = true;
    }
  } catch (const CMsgException&) {
    answer.cutShort = true;
  }
  return answer;
}

void WriteSiegeLogAnswer(ByteWriter& out, uint8_t result, const std::vector<SiegeLogRow>& rows,
                         const std::string& nextBegin) {
  out.U8(result);
  if (result == kSiegeLogResultFailed) return;
  out.U8(0);
  uint16_t count = rows.size() < 0xFFFF ? static_cast<uint16_t>(rows.size()) : 0xFFFF;
  out.U16(count);
  for (uint16_t i = 0; i < count; ++i) WriteSiegeLogRow(out, rows[i]);
  if (count > 0) out.String(nextBegin);
}

void ReportSiegeLogAnswer(const SiegeLogAnswer& answer) {
  if (answer.failed) {
    LogOutput(kLogRefusal, "query SiegeLog failed");
    return;
  }
  if (answer.cutShort) {
    LogOutput(kLogDataError, "^2answer 0x%04X ended inside a row; %d log kept", kMsgSiegeLogAnswer,
              static_cast<int>(answer.rows.size()));
    return;
  }
  LogOutput(kLogResult, "^2%d^0 log found", answer.rowCount);
}
