#pragma once
// A page's table of answer handlers by message identifier, 0 to 65534 (65535 is never
// handled). The main window offers every incoming message to the pages in tab order; a
// page takes it when it has a handler for its identifier. A page handles two or three
// identifiers, so the table holds only those, sorted, rather than a slot for each.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "msg/MassiveMsg.h"
#include "msg/Msg.h"

enum : uint32_t { kAnswerIds = 65535 };

template <class Page>
class CAnswerTable {
 public:
  typedef void (Page::*Handler)(CMsg* msg, CMassiveMsg* massive);

  // Sets or replaces the identifier's handler; a null handler handles nothing.
  void Set(uint16_t id, Handler handler) {
    if (id >= kAnswerIds) return;
    const size_t at = Position(id);
    if (at < m_entries.size() && m_entries[at].id == id) m_entries[at].handler = handler;
    else m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(at), Entry{id, handler});
  }

  // True when the page took the message (both pointers null counts as taken).
  // A handler that reads past an answer's end throws; the caller catches it.
  bool Dispatch(Page* page, CMsg* msg, CMassiveMsg* massive) const {
    if (!msg && !massive) return true;
    const uint16_t id = msg ? GetID(msg) : GetID(massive);
    const size_t at = Position(id);
    if (at == m_entries.size() || m_entries[at].id != id || !m_entries[at].handler) return false;
    (page->*m_entries[at].handler)(msg, massive);
    return true;
  }

 private:
  struct Entry {
    uint16_t id;
    Handler handler;
  };
  // Where the identifier's entry is, or would go.
  size_t Position(uint16_t id) const {
    auto at = std::lower_bound(m_entries.begin(), m_entries.end(), id,
                               [](const Entry& e, uint16_t key) { return e.id < key; });
    return static_cast<size_t>(at - m_entries.begin());
  }

  std::vector<Entry> m_entries;  // by identifier
};
