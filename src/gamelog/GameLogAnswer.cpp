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

void ReadRows(CMassiveMsg* massive, GameLogAnswer* answer) {
  for (uint16_t i = 0; i < answer->rowCount; ++i) {
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
}

}  // namespace

GameLogAnswer ReadGameLogAnswer(CMassiveMsg* massive) {
  GameLogAnswer answer;
  // The answer always comes in parts; one handed over as a single record has no parts
  // to read and counts as cut short.
  if (!massive) {
    answer.cutShort = true;
    return answer;
  }
  try {
    if (ReadU8(massive) == kGameLogResultFailed) {
      answer.failed = true;
      answer.errorCode = ReadU8(massive);
      answer.hasErrorCode = true;
      return answer;
    }
    answer.queryKind = ReadU8(massive);
    ReadU8(massive);
    answer.rowCount = ReadU16(massive);
    ReadRows(massive, &answer);
    if (answer.rowCount > 0) {
      answer.nextBegin = ReadString(massive);
      answer.hasNextBegin = true;
    }
  } catch (const CMsgException&) {
    answer.cutShort = true;
  }
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
