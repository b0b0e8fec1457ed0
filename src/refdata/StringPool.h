#pragma once
// CStringPool keeps the texts of one record kind, or of the text table, in large
// blocks: a record holds a pointer, not a string object of its own, so a few hundred
// thousand short texts cost their bytes and little else. The text table refers to its
// copies by 32-bit references (block and offset), half the size of a pointer on 64-bit
// builds.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CStringPool {
 public:
  // Stores a copy of the text (length bytes plus a terminating zero); the copy lives
  // as long as the pool. Null only when memory runs out.
  const char* Add(const char* text, size_t length);
  const char* Add(const char* text);

  enum : uint32_t { kNoRef = 0xFFFFFFFFu };
  // Stores first and second back to back, each with its terminating zero, and returns
  // the reference of the copy of first; kNoRef when memory or the references (65,535
  // blocks) run out.
  uint32_t AddPair(const char* first, size_t firstLength, const char* second, size_t secondLength);
  const char* At(uint32_t ref) const { return m_blocks[ref >> 16].data.get() + (ref & 0xFFFFu); }

  // Heap bytes held: blocks and the block list.
  size_t Bytes() const;
  // Bytes of the texts stored, terminators included.
  size_t ContentBytes() const { return m_content; }

 private:
  struct Space {
    char* at;      // null when memory or references ran out
    uint32_t ref;
  };
  Space Take(size_t bytes);

  struct Block {
    std::unique_ptr<char[]> data;
  };
  // A block never exceeds 64 KiB unless it holds one long text alone at its start, so
  // every offset fits 16 bits.
  enum : size_t { kFirstBlockBytes = 1024, kBlockBytes = 64 * 1024, kMostBlocks = 0xFFFF };
  std::vector<Block> m_blocks;
  size_t m_openBlock = 0;  // index of the block m_free points into
  char* m_free = nullptr;
  size_t m_freeBytes = 0;
  size_t m_bytes = 0;
  size_t m_content = 0;
};
