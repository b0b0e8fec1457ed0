#pragma once
// Tables of rows sorted by a numeric code, as the item text families keep them: a check
// that the rows ascend (run at compile time) and the one lookup, which never reads
// outside the table whatever code it is given.
#include <algorithm>
#include <cstddef>

template <typename Row, size_t N>
constexpr bool CodesAscend(const Row (&rows)[N]) {
  for (size_t i = 1; i < N; ++i) {
    if (!(rows[i - 1].code < rows[i].code)) return false;
  }
  return true;
}

// The row of the code, or null when the table has none.
template <typename Row, size_t N>
const Row* FindCodeRow(const Row (&rows)[N], unsigned code) {
  const Row* end = rows + N;
  const Row* it = std::lower_bound(rows, end, code, [](const Row& row, unsigned c) { return row.code < c; });
  return it != end && it->code == code ? it : nullptr;
}
