#include "opslog/RelayLogAnswer.h"

#include "base/LogOutput.h"
#include "msg/MsgIds.h"

namespace {
uint16_t MaxRowCount(const RelayLogKind& kind) { return kind.countBytes == 2 ? 0xFFFF : 0xFF; }
}  // namespace

void ReadRelayLogPage(CMassiveMsg* massive, const RelayLogKind& kind, RelayLogPage* page,
                      const std::function<void()>& readRow) {
  // The answer always comes in parts; one handed over as a single record has no parts
  // to read and counts as cut short.
  if (!massive) {
    page->cutShort = true;
    return;
  }
  try {
    if (ReadU8(massive) == kRelayLogResultFailed) {
      page->failed = true;
      return;
    }
    ReadU8(massive);
    page->rowCount = kind.countBytes == 2 ? ReadU16(massive) : ReadU8(massive);
    for (uint16_t i = 0; i < page->rowCount; ++i) readRow();
    if (page->rowCount > 0) {
      page->nextBegin = ReadString(massive);
      page->hasCursor = true;
    }
  } catch (const CMsgException&) {
    page->cutShort = true;
  }
}

size_t WriteRelayLogHead(ByteWriter& out, const RelayLogKind& kind, uint8_t result, size_t rows) {
  out.U8(result);
  if (result == kRelayLogResultFailed) return 0;
  out.U8(0);
  uint16_t count = rows < MaxRowCount(kind) ? static_cast<uint16_t>(rows) : MaxRowCount(kind);
  if (kind.countBytes == 2)
    out.U16(count);
  else
    out.U8(static_cast<uint8_t>(count));
  return count;
}

void ReportRelayLogAnswer(const RelayLogKind& kind, const RelayLogPage& page, size_t rowsKept) {
  if (page.failed) {
    LogOutput(kLogRefusal, "%s", kind.failed);
    return;
  }
  if (page.cutShort) {
    LogOutput(kLogDataError, "^2answer 0x%04X ended inside a row; %d log kept", AnswerIdOf(kind.innerId),
              static_cast<int>(rowsKept));
    return;
  }
  LogOutput(kLogResult, "^2%d^0 log found", page.rowCount);
}
