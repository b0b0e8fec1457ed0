#include "msg/MassiveMsg.h"

#include <cstring>

namespace {
// Bytes left to read from part index i onwards, stopping once `need` are found.
uint32_t AvailableFrom(const CMassiveMsg* massive, size_t i, uint32_t need) {
  uint32_t total = 0;
  for (; i < massive->PartCount() && total < need; ++i) total += Remaining(massive->m_pFirst[i]);
  return total;
}
}  // namespace

void ReadBytes(CMassiveMsg* massive, void* target, uint16_t n) {
  CMsg* part = massive->m_pCurrent;
  uint32_t here = part ? Remaining(part) : 0;
  // A message without parts has no part being read, even for an empty field.
  if (part && n <= here) {
    ReadBytes(part, target, n);
    return;
  }
  // Check the whole read first, so a failed read leaves every position as it was.
  size_t next = static_cast<size_t>(massive->m_nCurrentReadMsg) + 1;
  if (massive->m_nCurrentReadMsg < 0 || here + AvailableFrom(massive, next, n - here) < n)
    throw CMsgException(kMsgReadOverrun, kMsgReadOverrun);

  uint8_t* out = static_cast<uint8_t*>(target);
  uint16_t done = 0;
  if (here) {
    ReadBytes(part, out, static_cast<uint16_t>(here));
    done = static_cast<uint16_t>(here);
  }
  while (done < n) {
    massive->m_nCurrentReadMsg += 1;
    massive->m_pCurrent = part = massive->m_pFirst[massive->m_nCurrentReadMsg];
    uint16_t take = Remaining(part);
    if (take > n - done) take = static_cast<uint16_t>(n - done);
    ReadBytes(part, out + done, take);
    done = static_cast<uint16_t>(done + take);
  }
}

uint8_t ReadU8(CMassiveMsg* massive) {
  uint8_t v;
  ReadBytes(massive, &v, 1);
  return v;
}

uint16_t ReadU16(CMassiveMsg* massive) {
  uint8_t b[2];
  ReadBytes(massive, b, 2);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t ReadU32(CMassiveMsg* massive) {
  uint8_t b[4];
  ReadBytes(massive, b, 4);
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
         (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

uint64_t ReadU64(CMassiveMsg* massive) {
  uint8_t b[8];
  ReadBytes(massive, b, 8);
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | b[i];
  return v;
}

std::string ReadString(CMassiveMsg* massive) {
  uint16_t n = ReadU16(massive);
  std::string text(n, '\0');
  if (n) ReadBytes(massive, &text[0], n);
  return text;
}

uint16_t GetID(const CMassiveMsg* massive) { return massive->m_ID; }
