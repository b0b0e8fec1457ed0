#pragma once
// The siege log answer 0x800E, multi-part:
//   result u8 (2 = failure), a second status byte u8 (not used), rowCount u16,
//   rowCount siege log rows, then the paging cursor nextBegin (string) when rowCount > 0
#include <cstdint>
#include <string>
#include <vector>

#include "msg/MassiveMsg.h"
#include "opslog/SiegeLogRecord.h"

enum : uint8_t { kSiegeLogResultFailed = 2 };
// An answer with this many rows or more may have more: "Query More" asks for them.
enum : uint16_t { kSiegeLogPageRows = 50 };

struct SiegeLogAnswer {
  bool failed = false;    // the shard reported failure; nothing else was read
  bool cutShort = false;  // the answer ended inside; the rows before the break are kept
  uint16_t rowCount = 0;  // as the answer declared it
  std::vector<SiegeLogRow> rows;
  bool hasCursor = false;  // nextBegin was read
  std::string nextBegin;

  // A whole answer that filled its page: the cursor continues it.
  bool MoreRows() const { return !failed && !cutShort && rowCount >= kSiegeLogPageRows; }
};

// Reads the whole answer; never throws. A null message reads as cut short.
SiegeLogAnswer ReadSiegeLogAnswer(CMassiveMsg* massive);

// The server's side, for the stand-in console, the tests and the fuzzers: a failure is
// the result byte alone; any other result is followed by a status byte 0, the row
// count, the rows (at most 65,535) and, when there are rows, the cursor.
void WriteSiegeLogAnswer(ByteWriter& out, uint8_t result, const std::vector<SiegeLogRow>& rows,
                         const std::string& nextBegin);

// The operator line for an answer: the failure, a data error naming 0x800E for one cut
// short, else the count.
void ReportSiegeLogAnswer(const SiegeLogAnswer& answer);
