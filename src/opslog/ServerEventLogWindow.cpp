#include "opslog/ServerEventLogWindow.h"

#include "resources/resource.h"
#include "ui/Layout.h"

CServerEventLogWindow::~CServerEventLogWindow() = default;

bool CServerEventLogWindow::Create(HINSTANCE instance, HWND parent) {
  if (!CreateModeless(IDD_SERVEREVENTLOG, parent, instance)) return false;
  AddMessageHandler(WM_SIZE, &CServerEventLogWindow::OnSize);
  AddLayout(this, GetItem(IDC_EVENT_LIST), kAnchorAll);
  return true;
}

bool CServerEventLogWindow::Dispatch(CMsg* msg, CMassiveMsg* massive) { return m_answers.Dispatch(this, msg, massive); }

LRESULT CServerEventLogWindow::OnSize(WPARAM, LPARAM) {
  ApplyLayout(this);
  return 0;
}
