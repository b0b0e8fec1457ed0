#include "gamelog/GameLogAnswer.h"

#include "base/CodeTable.h"
#include "base/LogOutput.h"
#include "gamelog/GameLogKinds.h"
#include "msg/MsgIds.h"

namespace {

constexpr LogChoice kErrorTexts[] = {
    {"query error : ^2unknown", 2},
    {"query error : ^2invalid operation", 3},
    {"query error : ^2cannot find target", 4},
    {"query error : ^2invalid req msg", 5},
    {"query error : ^2cannot find character", 6},
    {"query error : ^2db query failed", 7},
    {"query error : ^2invalid session id", 8},
    {"query error : ^2invalid overlap id", 9},
};
static_assert(CodesAscend(kErrorTexts), "error texts sorted by code, each once");

void ReadRow(CMassiveMsg* massive, GameLogAnswer* answer) {
  switch (answer->queryKind) {
    case kGameLogKindChar:
    case kGameLogKindQuest:
      answer->charRows.push_back(ReadLogRow<GameLogCharRecord>(massive));
      break;
    case kGameLogKindItem:
    case kGameLogKindSerial:
      answer->itemRows.push_back(ReadLogRow<GameLogItemRecord>(massive));
      break;
    default:
      break;
  }
}

}  // namespace

GameLogAnswer ReadGameLogAnswer(CMassiveMsg* massive) {
  GameLogAnswer answer;
  auto failure = [&] {
    answer.errorCode = ReadU8(massive);
    answer.hasErrorCode = true;
  };
  ReadLogAnswer(massive, &answer, failure, [&] {
    answer.queryKind = ReadU8(massive);
    ReadU8(massive);
    answer.rowCount = ReadU16(massive);
    ReadPagedRows(massive, &answer, [&] { ReadRow(massive, &answer); });
  });
  return answer;
}

const char* GameLogErrorText(uint8_t errorCode) {
  const LogChoice* error = FindCodeRow(kErrorTexts, errorCode);
  return error ? error->text : nullptr;
}

void ReportGameLogFailure(const GameLogAnswer& answer) {
  if (answer.cutShort) {
    int kept = static_cast<int>(answer.charRows.size() + answer.itemRows.size());
    LogOutput(kLogDataError, "^2answer 0x%04X ended early; %d rows kept", kMsgGameLogAnswer, kept);
    return;
  }
  if (!answer.failed) return;
  if (const char* text = GameLogErrorText(answer.errorCode)) LogOutput(kLogDataError, "%s", text);
}

void ReportGameLogCount(uint16_t rowCount, int listRows) {
  LogOutput(kLogResult, "^4%d^0 records are queried, current log : ^4%d", rowCount, listRows);
}
