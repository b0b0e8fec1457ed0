#pragma once
// The "ServerEvent Log" tab: the log of one timed server event.
#include <windows.h>

#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "ui/AnswerTable.h"
#include "ui/Win32Dialog.h"

class CServerEventLogWindow : public CWin32Dialog {
 public:
  ~CServerEventLogWindow() override;

  // Builds the page from its template as a child of the tab strip.
  bool Create(HINSTANCE instance, HWND parent);
  // The page routing contract of the main window.
  bool Dispatch(CMsg* msg, CMassiveMsg* massive);

 private:
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);

  CAnswerTable<CServerEventLogWindow> m_answers;
};
