#include "PluginWindows.h"

#include <commctrl.h>

#include <cstdio>

#include "base/Format.h"
#include "plugin/TabLayout.h"
#include "ui/GdiScope_win.h"

namespace {

bool ClassIs(HWND hwnd, const char* name) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  return lstrcmpiA(cls, name) == 0;
}

struct FindByClass {
  const char* name;
  HWND found;
};

BOOL CALLBACK FindChildByClass(HWND hwnd, LPARAM lp) {
  auto* f = reinterpret_cast<FindByClass*>(lp);
  if (ClassIs(hwnd, f->name)) {
    f->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

bool SetPicker(HWND picker, const char* text) {
  SYSTEMTIME st{};
  if (SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) GetLocalTime(&st);
  int a, b, c, end = -1;
  bool timePicker = (GetWindowLongA(picker, GWL_STYLE) & DTS_TIMEFORMAT) == DTS_TIMEFORMAT;
  if (timePicker) {
    if (sscanf(text, "%d:%d:%d%n", &a, &b, &c, &end) != 3 || text[end] || a < 0 || a > 23 || b < 0 || b > 59 ||
        c < 0 || c > 59)
      return false;
    st.wHour = static_cast<WORD>(a);
    st.wMinute = static_cast<WORD>(b);
    st.wSecond = static_cast<WORD>(c);
  } else {
    if (sscanf(text, "%d-%d-%d%n", &a, &b, &c, &end) != 3 || text[end] || a < 1601 || a > 9999 || b < 1 ||
        b > 12 || c < 1 || c > 31)
      return false;
    st.wYear = static_cast<WORD>(a);
    st.wMonth = static_cast<WORD>(b);
    st.wDay = static_cast<WORD>(c);
  }
  st.wMilliseconds = 0;
  return SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)) != 0;
}

}  // namespace

HWND FindTabStrip(HWND pluginWindow) {
  if (!pluginWindow) return nullptr;
  FindByClass f{"KDCTabWindow", nullptr};
  EnumChildWindows(pluginWindow, FindChildByClass, reinterpret_cast<LPARAM>(&f));
  return f.found;
}

bool TabRect(HWND strip, const std::vector<std::string>& captions, size_t index, RECT* rect) {
  if (!strip || index >= captions.size()) return false;
  RECT client;
  GetClientRect(strip, &client);
  std::vector<int> widths;
  {
    WindowDC dc(strip);
    GdiFont font(CreateFontA(TabFontHeight(kTabFontPoints, GetDeviceCaps(dc.Get(), LOGPIXELSY)), 0, 0, 0,
                             FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kTabFontFace));
    GdiSelection useFont(dc.Get(), font.Get());
    for (const std::string& caption : captions) {
      SIZE size{};
      GetTextExtentPoint32A(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &size);
      widths.push_back(size.cx);
    }
  }
  std::vector<TabBox> boxes;
  LayoutTabRows(widths, client.right, boxes);
  const TabBox& box = boxes[index];
  *rect = RECT{box.left, box.top, box.right, box.bottom};
  return true;
}

bool ClickTab(HWND strip, const std::vector<std::string>& captions, size_t index) {
  RECT r;
  if (!TabRect(strip, captions, index, &r)) return false;
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, r.bottom - 5);
  return PostMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, at) && PostMessageA(strip, WM_LBUTTONUP, 0, at);
}

HWND VisiblePage(HWND strip) {
  for (HWND child = GetWindow(strip, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && ClassIs(child, "#32770")) return child;
  }
  return nullptr;
}

bool SetPageControl(HWND page, int id, const char* text) {
  HWND control = GetDlgItem(page, id);
  if (!control) return false;
  if (ClassIs(control, "ComboBox")) {
    LRESULT at = SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    if (at == CB_ERR) return false;
    SendMessageA(control, CB_SETCURSEL, at, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
    return true;
  }
  if (ClassIs(control, DATETIMEPICK_CLASSA)) return SetPicker(control, text);
  return SetWindowTextA(control, text) != FALSE;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done && done()) return true;
    DWORD spent = GetTickCount() - start;
    if (spent >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - spent < 10 ? timeoutMs - spent : 10, QS_ALLINPUT);
  }
}

void PumpFor(DWORD ms) { PumpUntil(nullptr, ms); }

std::vector<std::vector<std::string>> ListViewRows(HWND list, int columns) {
  std::vector<std::vector<std::string>> rows;
  int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    std::vector<std::string> cells;
    for (int col = 0; col < columns; ++col) {
      char text[kCaptionChars] = {};
      LVITEMA item{};
      item.iSubItem = col;
      item.pszText = text;
      item.cchTextMax = sizeof text;
      SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
      cells.push_back(text);
    }
    rows.push_back(std::move(cells));
  }
  return rows;
}

bool SelectListRow(HWND page, int listId, int row) {
  HWND list = GetDlgItem(page, listId);
  if (!list || row < 0 || row >= ListView_GetItemCount(list)) return false;
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list, row, FALSE);
  return true;
}

namespace {
HWND g_menuOwner = nullptr;
WORD g_menuChoice = 0;

// Chooses the command as the menu itself would: posted to its owner as the menu ends.
void CALLBACK ChooseAndEndMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostMessageA(g_menuOwner, WM_COMMAND, MAKEWPARAM(g_menuChoice, 0), 0);
  EndMenu();
}
}  // namespace

bool ChooseListMenuCommand(HWND page, int listId, WORD command) {
  HWND list = GetDlgItem(page, listId);
  if (!list) return false;
  g_menuOwner = page;
  g_menuChoice = command;
  // The menu loop dispatches thread timers; this one picks the command and ends the menu.
  UINT_PTR timer = SetTimer(nullptr, 0, 50, ChooseAndEndMenu);
  NMITEMACTIVATE click{};
  click.hdr.hwndFrom = list;
  click.hdr.idFrom = static_cast<UINT_PTR>(listId);
  click.hdr.code = NM_RCLICK;
  click.iItem = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  SendMessageA(page, WM_NOTIFY, static_cast<WPARAM>(listId), reinterpret_cast<LPARAM>(&click));
  KillTimer(nullptr, timer);
  MSG chosen;
  while (PeekMessageA(&chosen, page, WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageA(&chosen);
  return true;
}

namespace {
// A box opened over another disables it: the enabled one is on top.
BOOL CALLBACK FindBox(HWND hwnd, LPARAM lp) {
  if (!IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd) || !ClassIs(hwnd, "#32770") ||
      (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
    return TRUE;
  *reinterpret_cast<HWND*>(lp) = hwnd;
  return FALSE;
}
}  // namespace

HWND FindModalBox() {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
  return box;
}
