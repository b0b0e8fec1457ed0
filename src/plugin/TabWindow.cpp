#include "plugin/TabWindow.h"

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
  // Teardown order: the window first (it still paints from the surface), then the surface.
  DetachAndDestroy();
  ReleaseSurface();
  if (m_font) DeleteObject(m_font);
}

void CTabWindow::ReleaseSurface() {
  if (m_surface) {
    SelectObject(m_surface, m_initialBitmap);
    DeleteDC(m_surface);
    m_surface = nullptr;
  }
  if (m_bitmap) {
    DeleteObject(m_bitmap);
    m_bitmap = nullptr;
  }
  m_surfaceSize = SIZE{0, 0};
}

bool CTabWindow::Create(HINSTANCE instance, HWND parent) {
  // A strip built again after its window went starts empty: the old tabs name dead pages.
  m_tabs.clear();
  m_selected = -1;
  m_rows = 1;
  ReleaseSurface();
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

  HDC screen = GetDC(m_hWnd);
  m_surface = CreateCompatibleDC(screen);
  m_initialBitmap = GetCurrentObject(m_surface, OBJ_BITMAP);
  if (!m_font)
    m_font = CreateFontA(-(m_fontPoints * GetDeviceCaps(screen, LOGPIXELSY) / 72), 0, 0, 0, FW_DONTCARE, FALSE,
                         FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH, m_fontFace.c_str());
  ReleaseDC(m_hWnd, screen);
  ResizeSurface(m_rows);
  return true;
}

void CTabWindow::ResizeSurface(int rows) {
  SIZE wanted = {GetSystemMetrics(SM_CXSCREEN), rows * kTabRowHeight};
  if (!m_surface || (m_bitmap && wanted.cx == m_surfaceSize.cx && wanted.cy == m_surfaceSize.cy)) return;
  HDC screen = GetDC(m_hWnd);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, wanted.cx, wanted.cy);
  ReleaseDC(m_hWnd, screen);
  if (!bitmap) return;
  SelectObject(m_surface, bitmap);
  if (m_bitmap) DeleteObject(m_bitmap);
  m_bitmap = bitmap;
  m_surfaceSize = wanted;
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
  HGDIOBJ oldFont = SelectObject(m_surface, m_font);
  for (const TabEntry& tab : m_tabs) widths.push_back(CaptionWidth(m_surface, tab.caption));
  SelectObject(m_surface, oldFont);

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
  HBRUSH brush = CreateSolidBrush(selected ? m_selectedColour : m_otherColour);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  HGDIOBJ oldBrush = SelectObject(m_surface, brush);
  HGDIOBJ oldPen = SelectObject(m_surface, pen);
  Polygon(m_surface, corners, 4);
  SelectObject(m_surface, oldPen);
  SelectObject(m_surface, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);

  SetTextColor(m_surface, tab.captionColour);
  SetBkMode(m_surface, TRANSPARENT);
  RECT text = {tab.rect.left + 2, top, tab.rect.left + 2 + CaptionWidth(m_surface, tab.caption), tab.rect.bottom};
  DrawTextA(m_surface, tab.caption.c_str(), static_cast<int>(tab.caption.size()), &text, DT_SINGLELINE | DT_VCENTER);
}

void CTabWindow::PaintContent(HDC dc) {
  if (!m_surface || !m_bitmap) return;
  RECT client = GetClientRect();
  int stripHeight = m_rows * kTabRowHeight;

  // Every row gets the face colour, not only the first: rows below would show the
  // previous contents of the surface.
  COLORREF face = GetSysColor(COLOR_3DFACE);
  HBRUSH faceBrush = CreateSolidBrush(face);
  HPEN facePen = CreatePen(PS_SOLID, 1, face);
  HGDIOBJ oldBrush = SelectObject(m_surface, faceBrush);
  HGDIOBJ oldPen = SelectObject(m_surface, facePen);
  Rectangle(m_surface, 0, 0, client.right, stripHeight);
  SelectObject(m_surface, oldPen);
  SelectObject(m_surface, oldBrush);
  DeleteObject(facePen);
  DeleteObject(faceBrush);

  HGDIOBJ oldFont = SelectObject(m_surface, m_font);
  for (size_t i = 0; i < m_tabs.size(); ++i)
    if (static_cast<int>(i) != m_selected) DrawTab(m_tabs[i], false);
  if (m_selected >= 0) DrawTab(m_tabs[m_selected], true);
  SelectObject(m_surface, oldFont);

  BitBlt(dc, 0, 0, client.right, stripHeight, m_surface, 0, 0, SRCCOPY);
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
