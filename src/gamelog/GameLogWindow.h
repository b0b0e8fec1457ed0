#pragma once
// The "Korvath Online - <world>" tab: the game log of one character or item on a shard.
#include <windows.h>

#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "ui/AnswerTable.h"
#include "ui/Win32Dialog.h"

class CGameLogWindow : public CWin32Dialog {
 public:
  ~CGameLogWindow() override;

  // Builds the page from its template as a child of the tab strip.
  bool Create(HINSTANCE instance, HWND parent);
  // The page routing contract of the main window.
  bool Dispatch(CMsg* msg, CMassiveMsg* massive);
  // Drops what the page keeps from its answers (asked for by the console).
  void ClearGameLog();

 private:
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);

  CAnswerTable<CGameLogWindow> m_answers;
};
