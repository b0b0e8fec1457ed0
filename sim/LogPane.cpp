#include "LogPane.h"

#include "base/LogOutput.h"
#include "ui/ColourMarkup.h"
#include "ui/ColourText_win.h"

namespace {

const char* ClassTag(const SimLogLine& line) {
  if (line.fromConsole) return "console";
  switch (line.classWord) {
    case kLogResult: return "";
    case kLogRefusal: return "refusal";
    case kLogDataError: return "data error";
    case kLogMissingEntry: return "missing";
    default: return "other";
  }
}

enum { kTagWidth = 80 };

}  // namespace

bool CLogPane::Create(HWND parent, int id, CSimLog* log) {
  m_log = log;
  int height = -MulDiv(9, GetDeviceCaps(WindowDC(parent).Get(), LOGPIXELSY), 72);
  m_font.Reset(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial"));
  m_lineHeight = -height + 5;
  // The list box asks for its item height while it is being created, before this
  // object knows its window; Measure answers from m_lineHeight set above.
  m_hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT |
                               LBS_NOSEL,
                           0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  if (!m_hwnd) return false;
  SendMessageA(m_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), FALSE);
  SendMessageA(m_hwnd, LB_SETITEMHEIGHT, 0, m_lineHeight);
  Refresh();
  return true;
}

void CLogPane::Refresh() {
  if (!m_hwnd || !m_log) return;
  LRESULT have = SendMessageA(m_hwnd, LB_GETCOUNT, 0, 0);
  if (have < 0) return;
  size_t total = m_log->Lines().size();
  for (size_t i = static_cast<size_t>(have); i < total; ++i) SendMessageA(m_hwnd, LB_ADDSTRING, 0, i);
  if (total > static_cast<size_t>(have)) SendMessageA(m_hwnd, LB_SETTOPINDEX, total - 1, 0);
}

void CLogPane::Measure(MEASUREITEMSTRUCT* mis) const { mis->itemHeight = m_lineHeight; }

void CLogPane::Draw(const DRAWITEMSTRUCT* dis) const {
  if (dis->itemID == static_cast<UINT>(-1) || !m_log) return;
  HDC dc = dis->hDC;
  RECT rc = dis->rcItem;
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  size_t index = dis->itemData;
  if (index >= m_log->Lines().size()) return;
  const SimLogLine& line = m_log->Lines()[index];
  GdiSelection font(dc, m_font.Get());
  SetBkMode(dc, TRANSPARENT);
  int y = rc.top + 2;
  const char* tag = ClassTag(line);
  SetTextColor(dc, ColourAt(3).text);
  TextOutA(dc, rc.left + 4, y, tag, lstrlenA(tag));
  // The console draws the marks the way the module's own lists do.
  DrawColourText(dc, rc.left + 4 + kTagWidth, y, TA_LEFT, "%s", line.text.c_str());
}
