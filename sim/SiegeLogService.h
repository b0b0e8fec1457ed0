#pragma once
// The shard managers' siege log service: answers the inner siege log query 0x400E from
// the sample siege log with the multi-part answer 0x800E.
//
// The sample is a file of SampleLogLines:
//   <shard id> | <fortress id> | <time> | <event code> | <data2> | <text>
// in the order of their times. data2 is the side (code 3: 1 defence, 2 offence; codes 9
// and 16: 0 offence, else defence) or the item count (codes 17 and 19).
//
// What the service does with a query (the servers' business, not the plug-in's): rows
// of the shard and the fortress within the time span and in the category of their
// event code (250 takes every row; a code outside the categories shows only then),
// oldest first, 50 a page. The cursor is the next row's time and place ("time#place"),
// so "Query More", which sends it as its begin time, goes on from there; after the last
// page it names the end of the log. A time it cannot read fails the query (result 2).
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "SampleLogLines.h"
#include "SimConfig.h"
#include "SimLog.h"
#include "msg/MassiveMsgBuilder.h"
#include "msg/RelayRequest.h"
#include "opslog/SiegeLogQuery.h"
#include "opslog/SiegeLogRecord.h"

struct SiegeLogEntry {
  uint16_t shardId = 0;
  SiegeLogRow row;  // data1 holds the fortress, head the entry's place in the log
};

// The sample from its text or its file; false with the line named when one does not fit.
bool ParseSiegeLog(const std::string& text, std::vector<SiegeLogEntry>* entries, std::string* error);
bool LoadSiegeLog(const char* path, std::vector<SiegeLogEntry>* entries, std::string* error);

// The category (0-7) of an event code, or -1 for a code in none.
int SiegeEventCategory(uint8_t eventCode);

class CSiegeLogService {
 public:
  CSiegeLogService(std::vector<SiegeLogEntry> entries, const SimConfig& config);

  // The shard manager's handler of 0x400E: reads the query after the relay head,
  // answers it (a request it cannot read fails) and notes it in the log pane.
  bool Serve(CMsg* request, const RelayHead& head, MassiveMsgBuilder* out, CSimLog* log) const;

  // Appends the answer for the shard whose manager service is serviceId; the number of
  // rows sent, or -1 when the query failed.
  int Answer(uint16_t serviceId, const SiegeLogRequest& query, MassiveMsgBuilder* out) const;

 private:
  std::vector<SiegeLogEntry> m_entries;   // oldest first
  std::map<uint16_t, uint16_t> m_shards;  // manager service -> shard
};
