#pragma once
// The tab strip above the pages, drawn by the module: folder-shaped tabs in rows of 18
// pixels, the selected tab raised and coloured. Drawn on an off-screen surface first.
#include <windows.h>

#include <string>
#include <vector>

#include "plugin/TabLayout.h"
#include "ui/GdiScope_win.h"
#include "ui/WindowBase_win.h"

class CTabWindow : public CWindowBase {
 public:
  struct TabEntry {
    RECT rect;
    std::string caption;
    COLORREF captionColour;
    HWND page;
  };

  CTabWindow();
  ~CTabWindow() override;

  bool Create(HINSTANCE instance, HWND parent);
  bool AddTab(const char* caption, HWND page);
  void SetColors(COLORREF other);

  // One paint path for WM_PAINT, WM_PRINTCLIENT and tests.
  void PaintContent(HDC dc);

  const std::vector<TabEntry>& Tabs() const { return m_tabs; }
  int Rows() const { return m_rows; }
  int Selected() const { return m_selected; }
  SIZE SurfaceSize() const { return m_surface.Size(); }
  COLORREF SelectedColour() const { return m_selectedColour; }
  COLORREF OtherColour() const { return m_otherColour; }

 private:
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);

  void LayoutTabs();
  void ResizeSurface(int rows);
  void DrawTab(const TabEntry& tab, bool selected);

  std::vector<TabEntry> m_tabs;
  OffscreenSurface m_surface;
  int m_selected = -1;
  COLORREF m_selectedColour;
  COLORREF m_otherColour;
  int m_rows = 1;
  int m_fontPoints = kTabFontPoints;
  std::string m_fontFace = kTabFontFace;

  GdiFont m_font;
};
