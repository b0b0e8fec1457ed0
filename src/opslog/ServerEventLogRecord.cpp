#include "opslog/ServerEventLogRecord.h"

ServerEventLogRow ReadServerEventLogRow(CMassiveMsg* massive) {
  ServerEventLogRow r;
  r.logId = ReadU32(massive);
  r.time = ReadLogTime(massive);
  r.serverEventId = ReadU8(massive);
  r.logType = ReadU8(massive);
  r.description = ReadString(massive);
  return r;
}

void WriteServerEventLogRow(ByteWriter& out, const ServerEventLogRow& r) {
  out.U32(r.logId);
  WriteLogTime(out, r.time);
  out.U8(r.serverEventId);
  out.U8(r.logType);
  out.String(r.description);
}
