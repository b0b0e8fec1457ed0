#pragma once
// A read-only view of a static table's rows: a whole array, or a pointer and a count.
// Tables of columns, choices and handlers are handed around as this.
#include <cstddef>

template <class Row>
class ConstSpan {
 public:
  constexpr ConstSpan() = default;
  template <size_t N>
  constexpr ConstSpan(const Row (&rows)[N]) : m_rows(rows), m_count(N) {}
  constexpr ConstSpan(const Row* rows, size_t count) : m_rows(rows), m_count(count) {}

  constexpr const Row* begin() const { return m_rows; }
  constexpr const Row* end() const { return m_rows + m_count; }
  constexpr size_t size() const { return m_count; }

 private:
  const Row* m_rows = nullptr;
  size_t m_count = 0;
};
