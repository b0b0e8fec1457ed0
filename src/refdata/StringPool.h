#pragma once
// CStringPool keeps the texts of one record kind in large blocks: a record holds a
// pointer, not a string object of its own, so a few hundred thousand short texts cost
// their bytes and little else.
#include <cstddef>
#include <memory>
#include <vector>

class CStringPool {
 public:
  // Stores a copy of the text (length bytes plus a terminating zero); the copy lives
  // as long as the pool. Null only when memory runs out.
  const char* Add(const char* text, size_t length);
  const char* Add(const char* text);
  // Stores first and second back to back, each with its terminating zero; returns the
  // copy of first.
  const char* AddPair(const char* first, size_t firstLength, const char* second, size_t secondLength);

  void Clear();
  // Heap bytes held: blocks and the block list.
  size_t Bytes() const;

 private:
  char* Take(size_t bytes);

  enum : size_t { kFirstBlockBytes = 1024, kBlockBytes = 64 * 1024 };
  std::vector<std::unique_ptr<char[]>> m_blocks;
  char* m_free = nullptr;
  size_t m_freeBytes = 0;
  size_t m_bytes = 0;
};
