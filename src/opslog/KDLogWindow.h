#pragma once
// The "Kaldera" tab: the console operators' own log.
#include <windows.h>

#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "ui/AnswerTable.h"
#include "ui/Win32Dialog.h"

class CKDLogWindow : public CWin32Dialog {
 public:
  ~CKDLogWindow() override;

  // Builds the page from its template as a child of the tab strip.
  bool Create(HINSTANCE instance, HWND parent);
  // The page routing contract of the main window.
  bool Dispatch(CMsg* msg, CMassiveMsg* massive);

 private:
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);

  CAnswerTable<CKDLogWindow> m_answers;
};
