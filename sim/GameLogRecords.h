#pragma once
// The shards' game log as the simulated shard managers hold it, read from a readable
// file, one record a line, fields separated by " | ":
//
//   # comment
//   <shard id> | <character> | <time> | char | <event> | <data1> | <data2> | <position> | <text>
//   <shard id> | <character> | <time> | item | <serial> | <item id> | <code name> | <data> |
//       <storage> | <operation> | <slot from> | <slot to> | <amount> | <position> | <text>
//
// (an item record is one line). The time is "YYYY-MM-DD hh:mm:ss[.fraction]". Unsigned
// numbers are decimal or 0x-prefixed hexadecimal; serial and amount are signed decimal.
// The code name ("-" for none) is the item's reference code name, for queries by code
// name. The text runs to the end of the line and may hold "|", colour marks and "%s".
// Character events 200 to 204 are quest records.
#include <cstdint>
#include <string>
#include <vector>

#include "gamelog/GameLogRecord.h"

struct GameLogEntry {
  uint16_t shardId = 0;
  std::string character;
  bool isItem = false;
  GameLogCharRecord charRecord;  // when !isItem
  GameLogItemRecord itemRecord;  // when isItem
  std::string codeName;          // items only; empty for "-"
};

// Times are read and ordered as the console log's are (ParseKDLogTime, KDLogTimeKey):
// the game log page sends the same form.
const LogTime& TimeOf(const GameLogEntry& entry);

// The records in the order of their times (records of the same second keep the file's
// order).
bool ParseGameLogRecords(const std::string& text, std::vector<GameLogEntry>* entries, std::string* error);
bool LoadGameLogRecords(const char* path, std::vector<GameLogEntry>* entries, std::string* error);
