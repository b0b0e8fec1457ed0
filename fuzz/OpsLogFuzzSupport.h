#pragma once
// What the siege and server event answer fuzzers share: both answers are read by the
// one relay log reader, a result byte, a status byte, a row count, the rows and, when
// there are rows, a cursor text. The input is split into parts at points it chooses;
// reading must never throw, a whole answer must give back its own bytes when its rows
// are written again, and every cell must stay within its line.
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSplits.h"
#include "base/ByteOrder.h"
#include "msg/MassiveMsgBuilder.h"
#include "msg/MsgIds.h"
#include "opslog/RelayLogAnswer.h"

template <class Row, class Cells>
void CheckPagedAnswer(const uint8_t* data, size_t size, const RelayLogKind& kind, Cells (*cells)(const Row&)) {
  const SplitAnswer input(data, size, 6);
  const uint8_t* payload = input.payload;
  const size_t payloadSize = input.payloadSize;

  MassiveMsgBuilder builder(AnswerIdOf(kind.innerId));
  RelayLogAnswer<Row> answer = ReadRelayLogAnswer<Row>(input.Build(builder), kind);
  if (answer.rows.size() > answer.rowCount) __builtin_trap();
  if (answer.hasCursor && (answer.cutShort || answer.rowCount == 0)) __builtin_trap();
  if (!answer.failed && !answer.cutShort) {
    if (answer.rows.size() != answer.rowCount || answer.hasCursor != (answer.rowCount > 0)) __builtin_trap();
    std::vector<uint8_t> again;
    ByteWriter out(&again);
    out.U8(payload[0]);
    out.U8(payload[1]);
    if (kind.countBytes == 2) {
      out.U16(answer.rowCount);
    } else {
      out.U8(static_cast<uint8_t>(answer.rowCount));
    }
    for (const Row& row : answer.rows) WriteLogRow(out, row);
    if (answer.hasCursor) out.String(answer.nextBegin);
    if (again.size() > payloadSize || memcmp(again.data(), payload, again.size()) != 0) __builtin_trap();
  }
  for (const Row& row : answer.rows) {
    for (const auto& cell : cells(row))
      if (cell.size() > 1023) __builtin_trap();
  }
}
