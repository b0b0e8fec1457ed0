#include "refdata/StringPool.h"

#include <cstring>
#include <new>

char* CStringPool::Take(size_t need) {
  if (need > kBlockBytes / 4) {
    // Long texts get a block of their own so they do not waste the open block's rest.
    std::unique_ptr<char[]> block(new (std::nothrow) char[need]);
    if (!block) return nullptr;
    char* dst = block.get();
    m_blocks.push_back(std::move(block));
    m_bytes += need;
    return dst;
  }
  if (need > m_freeBytes) {
    // Blocks grow with the pool, so a kind with a dozen records keeps a small one.
    size_t size = m_bytes < kFirstBlockBytes ? kFirstBlockBytes : m_bytes < kBlockBytes ? m_bytes : kBlockBytes;
    if (size < need) size = need;
    std::unique_ptr<char[]> block(new (std::nothrow) char[size]);
    if (!block) return nullptr;
    m_free = block.get();
    m_freeBytes = size;
    m_blocks.push_back(std::move(block));
    m_bytes += size;
  }
  char* dst = m_free;
  m_free += need;
  m_freeBytes -= need;
  return dst;
}

const char* CStringPool::Add(const char* text, size_t length) {
  char* dst = Take(length + 1);
  if (!dst) return nullptr;
  memcpy(dst, text, length);
  dst[length] = '\0';
  return dst;
}

const char* CStringPool::Add(const char* text) { return Add(text, strlen(text)); }

const char* CStringPool::AddPair(const char* first, size_t firstLength, const char* second,
                                 size_t secondLength) {
  char* dst = Take(firstLength + secondLength + 2);
  if (!dst) return nullptr;
  memcpy(dst, first, firstLength);
  dst[firstLength] = '\0';
  memcpy(dst + firstLength + 1, second, secondLength);
  dst[firstLength + 1 + secondLength] = '\0';
  return dst;
}

void CStringPool::Clear() {
  std::vector<std::unique_ptr<char[]>>().swap(m_blocks);
  m_free = nullptr;
  m_freeBytes = 0;
  m_bytes = 0;
}

size_t CStringPool::Bytes() const { return m_bytes + m_blocks.capacity() * sizeof(m_blocks[0]); }
