#pragma once
// The "Siege Log" tab: the events of one siege fortress on a shard over a time span,
// by category, paged with "Query More" and drawn with their colour marks. The page only
// moves values between its controls and the query state; building the request, reading
// the answer and the row texts live in the portable relay log core and SiegeLogTexts.
#include <windows.h>

#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "opslog/RelayLogSession.h"
#include "opslog/SiegeLogRecord.h"
#include "ui/ListPage.h"

class CSiegeLogWindow : public CListPage<CSiegeLogWindow> {
 public:
  ~CSiegeLogWindow() override;

  // Builds the page from its template as a child of the tab strip. Without reference
  // data the fortress list stays empty and the page is built all the same.
  bool Create(HINSTANCE instance, HWND parent);

  const RelayLogSession& Session() const { return m_session; }

 private:
  LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
  LRESULT OnQuery(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryMore(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyToClipboard(WPARAM wParam, LPARAM lParam);
  void OnSiegeLogAnswer(CMsg* msg, CMassiveMsg* massive);

  void FillChoices();
  void FillCategories();

  HWND m_hShard = nullptr;
  HWND m_hFortress = nullptr;
  HWND m_hCategory = nullptr;
  RelayLogSessionOf<SiegeLogRow> m_session{kSiegeLog};
};
