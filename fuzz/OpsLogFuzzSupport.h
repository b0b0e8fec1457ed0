#pragma once
// What the siege and server event answer fuzzers share. Both answers are a result byte,
// a status byte, a row count, the rows and, when there are rows, a cursor text. The
// input is split into parts at points it chooses; reading must never throw, a whole
// answer must give back its own bytes when its rows are written again, and every cell
// must stay within its line. Returns the answer for the checks of its own kind.
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSplits.h"
#include "base/ByteOrder.h"
#include "msg/MassiveMsgBuilder.h"

template <class Answer, class Row, class Cells>
Answer CheckPagedAnswer(const uint8_t* data, size_t size, uint16_t answerId, Answer (*read)(CMassiveMsg*),
                        void (*writeRow)(ByteWriter&, const Row&), Cells (*cells)(const Row&)) {
  size_t at = 0;
  std::vector<size_t> splits = SplitsFromInput(data, size, 6, &at);
  const uint8_t* payload = data + at;
  size_t payloadSize = size - at;

  MassiveMsgBuilder builder(answerId);
  builder.Append(payload, payloadSize);
  Answer answer = read(builder.BuildAt(splits));
  if (answer.rows.size() > answer.rowCount) __builtin_trap();
  if (answer.hasCursor && (answer.cutShort || answer.rowCount == 0)) __builtin_trap();
  if (!answer.failed && !answer.cutShort) {
    if (answer.rows.size() != answer.rowCount || answer.hasCursor != (answer.rowCount > 0)) __builtin_trap();
    std::vector<uint8_t> again;
    ByteWriter out(&again);
    out.U8(payload[0]);
    out.U8(payload[1]);
    // The count is one byte in one answer and two in the other.
    if constexpr (sizeof answer.rowCount == 1) {
      out.U8(answer.rowCount);
    } else {
      out.U16(answer.rowCount);
    }
    for (const Row& row : answer.rows) writeRow(out, row);
    if (answer.hasCursor) out.String(answer.nextBegin);
    if (again.size() > payloadSize || memcmp(again.data(), payload, again.size()) != 0) __builtin_trap();
  }
  for (const Row& row : answer.rows) {
    for (const auto& cell : cells(row))
      if (cell.size() > 1023) __builtin_trap();
  }
  return answer;
}
