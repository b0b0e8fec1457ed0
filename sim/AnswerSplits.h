#pragma once
// Where the stand-in console cuts a multi-part answer: parts of varying sizes, so that
// fields and records land across part boundaries at ever different offsets, as they do
// with the real console's parts of at most 4090 payload bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

class AnswerSplits {
 public:
  explicit AnswerSplits(uint32_t seed = 1) : m_state(seed ? seed : 1) {}

  // Ascending payload offsets for an answer of the given size; every part holds
  // between minPart and 4090 bytes (the last part may hold fewer).
  std::vector<size_t> Next(size_t payloadSize, size_t minPart = 256);

 private:
  uint32_t m_state;
};
