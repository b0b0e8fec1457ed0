#pragma once
// The base library's own exception. The message record's overruns derive from it; no
// other part of the module throws.
#include <cstdint>

class CInternalException {
 public:
  explicit CInternalException(uint32_t code) : m_nCode(code) {}
  virtual ~CInternalException() = default;
  virtual const char* GetName() const { return "CInternalException"; }
  uint32_t GetCode() const { return m_nCode; }

 private:
  uint32_t m_nCode;
};
