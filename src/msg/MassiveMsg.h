#pragma once
// An answer spread over an ordered list of records, read as one stream. The console
// builds, owns and frees it; the module only reads it during OnMessage.
#include <cstddef>
#include <cstdint>
#include <string>

#include "msg/Msg.h"

struct CMassiveMsg {
  const void* m_pVtable;  // the console's (virtual destructor); never called from here
  CMsg** m_pFirst;        // part list: first, one past the last, end of capacity
  CMsg** m_pLast;
  CMsg** m_pEnd;
  int32_t m_nCurrentReadMsg;
  uint16_t m_ID;
  uint16_t m_Pad;
  CMsg* m_pCurrent;

  size_t PartCount() const { return m_pFirst ? static_cast<size_t>(m_pLast - m_pFirst) : 0; }
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(CMassiveMsg, m_pVtable) == 0, "CMassiveMsg layout");
static_assert(offsetof(CMassiveMsg, m_pFirst) == 4, "CMassiveMsg layout");
static_assert(offsetof(CMassiveMsg, m_pLast) == 8, "CMassiveMsg layout");
static_assert(offsetof(CMassiveMsg, m_pEnd) == 12, "CMassiveMsg layout");
static_assert(offsetof(CMassiveMsg, m_nCurrentReadMsg) == 16, "CMassiveMsg layout");
static_assert(offsetof(CMassiveMsg, m_ID) == 20, "CMassiveMsg layout");
static_assert(offsetof(CMassiveMsg, m_pCurrent) == 24, "CMassiveMsg layout");
static_assert(sizeof(CMassiveMsg) == 28, "CMassiveMsg layout");
#endif

// Reads n bytes as one stream across part boundaries; empty parts are stepped over.
// When the parts hold fewer than n bytes in all, throws CMsgException
// (kMsgReadOverrun) and nothing moves.
void ReadBytes(CMassiveMsg* massive, void* target, uint16_t n);
uint8_t ReadU8(CMassiveMsg* massive);
uint16_t ReadU16(CMassiveMsg* massive);
uint32_t ReadU32(CMassiveMsg* massive);
uint64_t ReadU64(CMassiveMsg* massive);
// A wire string: 16-bit length, then the bytes (no terminator on the wire).
std::string ReadString(CMassiveMsg* massive);
uint16_t GetID(const CMassiveMsg* massive);
