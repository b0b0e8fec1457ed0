#include "opslog/RelayLogRequest.h"

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
  return ReadWholeRequest(msg, [&] {
    if (kind.startLogField) r->startLog = ReadU32(msg);
    r->target = ReadU32(msg);
    r->category = ReadU8(msg);
    r->begin = ReadString(msg);
    r->end = ReadString(msg);
  });
}

bool SendRelayLogRequest(const RelayLogRequest& request) {
  return SendConsoleMsg(kMsgRelay, WriteRelayLogRequest, request);
}
