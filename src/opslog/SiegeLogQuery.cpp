#include "opslog/SiegeLogQuery.h"

#include "base/ByteOrder.h"
#include "msg/Console.h"
#include "msg/MsgIds.h"
#include "msg/RelayRequest.h"

const LogChoice kSiegeLogCategories[9] = {
    {"Start And End", 0},
    {"Result Defense And Offense", 1},
    {"Temporary Result Change Owner", 2},
    {"Struct", 3},
    {"Request", 4},
    {"Forge Item", 5},
    {"Object", 6},
    {"Success And Failed Add Reward", 7},
    {"All", kSiegeLogCategoryAll},
};

std::vector<ChoiceEntry> SiegeFortressEntries(const CGameRefData* data) {
  std::vector<ChoiceEntry> entries;
  if (!data) return entries;
  std::vector<const RefSiegeFortress*> fortresses;
  data->GetSiegeFortressList(fortresses);
  for (const RefSiegeFortress* f : fortresses) entries.push_back({f->codeName, static_cast<uint32_t>(f->id)});
  return entries;
}

bool SiegeLogRequestFits(const SiegeLogRequest& request) {
  return RelayRequestFits(4 + 1 + WireStringBytes(request.begin) + WireStringBytes(request.end));
}

void WriteSiegeLogRequest(CMsg* msg, const SiegeLogRequest& request) {
  WriteRelayHead(msg, {request.serviceId, kMsgSiegeLogQuery});
  WriteU32(msg, request.fortress);
  WriteU8(msg, request.category);
  WriteString(msg, request.begin);
  WriteString(msg, request.end);
}

bool ReadSiegeLogRequest(CMsg* msg, SiegeLogRequest* r) {
  try {
    uint8_t fortress[4];
    ReadBytes(msg, fortress, 4);
    r->fortress = LoadLE32(fortress);
    ReadBytes(msg, &r->category, 1);
    r->begin = ReadString(msg);
    r->end = ReadString(msg);
  } catch (const CMsgException&) {
    return false;
  }
  return Remaining(msg) == 0;
}

bool SendSiegeLogRequest(const SiegeLogRequest& request) {
  return SendConsoleMsg(kMsgRelay, WriteSiegeLogRequest, request);
}
