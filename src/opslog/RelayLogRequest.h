#pragma once
// A relay log query: relay request 0x7203 to the shard's manager service with the log's
// inner request:
//   manager service u16, inner request u16, [start log u32,] target u32, category u8,
//   begin string, end string
// The start log is there for the server event log alone. The target is the fortress or
// the server event. Times are texts "%d-%d-%d %02d:%02d:%02d" or the server's cursor.
#include <cstdint>
#include <string>

#include "msg/Msg.h"
#include "opslog/RelayLogKind.h"

struct RelayLogRequest {
  const RelayLogKind* kind = nullptr;  // the fields' layout
  uint16_t serviceId = 0;  // the shard record's manager service
  uint32_t startLog = 0;
  uint32_t target = 0;
  uint8_t category = 0;
  std::string begin;
  std::string end;
};

// Whether the request fits one record: the cursor the server sent may be long.
bool RelayLogRequestFits(const RelayLogRequest& request);

// Writes the relay head and the fields, the texts byte for byte.
void WriteRelayLogRequest(CMsg* msg, const RelayLogRequest& request);

// The server's side, for the stand-in console and the tests: reads the fields of kind
// that follow the relay head. False when the record is cut short or holds bytes after them.
bool ReadRelayLogRequest(CMsg* msg, const RelayLogKind& kind, RelayLogRequest* request);

// Allocates 0x7203 from the console's messenger, writes and sends it. False when there
// is no messenger or it hands out no record.
bool SendRelayLogRequest(const RelayLogRequest& request);
