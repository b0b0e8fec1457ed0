#include "LogCursor.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "LogTimeKey.h"
#include "base/Format.h"

bool ReadLogBound(const std::string& text, int64_t openValue, int64_t* key, size_t* place) {
  *key = openValue;
  if (text.empty()) return true;
  std::string time = text;
  size_t hash = text.find('#');
  if (hash != std::string::npos) {
    if (!place) return false;
    time = text.substr(0, hash);
    const char* digits = text.c_str() + hash + 1;
    char* end = nullptr;
    errno = 0;
    unsigned long long at = strtoull(digits, &end, 10);
    if (!isdigit(static_cast<unsigned char>(*digits)) || *end || errno) return false;
    *place = static_cast<size_t>(at);
  }
  LogTime t;
  if (!ParseLogTime(time.c_str(), &t)) return false;
  *key = LogTimeKey(t);
  return true;
}

std::string LogCursorText(const LogTime& t, size_t place) {
  return FormatString(kCaptionChars, "%d-%d-%d %02d:%02d:%02d#%u", t.year, t.month, t.day, t.hour, t.minute,
                      t.second, static_cast<unsigned>(place));
}
