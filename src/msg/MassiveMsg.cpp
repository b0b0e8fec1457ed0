#include "msg/MassiveMsg.h"

#include "base/ByteOrder.h"

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
  return LoadLE16(b);
}

uint32_t ReadU32(CMassiveMsg* massive) {
  uint8_t b[4];
  ReadBytes(massive, b, 4);
  return LoadLE32(b);
}

uint64_t ReadU64(CMassiveMsg* massive) {
  uint8_t b[8];
  ReadBytes(massive, b, 8);
  return LoadLE64(b);
}

std::string ReadString(CMassiveMsg* massive) {
  uint16_t n = ReadU16(massive);
  std::string text(n, '\0');
  if (n) ReadBytes(massive, &text[0], n);
  return text;
}

uint16_t GetID(const CMassiveMsg* massive) { return massive->m_ID; }
