#include "opslog/RelayLogRequest.h"

#include "base/ByteOrder.h"
#include "msg/Console.h"
#include "msg/MsgIds.h"
#include "msg/RelayRequest.h"

bool RelayLogRequestFits(const RelayLogRequest& request) {
  size_t startLog = request.kind->startLogField ? 4 : 0;
  return RelayRequestFits(startLog + 4 + 1 + WireStringBytes(request.begin) + WireStringBytes(request.end));
}

void WriteRelayLogRequest(CMsg* msg, const RelayLogRequest& request) {
  WriteRelayHead(msg, {request.serviceId, request.kind->innerId});
  if (request.kind->startLogField) WriteU32(msg, request.startLog);
  WriteU32(msg, request.target);
  WriteU8(msg, request.category);
  WriteString(msg, request.begin);
  WriteString(msg, request.end);
}

bool ReadRelayLogRequest(CMsg* msg, const RelayLogKind& kind, RelayLogRequest* r) {
  r->kind = &kind;
  try {
    uint8_t word[4];
    if (kind.startLogField) {
      ReadBytes(msg, word, 4);
      r->startLog = LoadLE32(word);
    }
    ReadBytes(msg, word, 4);
    r->target = LoadLE32(word);
    ReadBytes(msg, &r->category, 1);
    r->begin = ReadString(msg);
    r->end = ReadString(msg);
  } catch (const CMsgException&) {
    return false;
  }
  return Remaining(msg) == 0;
}

bool SendRelayLogRequest(const RelayLogRequest& request) {
  return SendConsoleMsg(kMsgRelay, WriteRelayLogRequest, request);
}
