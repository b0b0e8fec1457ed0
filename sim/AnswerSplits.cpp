#include "AnswerSplits.h"

#include <algorithm>

#include "msg/Msg.h"

std::vector<size_t> AnswerSplits::Next(size_t payloadSize, size_t minPart) {
  const size_t maxPart = kMsgCapacity - kMsgHeaderSize;
  minPart = std::min(std::max<size_t>(minPart, 1), maxPart);
  std::vector<size_t> splits;
  for (size_t at = 0;;) {
    m_state = m_state * 1103515245u + 12345u;
    size_t part = minPart + (m_state >> 8) % (maxPart - minPart + 1);
    at += part;
    if (at >= payloadSize) break;
    splits.push_back(at);
  }
  return splits;
}
