#pragma once
// The "Siege Log" tab: the events of one siege fortress on a shard over a time span,
// by category, paged with "Query More" and drawn with their colour marks. The page only
// moves values between its controls and the query state; building the request, reading
// the answer and the row texts live in the portable relay log core and SiegeLogTexts.
#include <windows.h>

#include "opslog/RelayLogPage_win.h"
#include "opslog/SiegeLogRecord.h"

class CSiegeLogWindow : public CRelayLogPage {
 public:
  CSiegeLogWindow();
  ~CSiegeLogWindow() override;

  // Builds the page from its template as a child of the tab strip. Without reference
  // data the fortress list stays empty and the page is built all the same.
  bool Create(HINSTANCE instance, HWND parent);

 private:
  RelayListedAnswer ListAnswer(CMassiveMsg* massive) override;

  RelayLogSessionOf<SiegeLogRow> m_log;
};
