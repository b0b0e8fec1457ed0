#include "opslog/ServerEventLogQuery.h"

#include "base/ByteOrder.h"
#include "msg/Console.h"
#include "msg/MsgIds.h"
#include "msg/RelayRequest.h"

const LogChoice kServerEventCategories[4] = {
    {"Start And End", 0},
    {"Completion", 1},
    {"Reward", 2},
    {"All", 255},
};

bool ServerEventLogRequestFits(const ServerEventLogRequest& request) {
  return RelayRequestFits(4 + 4 + 1 + WireStringBytes(request.begin) + WireStringBytes(request.end));
}

void WriteServerEventLogRequest(CMsg* msg, const ServerEventLogRequest& request) {
  WriteRelayHead(msg, {request.serviceId, kMsgServerEventQuery});
  WriteU32(msg, request.startLog);
  WriteU32(msg, request.eventId);
  WriteU8(msg, request.category);
  WriteString(msg, request.begin);
  WriteString(msg, request.end);
}

bool ReadServerEventLogRequest(CMsg* msg, ServerEventLogRequest* r) {
  try {
    uint8_t words[8];
    ReadBytes(msg, words, 8);
    r->startLog = LoadLE32(words);
    r->eventId = LoadLE32(words + 4);
    ReadBytes(msg, &r->category, 1);
    r->begin = ReadString(msg);
    r->end = ReadString(msg);
  } catch (const CMsgException&) {
    return false;
  }
  return Remaining(msg) == 0;
}

bool SendServerEventLogRequest(const ServerEventLogRequest& request) {
  return SendConsoleMsg(kMsgRelay, WriteServerEventLogRequest, request);
}
