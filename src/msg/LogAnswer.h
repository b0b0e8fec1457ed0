#pragma once
// The one reader of the log answers' frame. Every log answer is multi-part and opens
// with a result byte, 2 for a failure; what follows depends on the answer. The paged
// answers (game log, siege log, server event log) then carry a row count, that many rows
// and, when there are rows, the paging cursor nextBegin (string).
#include <cstdint>
#include <functional>
#include <string>

#include "msg/MassiveMsg.h"

enum : uint8_t { kLogAnswerFailed = 2 };

struct LogAnswerStatus {
  bool failed = false;    // the server reported failure
  bool cutShort = false;  // the answer ended inside; what was read before the break is kept
};

struct LogAnswerHead : LogAnswerStatus {
  uint16_t rowCount = 0;   // as the answer declared it
  bool hasCursor = false;  // the whole answer was read, rows and nextBegin
  std::string nextBegin;
};

// Reads the result byte, then `failure` (what follows a failure) or `body` (the rest of
// any other answer); never throws. A null message, or one that ends inside, reads as cut
// short: the answer always comes in parts, and one handed over as a single record has no
// parts to read.
void ReadLogAnswer(CMassiveMsg* massive, LogAnswerStatus* status, const std::function<void()>& failure,
                   const std::function<void()>& body);

// The rows of a paged answer whose count is in head: readRow for each, keeping what it
// reads, then the cursor. Throws CMsgException where the answer ends, as every read does.
void ReadPagedRows(CMassiveMsg* massive, LogAnswerHead* head, const std::function<void()>& readRow);
