#include "refdata/TextTable.h"

#include <cstring>
#include <new>
#include <vector>

uint32_t CTextTable::Hash(const char* key, size_t length) {
  // Eight bytes per step with a multiply-and-fold mix; the values only live in memory.
  uint64_t h = 0x9E3779B97F4A7C15ull ^ length;
  size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    uint64_t word;
    memcpy(&word, key + i, 8);
    h = (h ^ word) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  uint64_t tail = 0;
  memcpy(&tail, key + i, length - i);
  h = (h ^ tail) * 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 29;
  return static_cast<uint32_t>(h);
}

const CTextTable::Slot* CTextTable::Lookup(const char* key, size_t length, uint32_t hash) const {
  size_t mask = m_slots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = m_slots[i];
    if (!slot.key) return &slot;
    if (slot.hash == hash && slot.keyLength == length && memcmp(slot.key, key, length) == 0) return &slot;
  }
}

bool CTextTable::Grow() {
  size_t size = m_slots.empty() ? 1024 : m_slots.size() * 2;
  std::vector<Slot> slots;
  try {
    slots.assign(size, Slot{nullptr, 0, 0});
  } catch (const std::bad_alloc&) {
    return false;
  }
  size_t mask = size - 1;
  for (const Slot& slot : m_slots) {
    if (!slot.key) continue;
    size_t i = slot.hash & mask;
    while (slots[i].key) i = (i + 1) & mask;
    slots[i] = slot;
  }
  m_slots.swap(slots);
  return true;
}

void CTextTable::Prefetch(uint32_t hash) const {
#if defined(__GNUC__)
  if (!m_slots.empty()) __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
#else
  (void)hash;
#endif
}

bool CTextTable::Insert(const char* key, size_t keyLength, uint32_t hash, const char* text) {
  // Kept at most half full so that probe runs stay short.
  if ((m_count + 1) * 2 > m_slots.size() && !Grow()) return false;
  Slot* slot = const_cast<Slot*>(Lookup(key, keyLength, hash));
  if (slot->key) return true;
  // Key and text sit back to back in the pool, so the slot needs only the key.
  const char* stored = m_pool.AddPair(key, keyLength, text, strlen(text));
  if (!stored) return false;
  *slot = Slot{stored, hash, static_cast<uint32_t>(keyLength)};
  ++m_count;
  return true;
}

const char* CTextTable::Find(const char* key) const {
  if (m_count == 0) return nullptr;
  size_t keyLength = strlen(key);
  const Slot* slot = Lookup(key, keyLength, Hash(key, keyLength));
  return slot->key ? slot->key + slot->keyLength + 1 : nullptr;
}

void CTextTable::Clear() {
  std::vector<Slot>().swap(m_slots);
  m_count = 0;
  m_pool.Clear();
}
