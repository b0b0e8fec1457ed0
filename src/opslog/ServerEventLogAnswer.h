#pragma once
// The server event log answer 0x8018, multi-part:
//   result u8 (2 = failure), a second status byte u8 (not used), rowCount u8,
//   rowCount server event log rows, then the time cursor nextBegin (string) when
//   rowCount > 0
#include <cstdint>
#include <string>
#include <vector>

#include "msg/MassiveMsg.h"
#include "opslog/ServerEventLogRecord.h"

enum : uint8_t {
  kServerEventResultFailed = 2,
  // An answer with this many rows or more may have more: "Query More" asks for them.
  kServerEventPageRows = 50,
};

struct ServerEventLogAnswer {
  bool failed = false;    // the shard reported failure; nothing else was read
  bool cutShort = false;  // the answer ended inside; the rows before the break are kept
  uint8_t rowCount = 0;   // as the answer declared it
  std::vector<ServerEventLogRow> rows;
  bool hasCursor = false;  // the whole answer was read, rows and nextBegin
  uint32_t nextLogId = 0;  // the last row's log id
  std::string nextBegin;

  // A whole answer that filled its page: the cursor continues it.
  bool MoreRows() const { return !failed && !cutShort && rowCount >= kServerEventPageRows; }
};

// Reads the whole answer; never throws. A null message reads as cut short.
ServerEventLogAnswer ReadServerEventLogAnswer(CMassiveMsg* massive);

// The server's side, for the stand-in console, the tests and the fuzzers: a failure is
// the result byte alone; any other result is followed by a status byte 0, the row
// count, the rows (at most 255) and, when there are rows, the cursor.
void WriteServerEventLogAnswer(ByteWriter& out, uint8_t result, const std::vector<ServerEventLogRow>& rows,
                               const std::string& nextBegin);

// The operator line for an answer: the failure, a data error naming 0x8018 for one cut
// short, else the count.
void ReportServerEventLogAnswer(const ServerEventLogAnswer& answer);
