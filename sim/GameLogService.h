#pragma once
// The shard managers' game log service: answers the inner game log query 0x4001 from
// the sample game log with the multi-part answer 0x8001.
//
// What the service does with a query (the servers' business, not the plug-in's):
//   kinds 1 and 3 list a character's events (kind 3 the quest events 200-204 only), kind
//   2 its item records, each narrowed to the query option's family of events or
//   operations ("All" takes every one, "Query By Codename" the item code name); the name
//   "KDC" stands for every character of the shard. Rows lie within the time span (an
//   empty time leaves that side open), oldest first, 50 a page; the paging cursor is the
//   next row's time followed by "#" and its place in the log, so "Query More" (which
//   sends the cursor as its begin time) goes on from there.
//   Kind 4 lists the item records of the serial in the code name, at most maxRows of
//   them (0 = all, no maxRows = 50), whoever held the item.
//   A character with no record on the shard fails with error 6, an unknown kind with 3,
//   a time, serial or code name that cannot be read with 5.
#include <cstdint>
#include <map>
#include <vector>

#include "SampleLogs.h"
#include "SimConfig.h"
#include "SimLog.h"
#include "gamelog/GameLogQuery.h"
#include "msg/MassiveMsgBuilder.h"
#include "msg/RelayRequest.h"

enum : uint8_t {
  kGameLogErrorInvalidOperation = 3,
  kGameLogErrorNoTarget = 4,
  kGameLogErrorInvalidRequest = 5,
  kGameLogErrorNoCharacter = 6,
};

class CGameLogService {
 public:
  CGameLogService(std::vector<GameLogEntry> entries, const SimConfig& config);

  // The shard manager's handler of 0x4001: reads the query after the relay head, answers
  // it (a request it cannot read fails with error 5) and notes it in the log pane.
  bool Serve(CMsg* request, const RelayHead& head, MassiveMsgBuilder* out, CSimLog* log) const;

  // Appends the answer for the shard whose manager service is serviceId. Returns the
  // number of rows sent, or -1 with *errorCode set when the query failed.
  int Answer(uint16_t serviceId, const GameLogRequest& query, MassiveMsgBuilder* out, uint8_t* errorCode) const;

  const std::vector<GameLogEntry>& Entries() const { return m_entries; }

 private:
  std::vector<GameLogEntry> m_entries;   // oldest first
  std::map<uint16_t, uint16_t> m_shards;  // manager service -> shard
};
