#pragma once
// The siege log query: relay request 0x7203 to the shard's manager service with inner
// request 0x400E:
//   manager service u16, 0x400E u16, fortress u32, category u8, begin string, end string
// Both times are texts "%d-%d-%d %02d:%02d:%02d".
#include <cstdint>
#include <string>
#include <vector>

#include "msg/Msg.h"
#include "refdata/KV_GameRefData.h"
#include "opslog/LogChoice.h"

// "Category" entries in list order; "All" asks for every category.
enum : uint8_t { kSiegeLogCategoryAll = 250 };
extern const LogChoice kSiegeLogCategories[9];

// "FortressName" entries: each enabled fortress by code name, with its id, in
// ascending id order (the box sorts them by name). None without reference data.
std::vector<ChoiceEntry> SiegeFortressEntries(const CGameRefData* data);

struct SiegeLogRequest {
  uint16_t serviceId = 0;  // the shard record's manager service
  uint32_t fortress = 0;
  uint8_t category = 0;
  std::string begin;
  std::string end;
};

// Whether the request fits one record: the cursor the server sent may be long.
bool SiegeLogRequestFits(const SiegeLogRequest& request);

// Writes the relay head and the four fields, the texts byte for byte.
void WriteSiegeLogRequest(CMsg* msg, const SiegeLogRequest& request);

// The server's side, for the stand-in console and the tests: reads the four fields that
// follow the relay head. False when the record is cut short or holds bytes after them.
bool ReadSiegeLogRequest(CMsg* msg, SiegeLogRequest* request);

// Allocates 0x7203 from the console's messenger, writes and sends it. False when there
// is no messenger or it hands out no record.
bool SendSiegeLogRequest(const SiegeLogRequest& request);
