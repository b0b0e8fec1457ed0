#pragma once
// The shard managers' siege log and server event log services: one paged service, set
// up for each log, that answers the log's inner query (0x400E, 0x4018) from its sample
// log (SampleLogs.h) with the multi-part answer (0x800E, 0x8018).
//
// What the service does with a query (the servers' business, not the plug-in's): rows
// of the shard and the target (fortress, server event) within the time span and in the
// category of their event code or log type ("All" takes every row; a row in no category
// shows only then), in the log's order, 50 a page. A time it cannot read, or a manager
// service behind no shard, fails the query (result 2).
// Paging: the siege log's cursor is the next row's time and place ("time#place"), so
// "Query More", which sends it as its begin time, goes on from there; after the last
// page it names the end of the log. The server event log goes on after the start log
// the query names (0: from the first); its time cursor is the last row's time.
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "SampleLogs.h"
#include "SimConfig.h"
#include "SimLog.h"
#include "msg/MassiveMsgBuilder.h"
#include "msg/RelayRequest.h"
#include "opslog/RelayLogKind.h"
#include "opslog/RelayLogRequest.h"

// The event codes or log types one category holds.
struct CodeRange {
  uint8_t first, last;
  uint8_t category;
};

// What sets one log's service apart.
template <class Row>
struct PagedLogServing {
  const RelayLogKind* kind;
  const char* name;        // in the log pane's notes
  const char* targetName;  // likewise
  uint32_t (*target)(const Row& row);
  uint8_t (*code)(const Row& row);  // the event code or log type the categories hold
  const CodeRange* categories;
  size_t categoryCount;
  uint8_t categoryAll;  // the category that takes every row
  bool placeCursor;     // the cursor names the place to go on from
};

extern const PagedLogServing<SiegeLogRow> kSiegeLogServing;
extern const PagedLogServing<ServerEventLogRow> kServerEventLogServing;

template <class Row>
class CPagedLogService {
 public:
  CPagedLogService(const PagedLogServing<Row>& serving, std::vector<PagedLogEntry<Row>> entries,
                   const SimConfig& config);

  // The shard manager's handler of the log's inner query: reads the query after the
  // relay head, answers it (a request it cannot read fails) and notes it in the log pane.
  bool Serve(CMsg* request, const RelayHead& head, MassiveMsgBuilder* out, CSimLog* log) const;

  // Appends the answer for the shard whose manager service is serviceId; the number of
  // rows sent, or -1 when the query failed.
  int Answer(uint16_t serviceId, const RelayLogRequest& query, MassiveMsgBuilder* out) const;

 private:
  const PagedLogServing<Row>& m_serving;
  std::vector<PagedLogEntry<Row>> m_entries;  // in the log's order
  std::map<uint16_t, uint16_t> m_shards;      // manager service -> shard
};

extern template class CPagedLogService<SiegeLogRow>;
extern template class CPagedLogService<ServerEventLogRow>;
