#include "gamelog/GameLogQuery.h"

#include <cinttypes>

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
  // Only the code name can outgrow a record here (the edit holds 4095 characters), and
  // for kind 4 it is the serial: cut, it would name another item.
  if (!GameLogRequestFits(r))
    outcome.refusal = input.kind == kGameLogKindSerial ? "invalid serial number" : "invalid codename specified";
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

bool GameLogRequestFits(const GameLogRequest& r) {
  return RelayRequestFits(1 + 1 + WireStringBytes(r.charName) + WireStringBytes(r.beginTime) +
                          WireStringBytes(r.endTime) + WireStringBytes(r.itemCodeName) + (r.hasMaxRows ? 4 : 0));
}

void WriteGameLogRequest(CMsg* msg, const GameLogRequest& r) {
  WriteRelayHead(msg, RelayHead{r.serviceId, kMsgGameLogQuery});
  WriteU8(msg, r.kind);
  WriteU8(msg, r.option);
  WriteString(msg, r.charName);
  WriteString(msg, r.beginTime);
  WriteString(msg, r.endTime);
  WriteString(msg, r.itemCodeName);
  if (r.hasMaxRows) WriteU32(msg, r.maxRows);
}

bool ReadGameLogRequest(CMsg* msg, GameLogRequest* r) {
  return ReadWholeRequest(msg, [&] {
    r->kind = ReadU8(msg);
    r->option = ReadU8(msg);
    r->charName = ReadString(msg);
    r->beginTime = ReadString(msg);
    r->endTime = ReadString(msg);
    r->itemCodeName = ReadString(msg);
    r->hasMaxRows = Remaining(msg) == 4;
    if (r->hasMaxRows) r->maxRows = ReadU32(msg);
  });
}

bool SendGameLogRequest(const GameLogRequest& request) {
  return SendConsoleMsg(kMsgRelay, WriteGameLogRequest, request);
}

bool SendGameLogQuery(const GameLogRequest& request) {
  if (!GameLogRequestFits(request)) {
    LogOutput(kLogDataError, "^2game log query not sent: too long for one request");
    return false;
  }
  if (SendGameLogRequest(request)) return true;
  LogOutput(kLogDataError, "^2game log query not sent: no console messenger");
  return false;
}

bool DurationBegin(int days, int64_t now, int64_t* begin) {
  const int64_t start = now - static_cast<int64_t>(days) * 86400;
  if (days < 0 || start < 0) {
    LogOutput(kLogRefusal, "please type days");
    return false;
  }
  *begin = start;
  return true;
}
