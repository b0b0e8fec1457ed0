#pragma once
// Offers an incoming message to pages in order until one takes it. Each page follows
// the routing contract: Dispatch(msg, massive) answers true when it took the message.
#include <cstdint>

#include "base/ExceptionGuard.h"
#include "msg/MassiveMsg.h"
#include "msg/Msg.h"

// An answer handler that reads past the end of an answer keeps the rows it read; its
// page took the message, a data-error line names the answer, and nothing propagates
// towards the console.
template <class... Pages>
bool RouteToPages(CMsg* msg, CMassiveMsg* massive, Pages&... pages) {
  uint16_t id = msg ? GetID(msg) : massive ? GetID(massive) : 0;
  auto subject = [id](char* out, size_t size) { FormatBounded(out, size, "answer 0x%04X cut short", id); };
  return Guarded(kLogDataError, subject, true, [&] { return (pages.Dispatch(msg, massive) || ...); });
}
