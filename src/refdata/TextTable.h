#pragma once
// CTextTable maps text keys to display texts: an open-addressing hash table over
// texts kept in one pool. The log formatters look a text up for every name of every
// line, so lookups are hashed. A slot costs five bytes: a tag of seven hash bits, so
// that a probe rarely has to look at a key, and the 32-bit reference of the key and
// text, which sit back to back in the pool. While the table is filled it also keeps
// each slot's full hash, so that growing never reads the keys again.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "refdata/StringPool.h"

class CTextTable {
 public:
  // Adds the pair unless the key is present (the first text for a key stays); the
  // caller gives the lengths and the key's Hash. False only when memory runs out.
  bool Insert(const char* key, size_t keyLength, uint32_t hash, const char* text, size_t textLength);

  // Asks the processor to fetch the slot a key with this hash starts probing at; a
  // loader that knows its next keys hides the table's cache misses this way.
  void Prefetch(uint32_t hash) const;

  static uint32_t Hash(const char* key, size_t length);

  // The text for the key (exact, case-sensitive), or null when absent. It stays where
  // it is while the table is unchanged, and inserts do not move it either.
  const char* Find(const char* key) const;

  // Takes the slots `count` entries in all need at once, so that filling up to there
  // does not grow the table step by step. Without the memory for them, filling grows it
  // as ever.
  void Reserve(size_t count);

  // Filling is over: gives back what only inserting needs (a later insert still works).
  void Compact();

  size_t Size() const { return m_count; }
  // Slots: 0 while empty, then a power of two; an insert that would fill more than
  // three quarters of them doubles them first.
  size_t Slots() const { return m_tags.size(); }
  // Heap bytes held.
  size_t Bytes() const;
  // Bytes of the keys and texts held, terminators included.
  size_t ContentBytes() const { return m_pool.ContentBytes(); }

 private:
  // The key's slot, or the free slot where its probe ends.
  size_t Probe(const char* key, size_t length, uint32_t hash) const;
  // Moves the entries into `size` slots (a power of two, more than they fill).
  bool Rehash(size_t size);

  std::vector<uint8_t> m_tags;     // 0: free; else 0x80 and the hash's top 7 bits
  std::vector<uint32_t> m_refs;    // the pool reference of the key
  std::vector<uint32_t> m_hashes;  // full hash per slot while filling; empty after Compact
  size_t m_count = 0;
  CStringPool m_pool;
};
