#include "msg/Msg.h"

#include <cstring>

#include "base/ByteOrder.h"

namespace {
// The header words are read and written bytewise: little-endian on the wire whatever the
// host, and no alignment assumed.
uint8_t* SizeWord(const CMsg* msg) { return reinterpret_cast<uint8_t*>(msg->m_pSize); }
uint8_t* IdWord(const CMsg* msg) { return reinterpret_cast<uint8_t*>(msg->m_pID); }
}  // namespace

void CMsg::Init(uint16_t id) {
  memset(m_Storage, 0, kMsgHeaderSize);
  m_pBuffer = m_Storage;
  m_ReadPos = kMsgHeaderSize;
  m_WritePos = kMsgHeaderSize;
  m_RefCount = 1;
  m_Capacity = kMsgCapacity;
  m_pID = reinterpret_cast<uint16_t*>(m_Storage + 2);
  m_pSize = reinterpret_cast<uint16_t*>(m_Storage + 0);
  StoreLE16(m_Storage + 2, id);
}

void WriteBytes(CMsg* msg, const void* source, uint16_t n) {
  if (static_cast<int32_t>(msg->m_WritePos) + n > msg->m_Capacity)
    throw CMsgException(kMsgWriteOverrun, kMsgWriteOverrun);
  if (n) memcpy(msg->m_pBuffer + msg->m_WritePos, source, n);
  msg->m_WritePos = static_cast<uint16_t>(msg->m_WritePos + n);
  uint16_t flag = LoadLE16(SizeWord(msg)) & kMsgSizeFlag;
  StoreLE16(SizeWord(msg), static_cast<uint16_t>(flag | (msg->m_WritePos - kMsgHeaderSize)));
}

void WriteU8(CMsg* msg, uint8_t value) { WriteBytes(msg, &value, 1); }

void WriteU16(CMsg* msg, uint16_t value) {
  uint8_t b[2];
  StoreLE16(b, value);
  WriteBytes(msg, b, 2);
}

void WriteU32(CMsg* msg, uint32_t value) {
  uint8_t b[4];
  StoreLE32(b, value);
  WriteBytes(msg, b, 4);
}

namespace {
CMsg* WriteText(CMsg* msg, const char* text, size_t length) {
  uint16_t len = static_cast<uint16_t>(length > 0xFFFF ? 0xFFFF : length);
  if (static_cast<int32_t>(msg->m_WritePos) + 2 + len > msg->m_Capacity) {
    int32_t room = msg->m_Capacity - msg->m_WritePos - 2;
    // With fewer than two bytes left the length word itself overruns below.
    len = static_cast<uint16_t>(room > 0 ? room : 0);
  }
  WriteU16(msg, len);
  if (len >= 1) WriteBytes(msg, text, len);
  return msg;
}
}  // namespace

CMsg* WriteString(CMsg* msg, const char* text) {
  return WriteText(msg, text, text ? strlen(text) : 0);
}

CMsg* WriteString(CMsg* msg, const std::string& text) {
  return WriteText(msg, text.data(), text.size());
}

void ReadBytes(CMsg* msg, void* target, uint16_t n) {
  if (static_cast<uint32_t>(msg->m_ReadPos) + n > msg->m_WritePos)
    throw CMsgException(kMsgReadOverrun, kMsgReadOverrun);
  if (n) memcpy(target, msg->m_pBuffer + msg->m_ReadPos, n);
  msg->m_ReadPos = static_cast<uint16_t>(msg->m_ReadPos + n);
}

uint8_t ReadU8(CMsg* msg) {
  uint8_t v;
  ReadBytes(msg, &v, 1);
  return v;
}

uint32_t ReadU32(CMsg* msg) {
  uint8_t b[4];
  ReadBytes(msg, b, 4);
  return LoadLE32(b);
}

std::string ReadString(CMsg* msg) {
  uint8_t length[2];
  ReadBytes(msg, length, 2);
  std::string text(LoadLE16(length), '\0');
  if (!text.empty()) ReadBytes(msg, &text[0], static_cast<uint16_t>(text.size()));
  return text;
}

uint16_t Remaining(const CMsg* msg) {
  return msg->m_WritePos > msg->m_ReadPos ? static_cast<uint16_t>(msg->m_WritePos - msg->m_ReadPos) : 0;
}

void SkipRest(CMsg* msg) { msg->m_ReadPos = msg->m_WritePos; }

uint16_t GetID(const CMsg* msg) { return LoadLE16(IdWord(msg)); }

uint16_t PayloadSize(const CMsg* msg) { return LoadLE16(SizeWord(msg)) & 0x7FFF; }

int32_t Room(const CMsg* msg) { return msg->m_Capacity - msg->m_WritePos; }

bool ReadWholeRequest(CMsg* msg, const std::function<void()>& readFields) {
  try {
    readFields();
  } catch (const CMsgException&) {
    return false;
  }
  return Remaining(msg) == 0;
}
