#include "msg/MassiveMsgBuilder.h"

#include <algorithm>

CMassiveMsg* MassiveMsgBuilder::Build(size_t partBytes) {
  partBytes = std::min<size_t>(std::max<size_t>(partBytes, 1), kMsgCapacity - kMsgHeaderSize);
  std::vector<size_t> splits;
  for (size_t at = partBytes; at < m_payload.size(); at += partBytes) splits.push_back(at);
  return BuildAt(splits);
}

CMassiveMsg* MassiveMsgBuilder::BuildAt(const std::vector<size_t>& splits) {
  m_parts.clear();
  size_t from = 0;
  auto addPart = [&](size_t to) {
    auto part = std::make_unique<CMsg>();
    part->Init(m_id);
    if (to > from) WriteBytes(part.get(), m_payload.data() + from, static_cast<uint16_t>(to - from));
    m_parts.push_back(std::move(part));
    from = to;
  };
  // A part holds at most one record's payload: longer stretches are split further.
  const size_t most = kMsgCapacity - kMsgHeaderSize;
  auto addParts = [&](size_t to) {
    while (to - from > most) addPart(from + most);
    addPart(to);
  };
  for (size_t at : splits) addParts(std::min(std::max(at, from), m_payload.size()));
  addParts(m_payload.size());
  return Finish();
}

CMassiveMsg* MassiveMsgBuilder::Finish() {
  m_list.clear();
  for (auto& p : m_parts) m_list.push_back(p.get());
  m_massive = CMassiveMsg{};
  m_massive.m_pFirst = m_list.data();
  m_massive.m_pLast = m_list.data() + m_list.size();
  m_massive.m_pEnd = m_massive.m_pLast;
  m_massive.m_nCurrentReadMsg = 0;
  m_massive.m_ID = m_id;
  m_massive.m_pCurrent = m_list.empty() ? nullptr : m_list[0];
  return &m_massive;
}
