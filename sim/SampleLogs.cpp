#include "SampleLogs.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "LogTimeKey.h"
#include "SimTextFile.h"
#include "base/Format.h"

namespace {

// Hands each line that is not blank or a comment to read; stops at the first one it
// refuses and names it in error.
template <class Read>
bool ReadRecordLines(const std::string& text, std::string* error, Read read) {
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    std::string trimmed = TrimField(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    if (const char* why = read(line)) {
      *error = FormatString(kLineChars, "line %d: %s", number, why);
      return false;
    }
  }
  return true;
}

// The console log.

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

const char* ReadKDLogLine(const std::string& line, KDLogRecord* record) {
  size_t a = line.find(" | ");
  size_t b = a == std::string::npos ? a : line.find(" | ", a + 3);
  size_t c = b == std::string::npos ? b : line.find(" | ", b + 3);
  if (c == std::string::npos) return "expected user | category | time | text";
  record->userName = TrimField(line.substr(0, a));
  std::string time = TrimField(line.substr(b + 3, c - b - 3));
  record->logText = line.substr(c + 3);
  if (!record->logText.empty() && record->logText.back() == '\r') record->logText.pop_back();
  std::string fraction;
  size_t dot = time.find('.');
  if (dot != std::string::npos) {
    fraction = time.substr(dot + 1);
    time.resize(dot);
  }
  uint32_t category = 0;
  if (record->userName.empty() || record->userName.size() >= kKDLogUserNameWidth)
    return "user name empty or longer than 127 characters";
  if (!ParseUnsigned(TrimField(line.substr(a + 3, b - a - 3)), 255, &category))
    return "category is not a number from 0 to 255";
  if (!ParseLogTime(time.c_str(), &record->time) ||
      (!fraction.empty() && !ParseUnsigned(fraction, 999999999, &record->time.fraction)))
    return "time is not YYYY-MM-DD hh:mm:ss[.fraction]";
  if (record->logText.size() >= kKDLogTextWidth) return "text longer than 255 characters";
  record->category = static_cast<uint8_t>(category);
  return nullptr;
}

// The game log.

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
  if (!ParseLogTime(text.c_str(), time)) return false;
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

const char* ReadGameLogLine(const std::string& line, GameLogEntry* e) {
  std::vector<std::string> f = Fields(line, 15);
  uint32_t shard = 0;
  if (f.size() < 4) return "expected shard | character | time | char or item | ...";
  if (!ReadUnsignedField(f[0], 0xFFFF, &shard) || shard == 0) return "shard is not a number from 1 to 65535";
  if (f[1].empty() || f[1].size() > 32) return "character name empty or longer than 32 characters";
  const char* why = "the record kind is neither char nor item";
  if (f[3] == "char") {
    f = Fields(line, 9);
    why = ReadChar(f, e);
  } else if (f[3] == "item") {
    e->isItem = true;
    why = ReadItem(f, e);
  }
  if (why) return why;
  LogTime time;
  if (!FileTime(f[2], &time)) return "time is not YYYY-MM-DD hh:mm:ss[.fraction]";
  (e->isItem ? e->itemRecord.time : e->charRecord.time) = time;
  e->shardId = static_cast<uint16_t>(shard);
  e->character = f[1];
  return nullptr;
}

// The siege and server event logs.

// One line of the form the two logs share; each log says what the three numbers are.
struct SampleLogLine {
  uint16_t shardId = 0;
  uint32_t first = 0;
  LogTime time;
  uint32_t second = 0;
  uint32_t third = 0;
  std::string text;
};

const char* ReadPagedLogLine(const std::string& line, SampleLogLine* out) {
  std::vector<std::string> fields;
  size_t at = 0;
  std::string rest = line;
  if (!rest.empty() && rest.back() == '\r') rest.pop_back();
  // An empty text may lose its blank to an editor: "... | 0 |" ends the line.
  if (rest.size() >= 2 && rest.compare(rest.size() - 2, 2, " |") == 0) rest += ' ';
  for (int i = 0; i < 5; ++i) {
    size_t bar = rest.find(" | ", at);
    if (bar == std::string::npos) return "expected shard | number | time | number | number | text";
    fields.push_back(TrimField(rest.substr(at, bar - at)));
    at = bar + 3;
  }
  out->text = rest.substr(at);
  uint32_t shard = 0;
  if (!ReadUnsignedField(fields[0], 0xFFFF, &shard) || shard == 0) return "shard is not a number from 1 to 65535";
  out->shardId = static_cast<uint16_t>(shard);
  if (!ReadUnsignedField(fields[1], 0xFFFFFFFF, &out->first) ||
      !ReadUnsignedField(fields[3], 0xFFFFFFFF, &out->second) || !ReadUnsignedField(fields[4], 0xFFFFFFFF, &out->third))
    return "fields 2, 4 and 5 are 32-bit numbers";
  if (!ParseLogTime(fields[2].c_str(), &out->time)) return "time is not YYYY-MM-DD hh:mm:ss";
  if (out->text.size() > 1000) return "text longer than 1000 characters";
  return nullptr;
}

// Fills row from line, the one before it (null for the first) and its place in the
// log; the reason when the line does not fit.
template <class Row>
using RowOfLine = const char* (*)(const SampleLogLine& line, const SampleLogLine* before, size_t place, Row* row);

const char* SiegeLogRowOf(const SampleLogLine& line, const SampleLogLine* before, size_t place, SiegeLogRow* row) {
  if (line.first == 0 || line.first > 0xFFFF) return "fortress is not a number from 1 to 65535";
  if (line.second > 255) return "event code is not a number from 0 to 255";
  if (before && LogTimeKey(line.time) < LogTimeKey(before->time)) return "records are not in the order of their times";
  row->head = static_cast<uint32_t>(place);
  row->time = line.time;
  row->eventCode = static_cast<uint8_t>(line.second);
  row->data1 = line.first;
  row->data2 = line.third;
  row->text = line.text;
  return nullptr;
}

const char* ServerEventLogRowOf(const SampleLogLine& line, const SampleLogLine* before, size_t,
                                ServerEventLogRow* row) {
  if (line.first <= (before ? before->first : 0)) return "log ids do not rise";
  if (before && LogTimeKey(line.time) < LogTimeKey(before->time)) return "times do not rise with the log ids";
  if (line.second > 255) return "server event id is not a number from 0 to 255";
  if (line.third > 255) return "log type is not a number from 0 to 255";
  row->logId = line.first;
  row->time = line.time;
  row->serverEventId = static_cast<uint8_t>(line.second);
  row->logType = static_cast<uint8_t>(line.third);
  row->description = line.text;
  return nullptr;
}

template <class Row>
bool ParsePagedLog(const std::string& text, std::vector<PagedLogEntry<Row>>* entries, std::string* error,
                   RowOfLine<Row> rowOf) {
  entries->clear();
  SampleLogLine before;
  return ReadRecordLines(text, error, [&](const std::string& line) {
    SampleLogLine parsed;
    PagedLogEntry<Row> entry;
    const char* why = ReadPagedLogLine(line, &parsed);
    if (!why) why = rowOf(parsed, entries->empty() ? nullptr : &before, entries->size(), &entry.row);
    if (!why) {
      entry.shardId = parsed.shardId;
      entries->push_back(entry);
      before = parsed;
    }
    return why;
  });
}

}  // namespace

bool ParseKDLogRecords(const std::string& text, std::vector<KDLogRecord>* records, std::string* error) {
  records->clear();
  return ReadRecordLines(text, error, [&](const std::string& line) {
    KDLogRecord record;
    const char* why = ReadKDLogLine(line, &record);
    if (!why) records->push_back(record);
    return why;
  });
}

bool LoadKDLogRecords(const char* path, std::vector<KDLogRecord>* records, std::string* error) {
  return LoadSimTextFile(path, records, error, ParseKDLogRecords);
}

const LogTime& TimeOf(const GameLogEntry& entry) {
  return entry.isItem ? entry.itemRecord.time : entry.charRecord.time;
}

bool ParseGameLogRecords(const std::string& text, std::vector<GameLogEntry>* entries, std::string* error) {
  entries->clear();
  bool read = ReadRecordLines(text, error, [&](const std::string& line) {
    GameLogEntry e;
    const char* why = ReadGameLogLine(line, &e);
    if (!why) entries->push_back(std::move(e));
    return why;
  });
  if (!read) return false;
  std::stable_sort(entries->begin(), entries->end(), [](const GameLogEntry& a, const GameLogEntry& b) {
    return LogTimeKey(TimeOf(a)) < LogTimeKey(TimeOf(b));
  });
  return true;
}

bool LoadGameLogRecords(const char* path, std::vector<GameLogEntry>* entries, std::string* error) {
  return LoadSimTextFile(path, entries, error, ParseGameLogRecords);
}

bool ParseSiegeLog(const std::string& text, std::vector<PagedLogEntry<SiegeLogRow>>* entries, std::string* error) {
  return ParsePagedLog(text, entries, error, SiegeLogRowOf);
}

bool LoadSiegeLog(const char* path, std::vector<PagedLogEntry<SiegeLogRow>>* entries, std::string* error) {
  return LoadSimTextFile(path, entries, error, ParseSiegeLog);
}

bool ParseServerEventLog(const std::string& text, std::vector<PagedLogEntry<ServerEventLogRow>>* entries,
                         std::string* error) {
  return ParsePagedLog(text, entries, error, ServerEventLogRowOf);
}

bool LoadServerEventLog(const char* path, std::vector<PagedLogEntry<ServerEventLogRow>>* entries,
                        std::string* error) {
  return LoadSimTextFile(path, entries, error, ParseServerEventLog);
}
