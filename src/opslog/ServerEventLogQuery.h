#pragma once
// The server event log query: relay request 0x7203 to the shard's manager service with
// inner request 0x4018:
//   manager service u16, 0x4018 u16, start log u32, server event u32, category u8,
//   begin string, end string
// "Query" starts at log 0 with the pickers' times; "Query More" continues from the last
// row's log id and the answer's time cursor. Times are texts "%d-%d-%d %02d:%02d:%02d".
#include <cstdint>
#include <string>

#include "msg/Msg.h"
#include "opslog/LogChoice.h"

// "Category" entries in the order they are added (the box shows them sorted);
// "All" (255) asks for every category.
extern const LogChoice kServerEventCategories[4];

struct ServerEventLogRequest {
  uint16_t serviceId = 0;  // the shard record's manager service
  uint32_t startLog = 0;
  uint32_t eventId = 0;
  uint8_t category = 0;
  std::string begin;
  std::string end;
};

// Whether the request fits one record: the cursor the server sent may be long.
bool ServerEventLogRequestFits(const ServerEventLogRequest& request);

// Writes the relay head and the five fields, the texts byte for byte.
void WriteServerEventLogRequest(CMsg* msg, const ServerEventLogRequest& request);

// The server's side, for the stand-in console and the tests: reads the five fields that
// follow the relay head. False when the record is cut short or holds bytes after them.
bool ReadServerEventLogRequest(CMsg* msg, ServerEventLogRequest* request);

// Allocates 0x7203 from the console's messenger, writes and sends it. False when there
// is no messenger or it hands out no record.
bool SendServerEventLogRequest(const ServerEventLogRequest& request);
