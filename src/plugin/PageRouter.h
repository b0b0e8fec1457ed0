#pragma once
// Offers an incoming message to pages in order until one takes it. Each page follows
// the routing contract: Dispatch(msg, massive) answers true when it took the message.
#include <cstdint>
#include <exception>
#include <new>

#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "msg/MsgException.h"

// The data-error line for an answer whose handler stopped on an exception.
void ReportCutShortAnswer(uint16_t id, const char* what);

// An answer handler that reads past the end of an answer keeps the rows it read; its
// page took the message, and nothing propagates towards the console.
template <class... Pages>
bool RouteToPages(CMsg* msg, CMassiveMsg* massive, Pages&... pages) {
  uint16_t id = msg ? GetID(msg) : massive ? GetID(massive) : 0;
  try {
    return (pages.Dispatch(msg, massive) || ...);
  } catch (const CInternalException& e) {
    ReportCutShortAnswer(id, e.GetName());
  } catch (const std::bad_alloc&) {
    ReportCutShortAnswer(id, "out of memory");
  } catch (const std::exception& e) {
    ReportCutShortAnswer(id, e.what());
  }
  return true;
}
