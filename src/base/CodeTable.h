#pragma once
// Text tables sorted by a code, a number or a keyword (as std::string_view): a check that
// the rows ascend, run at compile time so that a row edited out of order fails the build
// instead of going missing, and the one lookup, which never reads outside the table
// whatever code it is given.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "base/LogChoice.h"

// An event code, its name and the rule that describes a row of it: the row of the event
// tables. A null name or rule means the page's default for that event.
template <typename Rule>
struct NamedCodeRow {
  uint8_t code;
  const char* name;
  Rule rule;
};

// The code a row is sorted by: its code, or a choice's data.
template <typename Row>
constexpr auto RowCode(const Row& row) -> decltype(row.code) {
  return row.code;
}
constexpr uint32_t RowCode(const LogChoice& row) { return row.data; }

template <typename Row, size_t N>
constexpr bool CodesAscend(const Row (&rows)[N]) {
  for (size_t i = 1; i < N; ++i) {
    if (!(RowCode(rows[i - 1]) < RowCode(rows[i]))) return false;
  }
  return true;
}

// The row of the code, or null when the table has none.
template <typename Row, size_t N, typename Code>
const Row* FindCodeRow(const Row (&rows)[N], const Code& code) {
  const Row* end = rows + N;
  const Row* it = std::lower_bound(rows, end, code, [](const Row& row, const Code& c) { return RowCode(row) < c; });
  return it != end && RowCode(*it) == code ? it : nullptr;
}
