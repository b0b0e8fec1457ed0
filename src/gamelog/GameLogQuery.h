#pragma once
// The game log query: inner request 0x4001 inside relay request 0x7203, sent to a
// shard's manager service. Inner fields, in order:
//   queryKind u8, queryOption u8, charName string, beginTime string, endTime string,
//   itemCodeName string, and maxRows u32 only in requests of kind 4 built afresh (50 from
//   "New Query", 30 from the row menu, 0 for a serial's whole history).
#include <cstdint>
#include <string>

#include "msg/Console.h"
#include "msg/Msg.h"

enum : size_t {
  kGameLogCharNameLimit = 32,   // bytes of a character name
  kGameLogCodeNameLimit = 128,  // bytes of an item code name
};
enum : uint32_t { kSerialRowsNewQuery = 50, kSerialRowsMenu = 30, kSerialRowsAll = 0 };

// What the page read from its controls for "New Query".
struct GameLogQueryInput {
  uint16_t shardId = 0;           // item data of the Shard entry, 0 when none
  uint8_t kind = 0;               // item data of the Category entry, 0 when none
  uint8_t option = 0;             // item data of the QueryOption entry, 0 when none
  std::string charName;           // the CharName edit (the serial for kind 4)
  std::string beginText;          // "%d-%d-%d %02d:%02d:%02d" from the pickers
  std::string endText;
  std::string codeName;           // the "Item CodeName" edit, whatever its state
  const KDShardRecord* shard = nullptr;  // the directory's record for shardId, or null
};

struct GameLogRequest {
  uint16_t serviceId = 0;  // the shard's manager service
  uint8_t kind = 0;
  uint8_t option = 0;
  std::string charName;
  std::string beginTime;
  std::string endTime;
  std::string itemCodeName;
  bool hasMaxRows = false;
  uint32_t maxRows = 0;
};

// The request, or the refusal to show the operator (then nothing is sent).
struct GameLogQueryOutcome {
  std::string refusal;
  GameLogRequest request;
};

GameLogQueryOutcome BuildGameLogRequest(const GameLogQueryInput& input);

// A kind 4 request for one serial's history: "KDC", the serial as code name and the
// given row limit.
GameLogRequest SerialHistoryRequest(uint16_t serviceId, int64_t serial, const std::string& beginText,
                                    const std::string& endText, uint32_t maxRows);

// Whether the request fits one record; one that does not is never sent cut.
bool GameLogRequestFits(const GameLogRequest& request);

// Writes the relay head and the inner fields, the texts byte for byte.
void WriteGameLogRequest(CMsg* msg, const GameLogRequest& request);

// The server's side, for the stand-in console and the tests: reads the inner fields
// that follow the relay head; maxRows is there when four bytes are left after the code
// name. False when the record is cut short or holds other bytes after the fields.
bool ReadGameLogRequest(CMsg* msg, GameLogRequest* request);

// Allocates 0x7203 from the console's messenger, writes and sends it. False when there
// is no messenger or it hands out no record.
bool SendGameLogRequest(const GameLogRequest& request);
// The same, reporting as a data error a request too long for one record (a paging
// cursor the server sent may be) or one that no messenger takes.
bool SendGameLogQuery(const GameLogRequest& request);

// "Set Duration": the span's start, `days` days of 86,400 seconds before now. A negative
// number, or one reaching before 1970-01-01 00:00:00 UTC (the earliest moment the
// system's local time conversion takes, so the Begin pickers could not follow), is
// refused with "please type days" (false).
bool DurationBegin(int days, int64_t now, int64_t* begin);
