#pragma once
// Modal loops in tests: a popup menu or a dialog box opened inside a handler runs its own
// message loop, and a test must never wait on it. These act from thread timers, which
// the menu and dialog loops dispatch.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

// Runs `act` on the first history box ("Dialog") of this thread that was not open when
// the driver was made; the action must close the box.
class CModalDriver {
 public:
  explicit CModalDriver(std::function<void(HWND box)> act) : m_act(std::move(act)) {
    m_before = Boxes();
    s_current = this;
    m_timer = SetTimer(nullptr, 0, 20, &CModalDriver::OnTimer);
  }
  ~CModalDriver() {
    if (m_timer) KillTimer(nullptr, m_timer);
    if (s_current == this) s_current = nullptr;
  }
  CModalDriver(const CModalDriver&) = delete;
  CModalDriver& operator=(const CModalDriver&) = delete;

  bool Ran() const { return m_ran; }

  static std::set<HWND> Boxes() {
    std::set<HWND> boxes;
    EnumThreadWindows(GetCurrentThreadId(), &CModalDriver::Collect, reinterpret_cast<LPARAM>(&boxes));
    return boxes;
  }

 private:
  static BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
    char cls[32] = "", title[32] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (std::string(cls) == "#32770" && std::string(title) == "Dialog" && IsWindowVisible(hwnd))
      reinterpret_cast<std::set<HWND>*>(param)->insert(hwnd);
    return TRUE;
  }
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    CModalDriver* self = s_current;
    if (!self || self->m_ran) return;
    for (HWND box : Boxes()) {
      if (self->m_before.count(box)) continue;
      self->m_ran = true;
      KillTimer(nullptr, self->m_timer);
      self->m_timer = 0;
      // The next driver, made inside the action, takes over the timer slot.
      self->m_act(box);
      return;
    }
  }

  static inline CModalDriver* s_current = nullptr;
  std::function<void(HWND)> m_act;
  std::set<HWND> m_before;
  UINT_PTR m_timer = 0;
  bool m_ran = false;
};

// Ends whatever popup menu this thread opens next, as an operator pressing Escape would;
// or, given an owner and a command, as one choosing that command would: the command is
// posted to the owner as the menu ends.
class CMenuCloser {
 public:
  explicit CMenuCloser(HWND owner = nullptr, WORD choice = 0) {
    s_owner = owner;
    s_choice = choice;
    m_timer = SetTimer(nullptr, 0, 30, &CMenuCloser::OnTimer);
  }
  ~CMenuCloser() { KillTimer(nullptr, m_timer); }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (s_choice) PostMessageA(s_owner, WM_COMMAND, MAKEWPARAM(s_choice, 0), 0);
    s_choice = 0;
    EndMenu();
  }
  static inline HWND s_owner = nullptr;
  static inline WORD s_choice = 0;
  UINT_PTR m_timer;
};

// The texts of a report list view, row by row.
inline std::vector<std::vector<std::string>> ListTexts(HWND list, int columns) {
  std::vector<std::vector<std::string>> rows;
  int n = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < n; ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column) {
      char text[4096] = "";
      LVITEMA item = {};
      item.iSubItem = column;
      item.pszText = text;
      item.cchTextMax = sizeof text;
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
      cells.push_back(text);
    }
    rows.push_back(cells);
  }
  return rows;
}
