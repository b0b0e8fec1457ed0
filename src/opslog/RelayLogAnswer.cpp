#include "opslog/RelayLogAnswer.h"

#include "base/LogOutput.h"
#include "msg/MsgIds.h"

namespace {
uint16_t MaxRowCount(const RelayLogKind& kind) { return kind.countBytes == 2 ? 0xFFFF : 0xFF; }
}  // namespace

size_t WriteRelayLogHead(ByteWriter& out, const RelayLogKind& kind, uint8_t result, size_t rows) {
  out.U8(result);
  if (result == kLogAnswerFailed) return 0;
  out.U8(0);
  uint16_t count = rows < MaxRowCount(kind) ? static_cast<uint16_t>(rows) : MaxRowCount(kind);
  if (kind.countBytes == 2)
    out.U16(count);
  else
    out.U8(static_cast<uint8_t>(count));
  return count;
}

void ReportRelayLogAnswer(const RelayLogKind& kind, const RelayLogHead& head, size_t rowsKept) {
  if (head.failed) {
    LogOutput(kLogRefusal, "%s", kind.failed);
    return;
  }
  if (head.cutShort) {
    LogOutput(kLogDataError, "^2answer 0x%04X ended inside a row; %d log kept", AnswerIdOf(kind.innerId),
              static_cast<int>(rowsKept));
    return;
  }
  LogOutput(kLogResult, "^2%d^0 log found", head.rowCount);
}
