#include "opslog/KDLogWindow.h"

#include "resources/resource.h"
#include "ui/Layout.h"

CKDLogWindow::~CKDLogWindow() = default;

bool CKDLogWindow::Create(HINSTANCE instance, HWND parent) {
  if (!CreateModeless(IDD_KDLOG, parent, instance)) return false;
  AddMessageHandler(WM_SIZE, &CKDLogWindow::OnSize);
  AddLayout(this, GetItem(IDC_KDLOG_LIST), kAnchorAll);
  return true;
}

bool CKDLogWindow::Dispatch(CMsg* msg, CMassiveMsg* massive) { return m_answers.Dispatch(this, msg, massive); }

LRESULT CKDLogWindow::OnSize(WPARAM, LPARAM) {
  ApplyLayout(this);
  return 0;
}
