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
#include "ui/AnswerTable.h"
#include "ui/Win32Dialog.h"

class CSiegeLogWindow : public CWin32Dialog {
 public:
  ~CSiegeLogWindow() override;

  // Builds the page from its template as a child of the tab strip. Without reference
  // data the fortress list stays empty and the page is built all the same.
  bool Create(HINSTANCE instance, HWND parent);
  // The page routing contract of the main window.
  bool Dispatch(CMsg* msg, CMassiveMsg* massive);

  const RelayLogSession& Session() const { return m_session; }

 private:
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
  LRESULT OnQuery(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryMore(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyToClipboard(WPARAM wParam, LPARAM lParam);
  void OnSiegeLogAnswer(CMsg* msg, CMassiveMsg* massive);

  void FillChoices();
  void SetUpList();
  void ListRows(const RelayLogAnswer<SiegeLogRow>& answer);

  CAnswerTable<CSiegeLogWindow> m_answers;
  HWND m_hList = nullptr;
  HWND m_hShard = nullptr;
  HWND m_hFortress = nullptr;
  HWND m_hCategory = nullptr;
  RelayLogSessionOf<SiegeLogRow> m_session{kSiegeLog};
};
