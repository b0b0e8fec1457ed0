#include "KDLogRecords.h"

#include <cstdio>
#include <sstream>

#include "SimTextFile.h"
#include "base/Format.h"

namespace {

bool ParseUnsigned(const std::string& s, uint32_t max, uint32_t* value) {
  if (s.empty() || s.size() > 9) return false;
  uint32_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<uint32_t>(c - '0');
  }
  if (v > max) return false;
  *value = v;
  return true;
}

}  // namespace

int64_t KDLogTimeKey(const LogTime& t) {
  int64_t days = (static_cast<int64_t>(t.year) * 13 + t.month) * 32 + t.day;
  return ((days * 24 + t.hour) * 60 + t.minute) * 60 + t.second;
}

bool ParseKDLogTime(const char* text, LogTime* time) {
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

bool ParseKDLogRecords(const std::string& text, std::vector<KDLogRecord>* records, std::string* error) {
  records->clear();
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::string trimmed = TrimField(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    const char* why = nullptr;
    KDLogRecord record;
    size_t a = line.find(" | ");
    size_t b = a == std::string::npos ? a : line.find(" | ", a + 3);
    size_t c = b == std::string::npos ? b : line.find(" | ", b + 3);
    uint32_t category = 0;
    if (c == std::string::npos) {
      why = "expected user | category | time | text";
    } else {
      record.userName = TrimField(line.substr(0, a));
      std::string time = TrimField(line.substr(b + 3, c - b - 3));
      record.logText = line.substr(c + 3);
      if (!record.logText.empty() && record.logText.back() == '\r') record.logText.pop_back();
      std::string fraction;
      size_t dot = time.find('.');
      if (dot != std::string::npos) {
        fraction = time.substr(dot + 1);
        time.resize(dot);
      }
      if (record.userName.empty() || record.userName.size() >= kKDLogUserNameWidth) {
        why = "user name empty or longer than 127 characters";
      } else if (!ParseUnsigned(TrimField(line.substr(a + 3, b - a - 3)), 255, &category)) {
        why = "category is not a number from 0 to 255";
      } else if (!ParseKDLogTime(time.c_str(), &record.time) ||
                 (!fraction.empty() && !ParseUnsigned(fraction, 999999999, &record.time.fraction))) {
        why = "time is not YYYY-MM-DD hh:mm:ss[.fraction]";
      } else if (record.logText.size() >= kKDLogTextWidth) {
        why = "text longer than 255 characters";
      }
    }
    if (why) {
      *error = FormatString(kLineChars, "line %d: %s", number, why);
      return false;
    }
    record.category = static_cast<uint8_t>(category);
    records->push_back(record);
  }
  return true;
}

bool LoadKDLogRecords(const char* path, std::vector<KDLogRecord>* records, std::string* error) {
  return LoadSimTextFile(path, records, error, ParseKDLogRecords);
}
