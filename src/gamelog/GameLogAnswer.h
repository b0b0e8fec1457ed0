#pragma once
// The game log answer 0x8001, multi-part:
//   result u8 (2 = the query failed: then only errorCode u8 follows),
//   queryKind u8, one unused byte, rowCount u16,
//   rowCount records (GameLogCharRecord for kinds 1 and 3, GameLogItemRecord for 2 and 4;
//   nothing is read for the rows of any other kind),
//   nextBegin string (the paging cursor), only when rowCount is above 0.
#include <cstdint>
#include <string>
#include <vector>

#include "gamelog/GameLogRecord.h"
#include "msg/LogAnswer.h"
#include "msg/MassiveMsg.h"

enum : uint16_t { kGameLogPageRows = 50 };  // an answer this long may have a next page

struct GameLogAnswer : LogAnswerHead {
  bool hasErrorCode = false;
  uint8_t errorCode = 0;
  uint8_t queryKind = 0;
  std::vector<GameLogCharRecord> charRows;  // kinds 1 and 3
  std::vector<GameLogItemRecord> itemRows;  // kinds 2 and 4
};

// Reads the whole answer; never throws. A null message reads as cut short.
GameLogAnswer ReadGameLogAnswer(CMassiveMsg* massive);

// The text of a failed query's error code, or null for a code that has none.
const char* GameLogErrorText(uint8_t errorCode);

// The operator lines of an answer's failure: the error code's text, or a data error
// naming 0x8001 for an answer that ended early. Nothing for a whole answer.
void ReportGameLogFailure(const GameLogAnswer& answer);

// "^4<rows of the answer>^0 records are queried, current log : ^4<rows in the list>".
void ReportGameLogCount(uint16_t rowCount, int listRows);
