#pragma once
// A relay log answer (0x800E for the siege log, 0x8018 for the server event log),
// multi-part:
//   result u8 (2 = failure), a second status byte u8 (not used), rowCount (u16 or u8,
//   as the kind says), rowCount rows, then the paging cursor nextBegin (string) when
//   rowCount > 0
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/ByteOrder.h"
#include "msg/LogAnswer.h"
#include "msg/LogRowFields.h"
#include "msg/MassiveMsg.h"
#include "opslog/RelayLogKind.h"

// An answer with this many rows or more may have more: "Query More" asks for them.
enum : uint16_t { kRelayLogPageRows = 50 };

// Everything of an answer but its rows.
struct RelayLogHead : LogAnswerHead {
  // A whole answer that filled its page: the cursor continues it.
  bool MoreRows() const { return !failed && !cutShort && rowCount >= kRelayLogPageRows; }
};

template <class Row>
struct RelayLogAnswer : RelayLogHead {
  std::vector<Row> rows;
};

// Reads the whole answer; never throws (msg/LogAnswer.h).
template <class Row>
RelayLogAnswer<Row> ReadRelayLogAnswer(CMassiveMsg* massive, const RelayLogKind& kind) {
  RelayLogAnswer<Row> answer;
  ReadLogAnswer(massive, &answer, nullptr, [&] {
    ReadU8(massive);
    answer.rowCount = kind.countBytes == 2 ? ReadU16(massive) : ReadU8(massive);
    // Rows are kept as they are read, never reserved by the count: the count is the
    // server's word, the bytes are what arrived.
    ReadPagedRows(massive, &answer, [&] { answer.rows.push_back(ReadLogRow<Row>(massive)); });
  });
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
void ReportRelayLogAnswer(const RelayLogKind& kind, const RelayLogHead& head, size_t rowsKept);
