#pragma once
// One message record as the console lays it out: 6-byte header (size word whose bit 15
// belongs to the console, identifier, two console bytes) and up to 4090 payload bytes.
// The console allocates and frees records; the module only writes and reads them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "msg/MsgException.h"

enum : int32_t { kMsgCapacity = 4096 };
enum : uint16_t { kMsgHeaderSize = 6, kMsgSizeFlag = 0x8000 };

struct CMsg {
  uint8_t m_Storage[kMsgCapacity];
  uint8_t* m_pBuffer;
  uint16_t m_ReadPos;
  uint16_t m_WritePos;
  uint32_t m_RefCount;  // the console's
  int32_t m_Capacity;
  uint16_t* m_pID;
  uint16_t* m_pSize;

  // Makes an empty record as the console hands one out: positions at the payload start.
  // The module itself never calls it; the stand-in console and tests do.
  void Init(uint16_t id);
};

#if defined(_WIN32) && !defined(_WIN64)
// The console (another compiler) shares this layout.
static_assert(offsetof(CMsg, m_Storage) == 0, "CMsg layout");
static_assert(offsetof(CMsg, m_pBuffer) == 4096, "CMsg layout");
static_assert(offsetof(CMsg, m_ReadPos) == 4100, "CMsg layout");
static_assert(offsetof(CMsg, m_WritePos) == 4102, "CMsg layout");
static_assert(offsetof(CMsg, m_RefCount) == 4104, "CMsg layout");
static_assert(offsetof(CMsg, m_Capacity) == 4108, "CMsg layout");
static_assert(offsetof(CMsg, m_pID) == 4112, "CMsg layout");
static_assert(offsetof(CMsg, m_pSize) == 4116, "CMsg layout");
static_assert(sizeof(CMsg) == 4120, "CMsg layout");
#endif

// Write side. A write that would pass the capacity throws CMsgException
// (kMsgWriteOverrun) before anything is copied.
void WriteBytes(CMsg* msg, const void* source, uint16_t n);
void WriteU8(CMsg* msg, uint8_t value);
void WriteU16(CMsg* msg, uint16_t value);
void WriteU32(CMsg* msg, uint32_t value);
// Length word and bytes; a text longer than the room left is cut to fill the record.
CMsg* WriteString(CMsg* msg, const char* text);
CMsg* WriteString(CMsg* msg, const std::string& text);

// Read side. A read past the data throws CMsgException (kMsgReadOverrun); the read
// position then stays where it was.
void ReadBytes(CMsg* msg, void* target, uint16_t n);
uint8_t ReadU8(CMsg* msg);
uint32_t ReadU32(CMsg* msg);
// A wire string: 16-bit length, then the bytes (no terminator on the wire).
std::string ReadString(CMsg* msg);
uint16_t Remaining(const CMsg* msg);
void SkipRest(CMsg* msg);
uint16_t GetID(const CMsg* msg);
uint16_t PayloadSize(const CMsg* msg);
int32_t Room(const CMsg* msg);

// The server's side of a request, for the stand-in console and the tests: reads its
// fields with readFields. False when the record is cut short or holds bytes after them.
bool ReadWholeRequest(CMsg* msg, const std::function<void()>& readFields);

// Payload bytes a wire string takes: its length word and its bytes.
inline size_t WireStringBytes(const std::string& text) { return 2 + text.size(); }
