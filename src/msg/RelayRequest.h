#pragma once
// Requests for a shard's servers travel as relay request 0x7203 through the console. Its
// payload opens with the relay head: the shard's manager service identifier (u16) and
// the inner request identifier (u16); the inner request's fields follow.
#include <cstdint>

#include "msg/Msg.h"

struct RelayHead {
  uint16_t serviceId = 0;
  uint16_t innerId = 0;
};

// Whether the relay head and inner fields of this many bytes fit one record. A request
// that does not is refused whole: cut, it would ask the server for something else.
inline bool RelayRequestFits(size_t innerBytes) {
  return 4 + innerBytes <= static_cast<size_t>(kMsgCapacity - kMsgHeaderSize);
}

// What became of a request the operator asked for.
enum class RequestOutcome { kSent, kRefused, kTooLong };

void WriteRelayHead(CMsg* msg, const RelayHead& head);
// The stand-in console's side: throws CMsgException when the record is too short.
RelayHead ReadRelayHead(CMsg* msg);
