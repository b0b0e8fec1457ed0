#pragma once
// The shard managers' server event log service: answers the inner server event log
// query 0x4018 from the sample server event log with the multi-part answer 0x8018.
//
// The sample is a file of SampleLogLines:
//   <shard id> | <log id> | <time> | <server event id> | <log type> | <description>
// with log ids rising through the file and times rising with them. Log types: 1 start,
// 2 end, 3 completion, 4 reward; others are the servers' own.
//
// What the service does with a query (the servers' business, not the plug-in's): rows
// of the shard and the event within the time span and in the category (0: start and
// end, 1: completion, 2: reward, 255: every row), in log id order, 50 a page. A query
// with a start log other than 0 goes on after that log id; the page's time cursor is
// the last row's time. A time it cannot read fails the query (result 2).
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "SampleLogLines.h"
#include "SimConfig.h"
#include "SimLog.h"
#include "msg/MassiveMsgBuilder.h"
#include "msg/RelayRequest.h"
#include "opslog/ServerEventLogQuery.h"
#include "opslog/ServerEventLogRecord.h"

struct ServerEventLogEntry {
  uint16_t shardId = 0;
  ServerEventLogRow row;
};

// The sample from its text or its file; false with the line named when one does not fit.
bool ParseServerEventLog(const std::string& text, std::vector<ServerEventLogEntry>* entries, std::string* error);
bool LoadServerEventLog(const char* path, std::vector<ServerEventLogEntry>* entries, std::string* error);

class CServerEventLogService {
 public:
  CServerEventLogService(std::vector<ServerEventLogEntry> entries, const SimConfig& config);

  // The shard manager's handler of 0x4018: reads the query after the relay head,
  // answers it (a request it cannot read fails) and notes it in the log pane.
  bool Serve(CMsg* request, const RelayHead& head, MassiveMsgBuilder* out, CSimLog* log) const;

  // Appends the answer for the shard whose manager service is serviceId; the number of
  // rows sent, or -1 when the query failed.
  int Answer(uint16_t serviceId, const ServerEventLogRequest& query, MassiveMsgBuilder* out) const;

 private:
  std::vector<ServerEventLogEntry> m_entries;  // by log id
  std::map<uint16_t, uint16_t> m_shards;       // manager service -> shard
};
