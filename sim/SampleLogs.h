#pragma once
// The sample logs the stand-in console's services answer from, read from readable
// files: one record a line, fields separated by " | ", "#" starting a comment line.
// Times are "YYYY-MM-DD hh:mm:ss" (ParseLogTime); unsigned numbers are decimal or
// 0x-prefixed hexadecimal unless said otherwise; a text runs to the end of the line and
// may hold "|", colour marks and "%s". On failure each reader names the line and what
// is wrong; the Load readers put the file's path in front.
#include <cstdint>
#include <string>
#include <vector>

#include "gamelog/GameLogRecord.h"
#include "opslog/KDLogRecord.h"
#include "opslog/ServerEventLogRecord.h"
#include "opslog/SiegeLogRecord.h"

// The console's own operator log:
//   <user> | <category code> | <time[.fraction]> | <text>
// Numbers decimal only. The fraction digits are the record's fraction field as written
// (nanoseconds when nine). A user name longer than 127 characters or a text longer than
// 255 is an error, so every record fits its wire fields with a terminating zero.
bool ParseKDLogRecords(const std::string& text, std::vector<KDLogRecord>* records, std::string* error);
bool LoadKDLogRecords(const char* path, std::vector<KDLogRecord>* records, std::string* error);

// The shards' game log:
//   <shard id> | <character> | <time[.fraction]> | char | <event> | <data1> | <data2> | <position> | <text>
//   <shard id> | <character> | <time[.fraction]> | item | <serial> | <item id> | <code name> | <data> |
//       <storage> | <operation> | <slot from> | <slot to> | <amount> | <position> | <text>
// (an item record is one line). Serial and amount are signed decimal. The code name
// ("-" for none) is the item's reference code name, for queries by code name.
// Character events 200 to 204 are quest records.
struct GameLogEntry {
  uint16_t shardId = 0;
  std::string character;
  bool isItem = false;
  GameLogCharRecord charRecord;  // when !isItem
  GameLogItemRecord itemRecord;  // when isItem
  std::string codeName;          // items only; empty for "-"
};

const LogTime& TimeOf(const GameLogEntry& entry);

// The records in the order of their times (records of the same second keep the file's
// order).
bool ParseGameLogRecords(const std::string& text, std::vector<GameLogEntry>* entries, std::string* error);
bool LoadGameLogRecords(const char* path, std::vector<GameLogEntry>* entries, std::string* error);

// The shards' siege and server event logs share one line form, numbers at most 32 bits
// and a text of at most 1000 characters:
//   siege log:         <shard id> | <fortress id> | <time> | <event code> | <data2> | <text>
//   server event log:  <shard id> | <log id> | <time> | <server event id> | <log type> | <description>
// Siege records are in the order of their times; data2 is the side (code 3: 1 defence,
// 2 offence; codes 9 and 16: 0 offence, else defence) or the item count (codes 17 and
// 19); head holds the record's place in the log, data1 the fortress. Server event log
// ids rise through the file and times rise with them; log types: 1 start, 2 end,
// 3 completion, 4 reward, others the servers' own.
template <class Row>
struct PagedLogEntry {
  uint16_t shardId = 0;
  Row row;
};

bool ParseSiegeLog(const std::string& text, std::vector<PagedLogEntry<SiegeLogRow>>* entries, std::string* error);
bool LoadSiegeLog(const char* path, std::vector<PagedLogEntry<SiegeLogRow>>* entries, std::string* error);
bool ParseServerEventLog(const std::string& text, std::vector<PagedLogEntry<ServerEventLogRow>>* entries,
                         std::string* error);
bool LoadServerEventLog(const char* path, std::vector<PagedLogEntry<ServerEventLogRow>>* entries,
                        std::string* error);
