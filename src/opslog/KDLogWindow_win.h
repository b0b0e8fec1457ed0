#pragma once
// The "Kaldera" tab: the console operators' own log, queried by user name or by
// category over a time span. The page only moves values between its controls and the
// query state; building the request and reading the answer live in KDLogSession.
#include <windows.h>

#include <string>
#include <vector>

#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "opslog/KDLogQuery.h"
#include "opslog/KDLogSession.h"
#include "ui/ListPage_win.h"

class CKDLogWindow : public CListPage<CKDLogWindow> {
 public:
  ~CKDLogWindow() override;

  // Builds the page from its template as a child of the tab strip.
  bool Create(HINSTANCE instance, HWND parent);

 private:
  // Ctrl+C copies from the held records, as the copy button does.
  std::string RowsCopyText(const std::vector<int>& rows) override { return m_session.RowsCopyText(rows); }
  LRESULT OnQuery(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyToClipboard(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryByChange(WPARAM wParam, LPARAM lParam);
  void OnKDLogAnswer(CMsg* msg, CMassiveMsg* massive);

  KDLogQueryInput ReadInput();

  HWND m_hQueryBy = nullptr;
  HWND m_hCategory = nullptr;
  KDLogSession m_session;
};
