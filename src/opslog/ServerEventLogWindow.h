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
#include "ui/AnswerTable.h"
#include "ui/Win32Dialog.h"

class CServerEventLogWindow : public CWin32Dialog {
 public:
  ~CServerEventLogWindow() override;

  // Builds the page from its template as a child of the tab strip. Without reference
  // data the page is not built: it reports that, leaves no window and answers false.
  bool Create(HINSTANCE instance, HWND parent);
  // The page routing contract of the main window.
  bool Dispatch(CMsg* msg, CMassiveMsg* massive);

  const RelayLogSession& Session() const { return m_session; }

 private:
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnQuery(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryMore(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyToClipboard(WPARAM wParam, LPARAM lParam);
  void OnServerEventLogAnswer(CMsg* msg, CMassiveMsg* massive);

  void SetUpList();
  void ListRows(const RelayLogAnswer<ServerEventLogRow>& answer);

  CAnswerTable<CServerEventLogWindow> m_answers;
  HWND m_hList = nullptr;
  HWND m_hShard = nullptr;
  HWND m_hEvent = nullptr;
  HWND m_hCategory = nullptr;
  RelayLogSessionOf<ServerEventLogRow> m_session{kServerEventLog};
};
