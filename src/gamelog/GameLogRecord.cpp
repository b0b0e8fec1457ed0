#include "gamelog/GameLogRecord.h"

#include "base/Format.h"

GameLogCharRecord ReadGameLogCharRecord(CMassiveMsg* massive) {
  GameLogCharRecord r;
  r.time = ReadLogTime(massive);
  r.eventId = ReadU8(massive);
  r.data1 = ReadU32(massive);
  r.data2 = ReadU32(massive);
  r.position = ReadString(massive);
  r.text = ReadString(massive);
  return r;
}

GameLogItemRecord ReadGameLogItemRecord(CMassiveMsg* massive) {
  GameLogItemRecord r;
  r.serial = static_cast<int64_t>(ReadU64(massive));
  r.time = ReadLogTime(massive);
  r.refItemId = ReadU32(massive);
  r.data = ReadU32(massive);
  r.storage = ReadU8(massive);
  r.operation = ReadU8(massive);
  r.slotFrom = ReadU8(massive);
  r.slotTo = ReadU8(massive);
  r.position = ReadString(massive);
  r.text = ReadString(massive);
  r.amount = static_cast<int64_t>(ReadU64(massive));
  return r;
}

void WriteGameLogCharRecord(ByteWriter& out, const GameLogCharRecord& r) {
  WriteLogTime(out, r.time);
  out.U8(r.eventId);
  out.U32(r.data1);
  out.U32(r.data2);
  out.String(r.position);
  out.String(r.text);
}

void WriteGameLogItemRecord(ByteWriter& out, const GameLogItemRecord& r) {
  out.U64(static_cast<uint64_t>(r.serial));
  WriteLogTime(out, r.time);
  out.U32(r.refItemId);
  out.U32(r.data);
  out.U8(r.storage);
  out.U8(r.operation);
  out.U8(r.slotFrom);
  out.U8(r.slotTo);
  out.String(r.position);
  out.String(r.text);
  out.U64(static_cast<uint64_t>(r.amount));
}

std::string GameLogTimeText(const LogTime& t) { return LogTimeText(t); }
