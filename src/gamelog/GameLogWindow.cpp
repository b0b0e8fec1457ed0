#include "gamelog/GameLogWindow.h"

#include "resources/resource.h"
#include "ui/Layout.h"

CGameLogWindow::~CGameLogWindow() = default;

bool CGameLogWindow::Create(HINSTANCE instance, HWND parent) {
  if (!CreateModeless(IDD_GAMELOG, parent, instance)) return false;
  AddMessageHandler(WM_SIZE, &CGameLogWindow::OnSize);
  AddLayout(this, GetItem(IDC_GAMELOG_LIST), kAnchorAll);
  AddLayout(this, GetItem(IDC_GAMELOG_QUERY_MORE), kAnchorBottomLeft);
  return true;
}

bool CGameLogWindow::Dispatch(CMsg* msg, CMassiveMsg* massive) { return m_answers.Dispatch(this, msg, massive); }

// The page keeps nothing from answers until its queries are built.
void CGameLogWindow::ClearGameLog() {}

LRESULT CGameLogWindow::OnSize(WPARAM, LPARAM) {
  ApplyLayout(this);
  return 0;
}
