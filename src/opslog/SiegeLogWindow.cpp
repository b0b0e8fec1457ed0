#include "opslog/SiegeLogWindow.h"

#include "resources/resource.h"
#include "ui/Layout.h"

CSiegeLogWindow::~CSiegeLogWindow() = default;

bool CSiegeLogWindow::Create(HINSTANCE instance, HWND parent) {
  if (!CreateModeless(IDD_SIEGELOG, parent, instance)) return false;
  AddMessageHandler(WM_SIZE, &CSiegeLogWindow::OnSize);
  AddLayout(this, GetItem(IDC_SIEGE_LIST), kAnchorAll);
  return true;
}

bool CSiegeLogWindow::Dispatch(CMsg* msg, CMassiveMsg* massive) { return m_answers.Dispatch(this, msg, massive); }

LRESULT CSiegeLogWindow::OnSize(WPARAM, LPARAM) {
  ApplyLayout(this);
  return 0;
}
