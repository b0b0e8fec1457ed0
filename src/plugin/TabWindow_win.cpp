#include "plugin/TabWindow_win.h"

#include <windowsx.h>

namespace {

const char kTabClass[] = "KDCTabWindow";

int CaptionWidth(HDC dc, const std::string& caption) {
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  return size.cx;
}

}  // namespace

CTabWindow::CTabWindow() : m_selectedColour(RGB(255, 255, 0)), m_otherColour(GetSysColor(COLOR_3DFACE)) {}

CTabWindow::~CTabWindow() {
  // Teardown order: the window first (it still paints from the surface), then the
  // surface and the font (members, after this body).
  DetachAndDestroy();
}

bool CTabWindow::Create(HINSTANCE instance, HWND parent) {
  // A strip built again after its window went starts empty: the old tabs name dead pages.
  m_tabs.clear();
  m_selected = -1;
  m_rows = 1;
  m_surface.Release();
  if (!RegisterWindowClass(instance, kTabClass, LoadCursor(nullptr, IDC_ARROW))) return false;
  RECT client = {0, 0, 0, 0};
  if (parent) ::GetClientRect(parent, &client);
  CreateArgs args;
  args.className = kTabClass;
  args.title = kTabClass;
  args.style = WS_CHILD | WS_VISIBLE;
  args.width = client.right;
  args.height = client.bottom;
  args.parent = parent;
  args.instance = instance;
  if (!CreateWindowObject(args)) return false;

  AddMessageHandler(WM_PAINT, &CTabWindow::OnPaint);
  AddMessageHandler(WM_PRINTCLIENT, &CTabWindow::OnPrintClient);
  AddMessageHandler(WM_SIZE, &CTabWindow::OnSize);
  AddMessageHandler(WM_LBUTTONDOWN, &CTabWindow::OnLButtonDown);
  AddMessageHandler(WM_ERASEBKGND, &CTabWindow::OnEraseBkgnd);

  m_surface.Create(m_hWnd);
  if (!m_font) {
    WindowDC screen(m_hWnd);
    m_font.Reset(CreateFontA(TabFontHeight(m_fontPoints, GetDeviceCaps(screen.Get(), LOGPIXELSY)), 0, 0, 0,
                             FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, m_fontFace.c_str()));
  }
  ResizeSurface(m_rows);
  return true;
}

void CTabWindow::ResizeSurface(int rows) {
  SIZE wanted = {GetSystemMetrics(SM_CXSCREEN), rows * kTabRowHeight};
  SIZE have = m_surface.Size();
  if (m_surface.HasBitmap() && wanted.cx == have.cx && wanted.cy == have.cy) return;
  m_surface.Resize(m_hWnd, wanted.cx, wanted.cy);
}

bool CTabWindow::AddTab(const char* caption, HWND page) {
  m_tabs.push_back(TabEntry{RECT{0, 0, 0, 0}, caption ? caption : "", RGB(0, 0, 0), page});
  if (page) SetParent(page, m_hWnd);
  m_selected = -1;
  LayoutTabs();
  Redraw();
  return true;
}

void CTabWindow::SetColors(COLORREF other) {
  m_selectedColour = RGB(0, 255, 255);
  m_otherColour = other;
}

void CTabWindow::LayoutTabs() {
  if (!m_hWnd) return;
  RECT client = GetClientRect();

  std::vector<int> widths;
  {
    GdiSelection font(m_surface.DC(), m_font.Get());
    for (const TabEntry& tab : m_tabs) widths.push_back(CaptionWidth(m_surface.DC(), tab.caption));
  }

  std::vector<TabBox> boxes;
  m_rows = LayoutTabRows(widths, client.right, boxes);
  for (size_t i = 0; i < m_tabs.size(); ++i)
    m_tabs[i].rect = RECT{boxes[i].left, boxes[i].top, boxes[i].right, boxes[i].bottom};
  ResizeSurface(m_rows);

  int stripHeight = m_rows * kTabRowHeight;
  for (size_t i = 0; i < m_tabs.size(); ++i) {
    HWND page = m_tabs[i].page;
    if (!page) continue;
    MoveWindow(page, 0, stripHeight - 1, client.right, client.bottom - stripHeight + 1, FALSE);
    ShowWindow(page, static_cast<int>(i) == m_selected ? SW_SHOW : SW_HIDE);
  }
  if (m_selected >= 0 && m_tabs[m_selected].page) SetFocus(m_tabs[m_selected].page);
}

void CTabWindow::DrawTab(const TabEntry& tab, bool selected) {
  LONG top = tab.rect.top - (selected ? kTabRaise : 0);
  POINT corners[4] = {{tab.rect.left, top},
                      {tab.rect.left, tab.rect.bottom - 1},
                      {tab.rect.right + 6, tab.rect.bottom - 1},
                      {tab.rect.right - 6, top}};
  HDC dc = m_surface.DC();
  {
    GdiBrush brush(CreateSolidBrush(selected ? m_selectedColour : m_otherColour));
    GdiPen pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    GdiSelection useBrush(dc, brush.Get());
    GdiSelection usePen(dc, pen.Get());
    Polygon(dc, corners, 4);
  }

  SetTextColor(dc, tab.captionColour);
  SetBkMode(dc, TRANSPARENT);
  RECT text = {tab.rect.left + 2, top, tab.rect.left + 2 + CaptionWidth(dc, tab.caption), tab.rect.bottom};
  DrawTextA(dc, tab.caption.c_str(), static_cast<int>(tab.caption.size()), &text, DT_SINGLELINE | DT_VCENTER);
}

void CTabWindow::PaintContent(HDC dc) {
  if (!m_surface.HasBitmap()) return;
  HDC surface = m_surface.DC();
  RECT client = GetClientRect();
  int stripHeight = m_rows * kTabRowHeight;

  // Every row gets the face colour, not only the first: rows below would show the
  // previous contents of the surface.
  {
    COLORREF face = GetSysColor(COLOR_3DFACE);
    GdiBrush brush(CreateSolidBrush(face));
    GdiPen pen(CreatePen(PS_SOLID, 1, face));
    GdiSelection useBrush(surface, brush.Get());
    GdiSelection usePen(surface, pen.Get());
    Rectangle(surface, 0, 0, client.right, stripHeight);
  }
  {
    GdiSelection font(surface, m_font.Get());
    for (size_t i = 0; i < m_tabs.size(); ++i)
      if (static_cast<int>(i) != m_selected) DrawTab(m_tabs[i], false);
    if (m_selected >= 0) DrawTab(m_tabs[m_selected], true);
  }
  BitBlt(dc, 0, 0, client.right, stripHeight, surface, 0, 0, SRCCOPY);
}

LRESULT CTabWindow::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(m_hWnd, &ps);
  PaintContent(dc);
  EndPaint(m_hWnd, &ps);
  return 0;
}

LRESULT CTabWindow::OnPrintClient(WPARAM wParam, LPARAM) {
  PaintContent(reinterpret_cast<HDC>(wParam));
  return 0;
}

LRESULT CTabWindow::OnSize(WPARAM, LPARAM) {
  LayoutTabs();
  return 0;
}

LRESULT CTabWindow::OnLButtonDown(WPARAM, LPARAM lParam) {
  POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  for (size_t i = 0; i < m_tabs.size(); ++i) {
    if (PtInRect(&m_tabs[i].rect, pt)) {
      m_selected = static_cast<int>(i);
      LayoutTabs();
      Redraw();
      break;
    }
  }
  return 0;
}

LRESULT CTabWindow::OnEraseBkgnd(WPARAM wParam, LPARAM lParam) {
  if (m_selected >= 0) return 1;
  return DefWindowProcA(m_hWnd, WM_ERASEBKGND, wParam, lParam);
}
