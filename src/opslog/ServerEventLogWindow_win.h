#pragma once
// The "ServerEvent Log" tab: the log of one timed server event on a shard over a time
// span, by category, paged with "Query More". Cells show their texts as they are (no
// colour drawing). The page only moves values between its controls and the query state;
// the request, the answer and the 5-second expiry live in the portable relay log core,
// the texts in ServerEventTexts.
#include <windows.h>

#include "opslog/RelayLogPage_win.h"
#include "opslog/ServerEventLogRecord.h"

class CServerEventLogWindow : public CRelayLogPage {
 public:
  CServerEventLogWindow();
  ~CServerEventLogWindow() override;

  // Builds the page from its template as a child of the tab strip. Without reference
  // data the page is not built: it reports that, leaves no window and answers false.
  bool Create(HINSTANCE instance, HWND parent);

 private:
  RelayListedAnswer ListAnswer(CMassiveMsg* massive) override;

  RelayLogSessionOf<ServerEventLogRow> m_log;
};
