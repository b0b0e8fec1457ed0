#include "refdata/TextTable.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

enum : size_t { kFirstSlots = 64 };

uint8_t Tag(uint32_t hash) { return static_cast<uint8_t>(0x80 | hash >> 25); }

}  // namespace

uint32_t CTextTable::Hash(const char* key, size_t length) {
  // Eight bytes per step with a multiply-and-fold mix; the values only live in memory.
  uint64_t h = 0x9E3779B97F4A7C15ull;
  size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    uint64_t word;
    memcpy(&word, key + i, 8);
    h = (h ^ word) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  // The last bytes are read in fixed sizes, overlapping what was mixed in already; the
  // length, mixed in below, keeps such keys apart.
  uint64_t tail = 0;
  if (length >= 8) {
    memcpy(&tail, key + length - 8, 8);
  } else if (length >= 4) {
    uint32_t first, last;
    memcpy(&first, key, 4);
    memcpy(&last, key + length - 4, 4);
    tail = static_cast<uint64_t>(first) << 32 | last;
  } else if (length > 0) {
    tail = static_cast<uint64_t>(static_cast<uint8_t>(key[0])) << 16 |
           static_cast<uint64_t>(static_cast<uint8_t>(key[length / 2])) << 8 | static_cast<uint8_t>(key[length - 1]);
  }
  // A product's low bits see only the factors' low bits: fold the high half down before
  // and after each multiplication, so the slot bits depend on every byte.
  h ^= tail;
  h ^= h >> 32;
  h *= 0xC4CEB9FE1A85EC53ull;
  // Only after a multiplication: next to the tail's bytes, a length one apart could
  // cancel a last byte one apart ("ab" and "abc").
  h ^= length;
  h ^= h >> 29;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 32;
  return static_cast<uint32_t>(h);
}

size_t CTextTable::Probe(const char* key, size_t length, uint32_t hash) const {
  const size_t mask = m_tags.size() - 1;
  const uint8_t tag = Tag(hash);
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const uint8_t slotTag = m_tags[i];
    if (!slotTag) return i;
    if (slotTag != tag) continue;
    // While filling, the full hash saves most key comparisons that the tag lets through.
    if (!m_hashes.empty() && m_hashes[i] != hash) continue;
    // strncmp stops at the stored key's end, so a shorter stored key is never overread.
    const char* stored = m_pool.At(m_refs[i]);
    if (strncmp(stored, key, length) == 0 && stored[length] == '\0') return i;
  }
}

bool CTextTable::Rehash(size_t size) {
  std::vector<uint8_t> tags;
  std::vector<uint32_t> refs, hashes;
  try {
    tags.assign(size, 0);
    refs.resize(size);
    hashes.resize(size);
  } catch (const std::bad_alloc&) {
    return false;
  }
  const size_t mask = size - 1;
  for (size_t i = 0; i < m_tags.size(); ++i) {
    if (!m_tags[i]) continue;
    uint32_t hash;
    if (m_hashes.empty()) {
      const char* key = m_pool.At(m_refs[i]);
      hash = Hash(key, strlen(key));
    } else {
      hash = m_hashes[i];
    }
    size_t j = hash & mask;
    while (tags[j]) j = (j + 1) & mask;
    tags[j] = m_tags[i];
    refs[j] = m_refs[i];
    hashes[j] = hash;
  }
  m_tags.swap(tags);
  m_refs.swap(refs);
  m_hashes.swap(hashes);
  return true;
}

void CTextTable::Prefetch(uint32_t hash) const {
#if defined(__GNUC__)
  if (m_tags.empty()) return;
  const size_t i = hash & (m_tags.size() - 1);
  __builtin_prefetch(&m_tags[i]);
  __builtin_prefetch(&m_refs[i]);
  if (!m_hashes.empty()) __builtin_prefetch(&m_hashes[i]);
#else
  (void)hash;
#endif
}

bool CTextTable::Insert(const char* key, size_t keyLength, uint32_t hash, const char* text, size_t textLength) {
  // At most three quarters full, so that probe runs stay short and always end.
  if ((m_count + 1) * 4 > m_tags.size() * 3 && !Rehash(m_tags.empty() ? kFirstSlots : m_tags.size() * 2)) {
    return false;
  }
  const size_t i = Probe(key, keyLength, hash);
  if (m_tags[i]) return true;
  const uint32_t ref = m_pool.AddPair(key, keyLength, text, textLength);
  if (ref == CStringPool::kNoRef) return false;
  m_tags[i] = Tag(hash);
  m_refs[i] = ref;
  if (!m_hashes.empty()) m_hashes[i] = hash;
  ++m_count;
  return true;
}

const char* CTextTable::Find(const char* key) const {
  if (m_count == 0) return nullptr;
  const size_t length = strlen(key);
  const size_t i = Probe(key, length, Hash(key, length));
  return m_tags[i] ? m_pool.At(m_refs[i]) + length + 1 : nullptr;
}

void CTextTable::Reserve(size_t count) {
  if (count > SIZE_MAX / 8) return;
  size_t size = m_tags.empty() ? kFirstSlots : m_tags.size();
  while (count * 4 > size * 3) size *= 2;
  if (size != m_tags.size() && count * 4 > m_tags.size() * 3) Rehash(size);
}

void CTextTable::Compact() { std::vector<uint32_t>().swap(m_hashes); }

size_t CTextTable::Bytes() const {
  return m_tags.capacity() + (m_refs.capacity() + m_hashes.capacity()) * sizeof(uint32_t) + m_pool.Bytes();
}
