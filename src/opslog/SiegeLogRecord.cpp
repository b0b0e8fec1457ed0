#include "opslog/SiegeLogRecord.h"

SiegeLogRow ReadSiegeLogRow(CMassiveMsg* massive) {
  SiegeLogRow r;
  r.head = ReadU32(massive);
  r.time = ReadLogTime(massive);
  r.eventCode = ReadU8(massive);
  r.data1 = ReadU32(massive);
  r.data2 = ReadU32(massive);
  r.data3 = ReadU32(massive);
  r.text = ReadString(massive);
  return r;
}

void WriteSiegeLogRow(ByteWriter& out, const SiegeLogRow& r) {
  out.U32(r.head);
  WriteLogTime(out, r.time);
  out.U8(r.eventCode);
  out.U32(r.data1);
  out.U32(r.data2);
  out.U32(r.data3);
  out.String(r.text);
}
