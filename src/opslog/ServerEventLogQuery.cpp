#include "opslog/ServerEventLogQuery.h"

#include "base/Format.h"
#include "msg/Console.h"
#include "msg/MsgIds.h"
#include "msg/RelayRequest.h"

const LogChoice kServerEventCategories[4] = {
    {"Start And End", 0},
    {"Completion", 1},
    {"Reward", 2},
    {"All", 255},
};

void WriteServerEventLogRequest(CMsg* msg, const ServerEventLogRequest& request) {
  WriteRelayHead(msg, {request.serviceId, kMsgServerEventQuery});
  WriteU32(msg, request.startLog);
  WriteU32(msg, request.eventId);
  WriteU8(msg, request.category);
  WriteString(msg, request.begin.substr(0, kCaptionChars - 1));
  WriteString(msg, request.end.substr(0, kCaptionChars - 1));
}

bool SendServerEventLogRequest(const ServerEventLogRequest& request) {
  IKDMessenger* messenger = Console().messenger;
  if (!messenger) return false;
  CMsg* msg = messenger->AllocMsg(kMsgRelay);
  if (!msg) return false;
  WriteServerEventLogRequest(msg, request);
  messenger->SendMsg(msg);
  return true;
}
