#pragma once
// What the siege and server event pages share around the relay log core: the whole page
// but its data. "Query" reads the same pickers and boxes, "Query More" and an answer set
// the button the same way, and the copy takes every column. Each page gives its
// template, control ids, columns, categories and targets, and reads its answers through
// its own row type (ListRelayAnswer).
#include <windows.h>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "base/ConstSpan.h"
#include "base/ListColumn.h"
#include "base/ListRow.h"
#include "base/LogChoice.h"
#include "opslog/RelayLogSession.h"
#include "ui/ListPage_win.h"

struct RelayPageSetup {
  WORD templateId = 0;
  ListPageOptions list;  // the list, its drawing, the shard box and the span
  int target = 0;        // the fortress or the server event
  int category = 0;
  int query = 0, queryMore = 0, copy = 0;
  ConstSpan<ListColumn> columns;
  ConstSpan<LogChoice> categories;
  uint32_t allCategories = 0;  // the category selected on a new page
};

// An answer as the page lists it: all but its rows, and its rows' cells.
struct RelayListedAnswer {
  RelayLogHead head;
  std::vector<ListRow> rows;
};

class CRelayLogPage : public CListPage<CRelayLogPage> {
 public:
  const RelayLogSession& Session() const { return m_session; }

 protected:
  CRelayLogPage(RelayLogSession& session, const RelayPageSetup& setup) : m_session(session), m_setup(setup) {}

  // Builds the page from its template as a child of the tab strip, with these targets.
  bool CreateRelayPage(HINSTANCE instance, HWND parent, const std::vector<ChoiceEntry>& targets);

 private:
  // Reads an answer through the page's session, which ends the wait, keeps the cursor
  // and reports the answer; every row has item data 0 (row colour 0).
  virtual RelayListedAnswer ListAnswer(CMassiveMsg* massive) = 0;

  LRESULT OnQuery(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryMore(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyToClipboard(WPARAM wParam, LPARAM lParam);
  void OnAnswer(CMsg* msg, CMassiveMsg* massive);

  RelayLogSession& m_session;  // the derived page's, typed by its rows
  RelayPageSetup m_setup;
};

template <class Row, size_t Columns>
RelayListedAnswer ListRelayAnswer(RelayLogSessionOf<Row>& session, CMassiveMsg* massive,
                                  std::array<std::string, Columns> (*cellsOf)(const Row& row)) {
  RelayLogAnswer<Row> answer = session.OnAnswer(massive);
  return {answer, ListRowsOf(answer.rows, cellsOf)};
}
