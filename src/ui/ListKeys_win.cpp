#include "ui/ListKeys_win.h"

#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <map>
#include <vector>

#include "base/ExceptionGuard.h"
#include "base/LocalTime.h"
#include "base/LogOutput.h"
#include "ui/ColourText_win.h"
#include "ui/CommonDialogs_win.h"
#include "ui/ListPage_win.h"
#include "ui/ListSave_win.h"
#include "ui/ListView_win.h"
#include "ui/RowFind.h"
#include "ui/TsvText.h"

namespace {
// What the keys of every list share. A list whose procedure is CListKeys::ListProc has
// an entry with the procedure it had before, until the list goes, also when its keys
// let go of it while a later procedure still calls through this one. (Under Wine the
// system's subclass helpers ask the window server for a window property on every
// message a list gets, which made filling a 50-row answer take several times as long as
// the fill itself.) The open find boxes and the hook that serves them are below.
struct KeyedList {
  CListKeys* keys;
  WNDPROC previous;
};
struct SharedKeys {
  std::map<HWND, KeyedList> lists;
  std::vector<HWND> findBoxes;
  HHOOK findHook = nullptr;
};
SharedKeys& Shared() {
  static SharedKeys shared;
  return shared;
}
std::map<HWND, KeyedList>& KeyedLists() { return Shared().lists; }

// The find boxes are modeless, and their Enter, Tab and Escape need IsDialogMessage in
// the thread's message loop, which is the console's (or a modal box's) and not ours. A
// message hook of this thread does that step for them, and only while one is open.
class CFindBoxHook {
 public:
  static void Add(HWND box) {
    SharedKeys& shared = Shared();
    shared.findBoxes.push_back(box);
    if (!shared.findHook)
      shared.findHook = SetWindowsHookExA(WH_GETMESSAGE, &CFindBoxHook::Proc, nullptr, GetCurrentThreadId());
  }
  static void Remove(HWND box) {
    SharedKeys& shared = Shared();
    std::vector<HWND>& boxes = shared.findBoxes;
    boxes.erase(std::remove(boxes.begin(), boxes.end(), box), boxes.end());
    if (boxes.empty() && shared.findHook) {
      UnhookWindowsHookEx(shared.findHook);
      shared.findHook = nullptr;
    }
  }

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM removed, LPARAM lParam) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
      for (HWND box : Shared().findBoxes) {
        if ((msg->hwnd == box || IsChild(box, msg->hwnd)) && IsDialogMessageA(box, msg)) {
          // Handled: the loop that took it gets a message that does nothing.
          msg->message = WM_NULL;
          msg->wParam = 0;
          msg->lParam = 0;
          break;
        }
      }
    }
    return CallNextHookEx(Shared().findHook, code, removed, lParam);
  }
};

bool KeyDown(int key) { return GetKeyState(key) < 0; }
}  // namespace

// What the keys share is completed here, with the first page, so that it outlives the
// plug-in, whose windows and find boxes still reach it when they go at unload.
CListKeys::CListKeys(CListDialog& page) : m_page(page) { Shared(); }

CListKeys::~CListKeys() { Detach(); }

void CListKeys::Attach(HWND list) {
  Detach();
  if (!list) return;
  auto it = KeyedLists().find(list);
  if (it != KeyedLists().end()) {
    // Let go of earlier but still called through: its procedure is this one.
    if (it->second.keys) return;
    it->second.keys = this;
    m_list = list;
    return;
  }
  LONG_PTR previous = SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CListKeys::ListProc));
  if (!previous) return;
  KeyedLists()[list] = {this, reinterpret_cast<WNDPROC>(previous)};
  m_list = list;
}

void CListKeys::Detach() {
  CloseFind();
  if (!m_list) return;
  auto it = KeyedLists().find(m_list);
  if (it != KeyedLists().end()) {
    if (GetWindowLongPtrW(m_list, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CListKeys::ListProc)) {
      SetWindowLongPtrW(m_list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
      KeyedLists().erase(it);
    } else {
      it->second.keys = nullptr;
    }
  }
  m_list = nullptr;
}

UINT CListKeys::FindMessage() {
  static const UINT message = RegisterWindowMessageA(FINDMSGSTRINGA);
  return message;
}

LRESULT CALLBACK CListKeys::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  auto it = KeyedLists().find(list);
  if (it == KeyedLists().end()) return DefWindowProcW(list, message, wParam, lParam);
  CListKeys* keys = it->second.keys;
  const WNDPROC previous = it->second.previous;
  if (message == WM_KEYDOWN && keys) {
    // No exception may cross the system's frames.
    auto subject = [](char* out, size_t size) {
      FormatBounded(out, size, "window message 0x%04X cut short", static_cast<unsigned>(WM_KEYDOWN));
    };
    if (Guarded(kLogDataError, subject, true, [&] { return keys->OnKeyDown(wParam); })) return 0;
  } else if (message == WM_NCDESTROY) {
    // The find box belongs to the page's list: it goes with it.
    if (keys) keys->Detach();
    KeyedLists().erase(list);
  }
  return CallWindowProcW(previous, list, message, wParam, lParam);
}

bool CListKeys::OnKeyDown(WPARAM key) {
  if (KeyDown(VK_MENU)) return false;
  bool control = KeyDown(VK_CONTROL), shift = KeyDown(VK_SHIFT);
  if (key == VK_F3 && !control) {
    FindAgain(!shift);
    return true;
  }
  if (!control || shift) return false;
  switch (key) {
    case 'A':
      SelectAll();
      return true;
    case 'C':
      CopySelected();
      return true;
    case 'F':
      OpenFind();
      return true;
    case 'S':
      Save();
      return true;
    default:
      return false;
  }
}

void CListKeys::SelectAll() { ListView_SetItemState(m_list, -1, LVIS_SELECTED, LVIS_SELECTED); }

void CListKeys::CopySelected() {
  std::vector<int> rows;
  for (int row = -1; (row = ListView_GetNextItem(m_list, row, LVNI_SELECTED)) >= 0;) rows.push_back(row);
  if (rows.empty()) {
    LogOutput(kLogRefusal, "there is no selected row to copy to clipboard");
    return;
  }
  m_page.CopyTextAndReport(m_page.RowsCopyText(rows));
}

void CListKeys::OpenFind() {
  if (m_findBox) {
    SetActiveWindow(m_findBox);
    return;
  }
  m_find = {};
  m_find.lStructSize = sizeof m_find;
  m_find.hwndOwner = m_page.GetHwnd();
  m_find.lpstrFindWhat = m_findText;
  m_find.wFindWhatLen = sizeof m_findText;
  // The search always ignores case and looks inside the cells' texts.
  m_find.Flags = FR_DOWN | FR_HIDEMATCHCASE | FR_HIDEWHOLEWORD;
  m_findBox = FindTextBox(&m_find);
  if (m_findBox) CFindBoxHook::Add(m_findBox);
}

void CListKeys::CloseFind() {
  if (!m_findBox) return;
  HWND box = m_findBox;
  m_findBox = nullptr;
  CFindBoxHook::Remove(box);
  DestroyWindow(box);
}

LRESULT CListKeys::OnFindMessage(LPARAM lParam) {
  const FINDREPLACEA* find = reinterpret_cast<const FINDREPLACEA*>(lParam);
  if (find != &m_find) return 0;
  if (find->Flags & FR_DIALOGTERM) {
    // The box is closing itself: it only needs forgetting.
    CFindBoxHook::Remove(m_findBox);
    m_findBox = nullptr;
  } else if (find->Flags & FR_FINDNEXT) {
    FindNext((find->Flags & FR_DOWN) != 0);
  }
  return 0;
}

void CListKeys::FindAgain(bool forward) {
  if (!m_findText[0]) {
    MessageBeep(MB_OK);
    return;
  }
  FindNext(forward);
}

bool CListKeys::RowHolds(int row, int columns) const {
  char cell[kCellChars];
  for (int column = 0; column < columns; ++column) {
    GetCellText(m_list, row, column, cell);
    if (TextHoldsIgnoringCase(cell, m_findText, SystemCharStep)) return true;
  }
  return false;
}

void CListKeys::FindNext(bool forward) {
  int columns = ColumnCount(m_list);
  int from = ListView_GetNextItem(m_list, -1, LVNI_FOCUSED);
  int row = FindRow(ListView_GetItemCount(m_list), from, forward, [&](int r) { return RowHolds(r, columns); });
  if (row < 0) {
    MessageBeep(MB_OK);
    return;
  }
  ListView_SetItemState(m_list, -1, 0, LVIS_SELECTED);
  ListView_SetItemState(m_list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetSelectionMark(m_list, row);
  ListView_EnsureVisible(m_list, row, FALSE);
}

void CListKeys::Save() {
  CivilTime today;
  if (!ToLocalTime(static_cast<int64_t>(time(nullptr)), &today)) today = CivilTime{};
  std::string name = TsvFileName(m_saveName.empty() ? "log" : m_saveName.c_str(), today.year, today.month,
                                 today.day, SystemCharStep);
  SaveListAs(m_page.GetHwnd(), m_list, name.c_str());
}
