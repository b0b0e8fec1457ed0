#pragma once
// What the siege and server event pages share around the relay log core: "Query" reads
// the same pickers and boxes, "Query More" and an answer set the button the same way,
// and the copy takes every column. Each page keeps its own controls, set-up and the
// session call of "Query More" (SendQueryMore), which differs.
#include <windows.h>

#include <array>
#include <string>

#include "base/ListRow.h"
#include "opslog/RelayLogSession.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/ListPage.h"
#include "ui/ListView.h"

// The ids of the controls the shared handlers read and set.
struct RelayPageControls {
  int beginDate, beginTime, endDate, endTime;
  int queryMore;
};

template <class Page, class Row, size_t Columns>
class CRelayLogPage : public CListPage<Page> {
 public:
  typedef std::array<std::string, Columns> (*CellsOf)(const Row& row);

  const RelayLogSession& Session() const { return m_session; }

 protected:
  CRelayLogPage(const RelayLogKind& kind, const RelayPageControls& controls, CellsOf cellsOf)
      : m_session(kind), m_controls(controls), m_cellsOf(cellsOf) {}

  LRESULT OnQuery(WPARAM, LPARAM) {
    this->EnableItem(m_controls.queryMore, false);
    DeleteAllRows(this->m_hList);
    RelayLogQueryInput input;
    input.beginText = GetDateTimeText(this->GetItem(m_controls.beginDate), this->GetItem(m_controls.beginTime));
    input.endText = GetDateTimeText(this->GetItem(m_controls.endDate), this->GetItem(m_controls.endTime));
    input.categoryData = ComboGetSelData(m_hCategory);
    input.shardData = ComboGetSelData(m_hShard);
    input.targetData = ComboGetSelData(m_hTarget);
    m_session.Query(input);
    return 0;
  }

  // The page's own session call is its SendQueryMore.
  LRESULT OnQueryMore(WPARAM, LPARAM) {
    // While an answer is awaited the button is already disabled: every query disables
    // it and only an answer enables it.
    this->EnableItem(m_controls.queryMore, false);
    // A cursor too long to send leaves the button as it was: nothing is awaited.
    if (static_cast<Page*>(this)->SendQueryMore() == RequestOutcome::kTooLong)
      this->EnableItem(m_controls.queryMore, true);
    return 0;
  }

  void OnAnswer(CMsg*, CMassiveMsg* massive) {
    RelayLogAnswer<Row> answer = m_session.OnAnswer(massive);
    // Every row has item data 0: the row colour is 0.
    this->AppendRows(ListRowsOf(answer.rows, m_cellsOf));
    // A failed query leaves the list and the button as they were.
    if (!answer.failed) this->EnableItem(m_controls.queryMore, answer.MoreRows());
  }

  LRESULT OnCopyToClipboard(WPARAM, LPARAM) {
    this->CopyListAndReport(static_cast<int>(Columns));
    return 0;
  }

  HWND m_hShard = nullptr;
  HWND m_hTarget = nullptr;  // the fortress or the server event
  HWND m_hCategory = nullptr;
  RelayLogSessionOf<Row> m_session;

 private:
  RelayPageControls m_controls;
  CellsOf m_cellsOf;
};
