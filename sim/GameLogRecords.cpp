#include "GameLogRecords.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "KDLogRecords.h"
#include "SimTextFile.h"
#include "base/Format.h"

namespace {

// Splits at " | " into at most `count` fields; the last one takes the rest of the line.
std::vector<std::string> Fields(const std::string& line, size_t count) {
  std::vector<std::string> fields;
  size_t at = 0;
  while (fields.size() + 1 < count) {
    // An empty field between two separators: " | | ".
    if (line.compare(at, 2, "| ") == 0) {
      fields.emplace_back();
      at += 2;
      continue;
    }
    size_t bar = line.find(" | ", at);
    if (bar == std::string::npos) break;
    fields.push_back(TrimField(line.substr(at, bar - at)));
    at = bar + 3;
  }
  std::string rest = line.substr(at);
  if (!rest.empty() && rest.back() == '\r') rest.pop_back();
  fields.push_back(rest);
  return fields;
}

bool Signed(const std::string& s, int64_t* value) {
  if (s.empty() || s[0] == ' ' || s[0] == '+') return false;
  char* end = nullptr;
  errno = 0;
  long long v = strtoll(s.c_str(), &end, 10);
  if (errno || *end) return false;
  *value = v;
  return true;
}

bool FileTime(std::string text, LogTime* time) {
  std::string fraction;
  size_t dot = text.find('.');
  if (dot != std::string::npos) {
    fraction = text.substr(dot + 1);
    text.resize(dot);
  }
  if (!ParseKDLogTime(text.c_str(), time)) return false;
  return fraction.empty() || (fraction.size() <= 9 && fraction.find_first_not_of("0123456789") == std::string::npos &&
                              ReadUnsignedField(fraction, 999999999, &time->fraction));
}

const char* ReadChar(const std::vector<std::string>& f, GameLogEntry* e) {
  uint32_t event = 0;
  GameLogCharRecord& r = e->charRecord;
  if (f.size() != 9)
    return "a char record has 9 fields: shard | character | time | char | event | data1 | data2 | position | text";
  if (!ReadUnsignedField(f[4], 255, &event)) return "event is not a number from 0 to 255";
  if (!ReadUnsignedField(f[5], 0xFFFFFFFF, &r.data1) || !ReadUnsignedField(f[6], 0xFFFFFFFF, &r.data2))
    return "data1 or data2 is not a 32-bit number";
  r.eventId = static_cast<uint8_t>(event);
  r.position = f[7];
  r.text = f[8];
  return nullptr;
}

const char* ReadItem(const std::vector<std::string>& f, GameLogEntry* e) {
  GameLogItemRecord& r = e->itemRecord;
  uint32_t storage = 0, operation = 0, from = 0, to = 0;
  if (f.size() != 15)
    return "an item record has 15 fields: shard | character | time | item | serial | item id | code name | data | "
           "storage | operation | slot from | slot to | amount | position | text";
  if (!Signed(f[4], &r.serial)) return "serial is not a signed 64-bit number";
  if (!ReadUnsignedField(f[5], 0xFFFFFFFF, &r.refItemId)) return "item id is not a 32-bit number";
  if (f[6].empty()) return "code name is empty (write - for none)";
  if (!ReadUnsignedField(f[7], 0xFFFFFFFF, &r.data)) return "data is not a 32-bit number";
  if (!ReadUnsignedField(f[8], 255, &storage) || !ReadUnsignedField(f[9], 255, &operation) ||
      !ReadUnsignedField(f[10], 255, &from) || !ReadUnsignedField(f[11], 255, &to))
    return "storage, operation or a slot is not a number from 0 to 255";
  if (!Signed(f[12], &r.amount)) return "amount is not a signed 64-bit number";
  e->codeName = f[6] == "-" ? std::string() : f[6];
  r.storage = static_cast<uint8_t>(storage);
  r.operation = static_cast<uint8_t>(operation);
  r.slotFrom = static_cast<uint8_t>(from);
  r.slotTo = static_cast<uint8_t>(to);
  r.position = f[13];
  r.text = f[14];
  return nullptr;
}

}  // namespace

const LogTime& TimeOf(const GameLogEntry& entry) {
  return entry.isItem ? entry.itemRecord.time : entry.charRecord.time;
}

bool ParseGameLogRecords(const std::string& text, std::vector<GameLogEntry>* entries, std::string* error) {
  entries->clear();
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::string trimmed = TrimField(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    std::vector<std::string> f = Fields(line, 15);
    GameLogEntry e;
    uint32_t shard = 0;
    const char* why = nullptr;
    if (f.size() < 4) {
      why = "expected shard | character | time | char or item | ...";
    } else if (!ReadUnsignedField(f[0], 0xFFFF, &shard) || shard == 0) {
      why = "shard is not a number from 1 to 65535";
    } else if (f[1].empty() || f[1].size() > 32) {
      why = "character name empty or longer than 32 characters";
    } else if (f[3] == "char") {
      f = Fields(line, 9);
      why = ReadChar(f, &e);
    } else if (f[3] == "item") {
      e.isItem = true;
      why = ReadItem(f, &e);
    } else {
      why = "the record kind is neither char nor item";
    }
    LogTime time;
    if (!why && !FileTime(f[2], &time)) why = "time is not YYYY-MM-DD hh:mm:ss[.fraction]";
    if (why) {
      *error = FormatString(kLineChars, "line %d: %s", number, why);
      return false;
    }
    (e.isItem ? e.itemRecord.time : e.charRecord.time) = time;
    e.shardId = static_cast<uint16_t>(shard);
    e.character = f[1];
    entries->push_back(std::move(e));
  }
  std::stable_sort(entries->begin(), entries->end(), [](const GameLogEntry& a, const GameLogEntry& b) {
    return KDLogTimeKey(TimeOf(a)) < KDLogTimeKey(TimeOf(b));
  });
  return true;
}

bool LoadGameLogRecords(const char* path, std::vector<GameLogEntry>* entries, std::string* error) {
  return LoadSimTextFile(path, entries, error, ParseGameLogRecords);
}
