#pragma once
// A page's table of answer handlers, one slot per message identifier 0 to 65534
// (65535 has no slot and is never handled). The main window offers every incoming
// message to the pages in tab order; a page takes it when it has a handler for its
// identifier.
#include <cstdint>
#include <vector>

#include "msg/MassiveMsg.h"
#include "msg/Msg.h"

enum : uint32_t { kAnswerIds = 65535 };

template <class Page>
class CAnswerTable {
 public:
  typedef void (Page::*Handler)(CMsg* msg, CMassiveMsg* massive);

  CAnswerTable() : m_handlers(kAnswerIds, nullptr) {}

  void Set(uint16_t id, Handler handler) {
    if (id < kAnswerIds) m_handlers[id] = handler;
  }

  // True when the page took the message (both pointers null counts as taken).
  // A handler that reads past an answer's end throws; the caller catches it.
  bool Dispatch(Page* page, CMsg* msg, CMassiveMsg* massive) const {
    if (!msg && !massive) return true;
    uint16_t id = msg ? GetID(msg) : GetID(massive);
    if (id >= kAnswerIds || !m_handlers[id]) return false;
    (page->*m_handlers[id])(msg, massive);
    return true;
  }

 private:
  std::vector<Handler> m_handlers;
};
