#pragma once
// The siege log and the server event log are one paged relay log: a query relayed to a
// shard's manager service, an answer of rows in pages of 50 with a cursor that "Query
// More" sends back. What sets the two apart is data, fixed here.
#include <cstdint>

struct RelayLogKind {
  uint16_t innerId;    // inner request of the relay; the answer's identifier is this plus 0x4000
  uint8_t countBytes;  // width of the answer's row count: 2 or 1
  bool startLogField;  // the request carries the log id the page starts after
  bool checksService;  // the shard's manager service must be in the directory and running
  bool queryMoreReselects;  // "Query More" takes the shard and target selected now, not
                            // those "Query" kept
  uint32_t waitMs;     // a query unanswered this long stops blocking the next; 0: never
  // Operator lines: no shard or no target selected, the query failed, and the two
  // requests that cannot go out.
  const char* noTarget;
  const char* failed;
  const char* tooLong;
  const char* noMessenger;
};

// Fortresses, by category of event; pages by a time cursor, for the shard and fortress
// selected at "Query More"; waits for good.
extern const RelayLogKind kSiegeLog;
// Server events, by category of log type; pages by log id and a time cursor, for what
// "Query" kept; checks the manager service; a wait runs out after 5 seconds.
extern const RelayLogKind kServerEventLog;
