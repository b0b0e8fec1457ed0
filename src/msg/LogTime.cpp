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

void EncodeLogTime(uint8_t* b, const LogTime& t) {
  StoreLE16(b, static_cast<uint16_t>(t.year));
  StoreLE16(b + 2, t.month);
  StoreLE16(b + 4, t.day);
  StoreLE16(b + 6, t.hour);
  StoreLE16(b + 8, t.minute);
  StoreLE16(b + 10, t.second);
  StoreLE32(b + 12, t.fraction);
}

LogTime ReadLogTime(CMassiveMsg* massive) {
  uint8_t bytes[kLogTimeSize];
  ReadBytes(massive, bytes, kLogTimeSize);
  return DecodeLogTime(bytes);
}

void WriteLogTime(ByteWriter& out, const LogTime& t) {
  uint8_t bytes[kLogTimeSize];
  EncodeLogTime(bytes, t);
  out.Bytes(bytes, kLogTimeSize);
}

std::string LogTimeText(const LogTime& t) {
  return FormatString(kCaptionChars, "%d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                      t.second);
}
