#pragma once
// Builds multi-part answers the way the console delivers them: the stand-in console and
// the tests use it; the module itself only reads multi-part messages, so this lives in
// a library of its own that the module does not link.
#include <cstdint>
#include <memory>
#include <vector>

#include "base/ByteOrder.h"
#include "msg/MassiveMsg.h"

class MassiveMsgBuilder {
 public:
  explicit MassiveMsgBuilder(uint16_t id) : m_id(id) {}

  // The whole answer payload, in stream order: record encoders write through Writer().
  ByteWriter Writer() { return ByteWriter(&m_payload); }
  void Append(const void* data, size_t n) { Writer().Bytes(data, n); }
  void AppendU8(uint8_t v) { Writer().U8(v); }
  void AppendU16(uint16_t v) { Writer().U16(v); }
  void AppendU32(uint32_t v) { Writer().U32(v); }
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
