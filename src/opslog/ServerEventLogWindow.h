#pragma once
// The "ServerEvent Log" tab: the log of one timed server event on a shard over a time
// span, by category, paged with "Query More". Cells show their texts as they are (no
// colour drawing). The page only moves values between its controls and the query state;
// the request, the answer and the 5-second expiry live in the portable relay log core,
// the texts in ServerEventTexts.
#include <windows.h>

#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "opslog/RelayLogSession.h"
#include "opslog/ServerEventLogRecord.h"
#include "ui/ListPage.h"

class CServerEventLogWindow : public CListPage<CServerEventLogWindow> {
 public:
  ~CServerEventLogWindow() override;

  // Builds the page from its template as a child of the tab strip. Without reference
  // data the page is not built: it reports that, leaves no window and answers false.
  bool Create(HINSTANCE instance, HWND parent);

  const RelayLogSession& Session() const { return m_session; }

 private:
  LRESULT OnQuery(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryMore(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyToClipboard(WPARAM wParam, LPARAM lParam);
  void OnServerEventLogAnswer(CMsg* msg, CMassiveMsg* massive);

  void FillCategories();

  HWND m_hShard = nullptr;
  HWND m_hEvent = nullptr;
  HWND m_hCategory = nullptr;
  RelayLogSessionOf<ServerEventLogRow> m_session{kServerEventLog};
};
