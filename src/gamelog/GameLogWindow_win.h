#pragma once
// The "Korvath Online - <world>" tab: the game log of one character or item on a shard.
// The page only moves values between its controls and the session; building requests,
// reading answers and every decision about them live in GameLogSession.
#include <windows.h>

#include <cstdint>

#include "gamelog/GameLogSession.h"
#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "refdata/KV_GameRefData.h"
#include "ui/ListPage_win.h"

class CGameLogWindow : public CListPage<CGameLogWindow> {
 public:
  CGameLogWindow();
  ~CGameLogWindow() override;

  // Builds the page from its template as a child of the tab strip and loads the page's
  // own reference data; false when either fails.
  bool Create(HINSTANCE instance, HWND parent);
  // Drops the serials of the listed item rows and the reference texts (asked for by
  // the console); the rows stay.
  void ClearGameLog();

  const GameLogSession& Session() const { return m_session; }

 private:
  LRESULT OnRowRightClick(WPARAM wParam, LPARAM lParam);
  LRESULT OnNewQuery(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryMore(WPARAM wParam, LPARAM lParam);
  LRESULT OnSetDuration(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyToClipboard(WPARAM wParam, LPARAM lParam);
  LRESULT OnCategoryChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryOptionChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnShowHistoryBySerial(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopySerial(WPARAM wParam, LPARAM lParam);
  void OnGameLogResult(CMsg* msg, CMassiveMsg* massive);
  void OnRelayAnswer(CMsg* msg, CMassiveMsg* massive);

  GameLogQueryInput ReadInput();
  const KDShardRecord* SelectedShard();
  void ApplyColumns(const GameLogColumnSteps& steps);
  void ShowRowMenu();
  void ShowHistory(const GameLogAnswerSteps& steps);

  HWND m_hCategory = nullptr;
  HWND m_hOption = nullptr;
  CGameRefData m_refData;
  bool m_refDataLoaded = false;
  GameLogSession m_session;
  // The serial of the row the menu was shown for; its commands 1 and 2 are also the
  // dialog manager's OK and Cancel, so they act only after a menu was shown.
  int64_t m_menuSerial = 0;
  bool m_menuShown = false;
};
