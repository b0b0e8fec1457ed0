#include "msg/RelayRequest.h"

#include "base/ByteOrder.h"

void WriteRelayHead(CMsg* msg, const RelayHead& head) {
  WriteU16(msg, head.serviceId);
  WriteU16(msg, head.innerId);
}

RelayHead ReadRelayHead(CMsg* msg) {
  uint8_t b[4];
  ReadBytes(msg, b, 4);
  RelayHead head;
  head.serviceId = LoadLE16(b);
  head.innerId = LoadLE16(b + 2);
  return head;
}
