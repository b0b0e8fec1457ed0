#include "refdata/StringPool.h"

#include <cstring>
#include <new>

CStringPool::Space CStringPool::Take(size_t need) {
  const Space none = {nullptr, kNoRef};
  if (m_blocks.size() >= kMostBlocks) return none;
  const bool alone = need > kBlockBytes / 4;
  size_t size = need;
  if (!alone) {
    if (need <= m_freeBytes) {
      Space space = {m_free, static_cast<uint32_t>(m_openBlock << 16 | (m_free - m_blocks[m_openBlock].data.get()))};
      m_free += need;
      m_freeBytes -= need;
      return space;
    }
    // Blocks grow with the pool, so a kind with a dozen records keeps a small one.
    size = m_bytes < kFirstBlockBytes ? kFirstBlockBytes : m_bytes < kBlockBytes ? m_bytes : kBlockBytes;
    if (size < need) size = need;
  }
  // Long texts get a block of their own so they do not waste the open block's rest.
  Block block = {std::unique_ptr<char[]>(new (std::nothrow) char[size])};
  if (!block.data) return none;
  try {
    m_blocks.push_back(std::move(block));
  } catch (const std::bad_alloc&) {
    return none;
  }
  m_bytes += size;
  const size_t index = m_blocks.size() - 1;
  Space space = {m_blocks[index].data.get(), static_cast<uint32_t>(index << 16)};
  if (!alone) {
    m_openBlock = index;
    m_free = space.at + need;
    m_freeBytes = size - need;
  }
  return space;
}

const char* CStringPool::Add(const char* text, size_t length) {
  char* dst = Take(length + 1).at;
  if (!dst) return nullptr;
  memcpy(dst, text, length);
  dst[length] = '\0';
  m_content += length + 1;
  return dst;
}

const char* CStringPool::Add(const char* text) { return Add(text, strlen(text)); }

uint32_t CStringPool::AddPair(const char* first, size_t firstLength, const char* second, size_t secondLength) {
  Space space = Take(firstLength + secondLength + 2);
  if (!space.at) return kNoRef;
  char* dst = space.at;
  memcpy(dst, first, firstLength);
  dst[firstLength] = '\0';
  memcpy(dst + firstLength + 1, second, secondLength);
  dst[firstLength + 1 + secondLength] = '\0';
  m_content += firstLength + secondLength + 2;
  return space.ref;
}

size_t CStringPool::Bytes() const { return m_bytes + m_blocks.capacity() * sizeof(m_blocks[0]); }
