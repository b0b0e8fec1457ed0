#pragma once
// The console's log view: an owner-drawn list box below the plug-in that shows every
// log line with its class and its colour marks drawn in the ten colours.
#include <windows.h>

#include "SimLog.h"
#include "ui/GdiScope_win.h"

class CLogPane {
 public:
  CLogPane() = default;
  CLogPane(const CLogPane&) = delete;
  CLogPane& operator=(const CLogPane&) = delete;

  bool Create(HWND parent, int id, CSimLog* log);
  HWND Window() const { return m_hwnd; }
  // Takes in lines added since the last call and scrolls to the newest.
  void Refresh();

  // The parent forwards its owner-draw messages for the pane here.
  void Measure(MEASUREITEMSTRUCT* mis) const;
  void Draw(const DRAWITEMSTRUCT* dis) const;

 private:
  HWND m_hwnd = nullptr;
  GdiFont m_font;
  CSimLog* m_log = nullptr;
  int m_lineHeight = 16;
};
