#include "gamelog/GameLogQuery.h"

#include <cinttypes>

#include "base/ByteOrder.h"
#include "base/Format.h"
#include "base/LogOutput.h"
#include "gamelog/GameLogKinds.h"
#include "msg/MsgIds.h"
#include "msg/RelayRequest.h"

namespace {

const char kConsoleName[] = "KDC";

bool AllDigits(const std::string& text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool IsConsoleOperation(uint8_t kind, uint8_t option) {
  return (kind == kGameLogKindChar && option == kCharOptionConsoleOp) ||
         (kind == kGameLogKindItem && option == kItemOptionConsoleOp);
}

// Writes the text cut so that `reserve` bytes stay free for the fields after it. Only
// the code name (the edit holds up to 4095 characters) and the paging cursor (the
// server's text) can be that long; a record holds 4090 payload bytes.
void WriteStringLeaving(CMsg* msg, const std::string& text, int32_t reserve) {
  int32_t room = Room(msg) - 2 - reserve;
  WriteString(msg, text.substr(0, room > 0 ? static_cast<size_t>(room) : 0));
}

std::string ReadMsgString(CMsg* msg) {
  uint8_t length[2];
  ReadBytes(msg, length, 2);
  std::string text(LoadLE16(length), '\0');
  if (!text.empty()) ReadBytes(msg, &text[0], static_cast<uint16_t>(text.size()));
  return text;
}

}  // namespace

GameLogQueryOutcome BuildGameLogRequest(const GameLogQueryInput& input) {
  GameLogQueryOutcome outcome;
  std::string charName = IsConsoleOperation(input.kind, input.option) ? kConsoleName : input.charName;
  // A shard the directory did not return is never sent to.
  if (input.shardId == 0 || input.kind == 0 || charName.empty() || !input.shard || input.beginText.empty() ||
      input.endText.empty()) {
    outcome.refusal = "some input fields are wrong";
    return outcome;
  }
  if (charName.size() > kGameLogCharNameLimit && input.kind != kGameLogKindSerial) {
    outcome.refusal = FormatString(kLineChars, "character name is under %d bytes", int{kGameLogCharNameLimit});
    return outcome;
  }
  std::string codeName = input.codeName;
  if (input.kind == kGameLogKindItem && input.option == kItemOptionByCodeName &&
      (codeName.empty() || codeName.size() > kGameLogCodeNameLimit)) {
    outcome.refusal = "invalid codename specified";
    return outcome;
  }
  GameLogRequest& r = outcome.request;
  if (input.kind == kGameLogKindSerial) {
    if (!AllDigits(charName)) {
      outcome.refusal = "invalid serial number";
      return outcome;
    }
    codeName = charName;
    charName = kConsoleName;
    r.hasMaxRows = true;
    r.maxRows = kSerialRowsNewQuery;
  }
  r.serviceId = input.shard->managerServiceId;
  r.kind = input.kind;
  r.option = input.option;
  r.charName = charName;
  r.beginTime = input.beginText;
  r.endTime = input.endText;
  r.itemCodeName = codeName;
  return outcome;
}

GameLogRequest SerialHistoryRequest(uint16_t serviceId, int64_t serial, const std::string& beginText,
                                    const std::string& endText, uint32_t maxRows) {
  GameLogRequest r;
  r.serviceId = serviceId;
  r.kind = kGameLogKindSerial;
  r.option = 0;
  r.charName = kConsoleName;
  r.beginTime = beginText;
  r.endTime = endText;
  r.itemCodeName = FormatString(32, "%" PRId64, serial);
  r.hasMaxRows = true;
  r.maxRows = maxRows;
  return r;
}

void WriteGameLogRequest(CMsg* msg, const GameLogRequest& r) {
  const int32_t rows = r.hasMaxRows ? 4 : 0;
  WriteRelayHead(msg, RelayHead{r.serviceId, kMsgGameLogQuery});
  WriteU8(msg, r.kind);
  WriteU8(msg, r.option);
  WriteStringLeaving(msg, r.charName, 2 + 2 + 2 + rows);
  WriteStringLeaving(msg, r.beginTime, 2 + 2 + rows);
  WriteStringLeaving(msg, r.endTime, 2 + rows);
  WriteStringLeaving(msg, r.itemCodeName, rows);
  if (r.hasMaxRows) WriteU32(msg, r.maxRows);
}

bool ReadGameLogRequest(CMsg* msg, GameLogRequest* r) {
  try {
    ReadBytes(msg, &r->kind, 1);
    ReadBytes(msg, &r->option, 1);
    r->charName = ReadMsgString(msg);
    r->beginTime = ReadMsgString(msg);
    r->endTime = ReadMsgString(msg);
    r->itemCodeName = ReadMsgString(msg);
    r->hasMaxRows = Remaining(msg) == 4;
    if (r->hasMaxRows) {
      uint8_t rows[4];
      ReadBytes(msg, rows, 4);
      r->maxRows = LoadLE32(rows);
    }
  } catch (const CMsgException&) {
    return false;
  }
  return Remaining(msg) == 0;
}

bool SendGameLogRequest(const GameLogRequest& request) {
  return SendConsoleMsg(kMsgRelay, WriteGameLogRequest, request);
}

bool SendGameLogQuery(const GameLogRequest& request) {
  if (SendGameLogRequest(request)) return true;
  LogOutput(kLogDataError, "^2game log query not sent: no console messenger");
  return false;
}

bool DurationBegin(int days, int64_t now, int64_t* begin) {
  if (days < 0) {
    LogOutput(kLogRefusal, "please type days");
    return false;
  }
  *begin = now - static_cast<int64_t>(days) * 86400;
  return true;
}
