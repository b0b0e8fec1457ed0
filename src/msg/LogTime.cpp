#include "msg/LogTime.h"

#include "base/Format.h"

LogTime DecodeLogTime(const uint8_t* b) {
  LogTime t;
  t.year = static_cast<int16_t>(LoadLE16(b));
  t.month = LoadLE16(b + 2);
  t.day = LoadLE16(b + 4);
  t.hour = LoadLE16(b + 6);
  t.minute = LoadLE16(b + 8);
  t.second = LoadLE16(b + 10);
  t.fraction = LoadLE32(b + 12);
  return t;
}

LogTime ReadLogTime(CMassiveMsg* massive) {
  uint8_t bytes[kLogTimeSize];
  ReadBytes(massive, bytes, kLogTimeSize);
  return DecodeLogTime(bytes);
}

void WriteLogTime(ByteWriter& out, const LogTime& t) {
  out.U16(static_cast<uint16_t>(t.year));
  out.U16(t.month);
  out.U16(t.day);
  out.U16(t.hour);
  out.U16(t.minute);
  out.U16(t.second);
  out.U32(t.fraction);
}

std::string LogTimeText(const LogTime& t) {
  return FormatString(kCaptionChars, "%d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                      t.second);
}
