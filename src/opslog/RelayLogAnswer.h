#pragma once
// A relay log answer (0x800E for the siege log, 0x8018 for the server event log),
// multi-part:
//   result u8 (2 = failure), a second status byte u8 (not used), rowCount (u16 or u8,
//   as the kind says), rowCount rows, then the paging cursor nextBegin (string) when
//   rowCount > 0
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/ByteOrder.h"
#include "msg/MassiveMsg.h"
#include "opslog/RelayLogKind.h"
#include "msg/LogRowFields.h"

enum : uint8_t { kRelayLogResultFailed = 2 };
// An answer with this many rows or more may have more: "Query More" asks for them.
enum : uint16_t { kRelayLogPageRows = 50 };

// Everything of an answer but its rows.
struct RelayLogPage {
  bool failed = false;    // the shard reported failure; nothing else was read
  bool cutShort = false;  // the answer ended inside; the rows before the break are kept
  uint16_t rowCount = 0;  // as the answer declared it
  bool hasCursor = false;  // the whole answer was read, rows and nextBegin
  std::string nextBegin;

  // A whole answer that filled its page: the cursor continues it.
  bool MoreRows() const { return !failed && !cutShort && rowCount >= kRelayLogPageRows; }
};

template <class Row>
struct RelayLogAnswer : RelayLogPage {
  std::vector<Row> rows;
};

// Reads the answer around its rows, calling readRow for each row the count declares;
// never throws. A null message reads as cut short.
void ReadRelayLogPage(CMassiveMsg* massive, const RelayLogKind& kind, RelayLogPage* page,
                      const std::function<void()>& readRow);

template <class Row>
RelayLogAnswer<Row> ReadRelayLogAnswer(CMassiveMsg* massive, const RelayLogKind& kind) {
  RelayLogAnswer<Row> answer;
  // Rows are kept as they are read, never reserved by the count: the count is the
  // server's word, the bytes are what arrived.
  ReadRelayLogPage(massive, kind, &answer, [&] { answer.rows.push_back(ReadLogRow<Row>(massive)); });
  return answer;
}

// The server's side, for the stand-in console, the tests and the fuzzers: a failure is
// the result byte alone; any other result is followed by a status byte 0 and the row
// count, at most what the kind's count field holds. Returns that count.
size_t WriteRelayLogHead(ByteWriter& out, const RelayLogKind& kind, uint8_t result, size_t rows);

// The whole answer: the head, the rows it counts and, when there are rows, the cursor.
template <class Row>
void WriteRelayLogAnswer(ByteWriter& out, const RelayLogKind& kind, uint8_t result, const std::vector<Row>& rows,
                         const std::string& nextBegin) {
  size_t count = WriteRelayLogHead(out, kind, result, rows.size());
  for (size_t i = 0; i < count; ++i) WriteLogRow(out, rows[i]);
  if (count > 0) out.String(nextBegin);
}

// The operator line for an answer: the failure, a data error naming the answer for one
// cut short with the rows it kept, else the count.
void ReportRelayLogAnswer(const RelayLogKind& kind, const RelayLogPage& page, size_t rowsKept);
