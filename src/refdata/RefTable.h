#pragma once
// CRefTable holds the records of one kind in a vector sorted by unsigned key and found
// by binary search: smaller than a node-based map and as fast to search. Records are
// appended while a file loads; Seal sorts them and keeps the first record of each key.
// Pointers handed out stay valid while no further file is loaded into the table.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "refdata/StringPool.h"

template <class T>
class CRefTable {
 public:
  T& Append() {
    m_records.emplace_back();
    return m_records.back();
  }
  void DropLast() { m_records.pop_back(); }

  // Orders by key; of records with the same key the one loaded first stays.
  void Seal() {
    auto byKey = [](const T& a, const T& b) { return a.Key() < b.Key(); };
    auto sameOrLess = [](const T& a, const T& b) { return a.Key() >= b.Key(); };
    // Files usually list records in ascending order; then there is nothing to do.
    if (std::adjacent_find(m_records.begin(), m_records.end(), sameOrLess) == m_records.end()) return;
    std::stable_sort(m_records.begin(), m_records.end(), byKey);
    auto sameKey = [](const T& a, const T& b) { return a.Key() == b.Key(); };
    m_records.erase(std::unique(m_records.begin(), m_records.end(), sameKey), m_records.end());
  }

  // Gives back spare capacity once loading is over.
  void Compact() { m_records.shrink_to_fit(); }

  const T* Find(uint32_t key) const {
    auto it = std::lower_bound(m_records.begin(), m_records.end(), key,
                               [](const T& r, uint32_t k) { return r.Key() < k; });
    return it != m_records.end() && it->Key() == key ? &*it : nullptr;
  }

  const std::vector<T>& Records() const { return m_records; }
  size_t Size() const { return m_records.size(); }
  CStringPool& Pool() { return m_pool; }
  size_t Bytes() const { return m_records.capacity() * sizeof(T) + m_pool.Bytes(); }
  // Bytes of what the records keep: their number fields and texts.
  size_t ContentBytes() const { return m_records.size() * T::kKeptFieldBytes + m_pool.ContentBytes(); }

 private:
  std::vector<T> m_records;
  CStringPool m_pool;
};
