#pragma once
// The module's top window, a child of the console's window: the tab strip filling its
// client area and the four pages, which it offers every incoming message to.
#include <windows.h>

#include "gamelog/GameLogWindow_win.h"
#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "opslog/KDLogWindow_win.h"
#include "opslog/ServerEventLogWindow_win.h"
#include "opslog/SiegeLogWindow_win.h"
#include "plugin/TabWindow_win.h"
#include "ui/WindowBase_win.h"

class CMainWindow : public CWindowBase {
 public:
  ~CMainWindow() override;

  bool Create(HINSTANCE instance, HWND parent);
  // Offers the message to the pages in tab order; true when one took it.
  bool Route(CMsg* msg, CMassiveMsg* massive);
  // The console's clear reaches the game log page through here.
  void ClearGameLog() { m_gameLog.ClearGameLog(); }
  // Destroys the window tree while every window object is whole.
  void DestroyWindows();

  CTabWindow& Tabs() { return m_tabs; }
  CKDLogWindow& KDLog() { return m_kdLog; }
  CGameLogWindow& GameLog() { return m_gameLog; }
  CSiegeLogWindow& SiegeLog() { return m_siegeLog; }
  CServerEventLogWindow& ServerEventLog() { return m_serverEventLog; }

 private:
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);

  CTabWindow m_tabs;
  CKDLogWindow m_kdLog;
  CGameLogWindow m_gameLog;
  CSiegeLogWindow m_siegeLog;
  CServerEventLogWindow m_serverEventLog;
};
