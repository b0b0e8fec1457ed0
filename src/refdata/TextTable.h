#pragma once
// CTextTable maps text keys to display texts: an open-addressing hash table over
// texts kept in one pool. The log formatters look a text up for every name of every
// line, so lookups are hashed; a slot is three words, the texts are stored once.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "refdata/StringPool.h"

class CTextTable {
 public:
  // Adds the pair unless the key is present (the first text for a key stays); the
  // caller gives the key's length and Hash. False only when memory runs out.
  bool Insert(const char* key, size_t keyLength, uint32_t hash, const char* text);

  // Asks the processor to fetch the slot a key with this hash starts probing at; a
  // loader that knows its next keys hides the table's cache misses this way.
  void Prefetch(uint32_t hash) const;

  static uint32_t Hash(const char* key, size_t length);

  // The text for the key (exact, case-sensitive), or null when absent.
  const char* Find(const char* key) const;

  // Removes every entry and gives the memory back.
  void Clear();

  size_t Size() const { return m_count; }
  size_t Bytes() const { return m_slots.capacity() * sizeof(Slot) + m_pool.Bytes(); }

 private:
  struct Slot {
    const char* key;  // null: free; the text follows the key's terminating zero
    uint32_t hash;
    uint32_t keyLength;
  };

  const Slot* Lookup(const char* key, size_t length, uint32_t hash) const;
  bool Grow();

  std::vector<Slot> m_slots;
  size_t m_count = 0;
  CStringPool m_pool;
};
