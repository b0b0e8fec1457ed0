#pragma once
// Builds multi-part answers the way the console delivers them: the stand-in console and
// the tests use it; the module itself only reads multi-part messages.
#include <cstdint>
#include <memory>
#include <vector>

#include "msg/MassiveMsg.h"

class MassiveMsgBuilder {
 public:
  explicit MassiveMsgBuilder(uint16_t id) : m_id(id) {}

  // The whole answer payload, in stream order.
  void Append(const void* data, size_t n);
  void AppendU8(uint8_t v) { Append(&v, 1); }
  void AppendU16(uint16_t v);
  void AppendU32(uint32_t v);
  void AppendString(const char* text);
  size_t Size() const { return m_payload.size(); }

  // Splits the payload into parts of at most partBytes payload bytes each (at most
  // 4090) and returns the message, valid as long as this builder lives.
  CMassiveMsg* Build(size_t partBytes = kMsgCapacity - kMsgHeaderSize);
  // Splits at the given payload offsets (ascending); equal offsets make empty parts, and
  // a stretch longer than a part can hold is split further.
  CMassiveMsg* BuildAt(const std::vector<size_t>& splits);

 private:
  CMassiveMsg* Finish();

  uint16_t m_id;
  std::vector<uint8_t> m_payload;
  std::vector<std::unique_ptr<CMsg>> m_parts;
  std::vector<CMsg*> m_list;
  CMassiveMsg m_massive{};
};
