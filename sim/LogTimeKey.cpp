#include "LogTimeKey.h"

#include <cstdio>

int64_t LogTimeKey(const LogTime& t) {
  int64_t days = (static_cast<int64_t>(t.year) * 13 + t.month) * 32 + t.day;
  return ((days * 24 + t.hour) * 60 + t.minute) * 60 + t.second;
}

bool ParseLogTime(const char* text, LogTime* time) {
  int y, mo, d, h, mi, s, end = -1;
  if (sscanf(text, "%d-%d-%d %d:%d:%d%n", &y, &mo, &d, &h, &mi, &s, &end) != 6 || end < 0) return false;
  if (text[end] != '\0') return false;
  if (y < 1 || y > 32767 || mo < 1 || mo > 12 || d < 1 || d > 31 || h < 0 || h > 23 || mi < 0 || mi > 59 ||
      s < 0 || s > 59)
    return false;
  *time = LogTime{static_cast<int16_t>(y), static_cast<uint16_t>(mo), static_cast<uint16_t>(d),
                 static_cast<uint16_t>(h), static_cast<uint16_t>(mi), static_cast<uint16_t>(s), 0};
  return true;
}
