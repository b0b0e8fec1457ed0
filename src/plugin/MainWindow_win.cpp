#include "plugin/MainWindow_win.h"

#include "msg/Console.h"
#include "plugin/PageRouter.h"
#include "plugin/TabCaptions.h"

namespace {
const char kMainClass[] = "KV_UserLog";
}

CMainWindow::~CMainWindow() {
  // Teardown order: the whole window tree goes while the strip and page objects (members,
  // destroyed after this body) can still take their last messages; then the objects.
  DestroyWindows();
}

void CMainWindow::DestroyWindows() {
  if (m_hWnd) DestroyWindow(m_hWnd);
}

bool CMainWindow::Create(HINSTANCE instance, HWND parent) {
  // The console calls the entry once; a repeated call keeps the window it already has.
  if (m_hWnd) return false;
  if (!RegisterWindowClass(instance, kMainClass, nullptr)) return false;
  CreateArgs args;
  args.exStyle = WS_EX_CLIENTEDGE;
  args.className = kMainClass;
  args.title = kMainClass;
  args.style = WS_VISIBLE | WS_CHILD;
  args.width = 10;
  args.height = 10;
  args.parent = parent;
  args.instance = instance;
  if (!CreateWindowObject(args)) return false;
  AddMessageHandler(WM_SIZE, &CMainWindow::OnSize);
  AddMessageHandler(WM_ERASEBKGND, &CMainWindow::OnEraseBkgnd);

  if (!m_tabs.Create(instance, m_hWnd)) return false;
  m_tabs.SetColors(GetSysColor(COLOR_3DFACE));

  HWND strip = m_tabs.GetHwnd();
  if (!m_kdLog.Create(instance, strip)) return false;
  if (!m_gameLog.Create(instance, strip)) return false;
  const std::vector<std::string> captions = TabCaptions(FirstWorldName());
  m_tabs.AddTab(captions[0].c_str(), m_kdLog.GetHwnd());
  m_tabs.AddTab(captions[1].c_str(), m_gameLog.GetHwnd());
  // Ctrl+S offers to save a list under its tab's caption.
  m_kdLog.SetListName(captions[0]);
  m_gameLog.SetListName(captions[1]);
  m_siegeLog.SetListName(captions[2]);
  m_serverEventLog.SetListName(captions[3]);

  if (!m_siegeLog.Create(instance, strip)) return false;
  m_tabs.AddTab(captions[2].c_str(), m_siegeLog.GetHwnd());
  if (!m_serverEventLog.Create(instance, strip)) return false;
  m_tabs.AddTab(captions[3].c_str(), m_serverEventLog.GetHwnd());

  Show(SW_SHOW);
  Update();
  return true;
}

bool CMainWindow::Route(CMsg* msg, CMassiveMsg* massive) {
  return RouteToPages(msg, massive, m_kdLog, m_gameLog, m_siegeLog, m_serverEventLog);
}

LRESULT CMainWindow::OnSize(WPARAM, LPARAM lParam) {
  if (m_tabs.GetHwnd()) MoveWindow(m_tabs.GetHwnd(), 0, 0, LOWORD(lParam), HIWORD(lParam), FALSE);
  return 0;
}

LRESULT CMainWindow::OnEraseBkgnd(WPARAM, LPARAM) { return 1; }
