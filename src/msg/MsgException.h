#pragma once
// The only exceptions of the module: a read or write past the end of a record's data.
// They are caught before they reach a window procedure or an export (base/ExceptionGuard.h).
#include <cstdint>

#include "base/InternalException.h"

class CMsgException : public CInternalException {
 public:
  CMsgException(uint32_t code, uint32_t code2) : CInternalException(code), m_nCode2(code2) {}
  const char* GetName() const override { return "CMsgException"; }
  uint32_t GetCode2() const { return m_nCode2; }

 private:
  uint32_t m_nCode2;
};

// Codes carried by the two failures.
enum : uint32_t {
  kMsgWriteOverrun = 0,  // a write would pass the record's capacity; nothing was copied
  kMsgReadOverrun = 1,   // a read would pass the end of the data; nothing was read
};
