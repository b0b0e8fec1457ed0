#pragma once
// A window handle tied to an object, and the one window procedure that finds the object
// of a window. Window messages reach member handlers through two per-object tables: one
// keyed by message number, one for WM_COMMAND keyed by (notification code << 16 |
// control id), which is exactly the WM_COMMAND wParam.
#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "ui/Layout_win.h"
#include "ui/WindowHandler_win.h"

class CWindowBase {
 public:
  CWindowBase();
  virtual ~CWindowBase();
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  CWindowBase(const CWindowBase&) = delete;
  CWindowBase& operator=(const CWindowBase&) = delete;

  // Registers a class whose procedure is the framework's. A class this object already
  // registered, or one left registered by an earlier window of the module, counts as
  // success; the object unregisters what it registered when it goes.
  bool RegisterWindowClass(HINSTANCE instance, const char* className, HCURSOR cursor);

  struct CreateArgs {
    DWORD exStyle = 0;
    const char* className = nullptr;
    const char* title = "";
    DWORD style = WS_CHILD | WS_VISIBLE;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    UINT_PTR menuId = 0;
    HINSTANCE instance = nullptr;
  };
  // Creates the window and enters it into the window map; false when creation fails.
  bool CreateWindowObject(const CreateArgs& args);

  template <class T>
  void AddMessageHandler(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    m_messageTable[message] = static_cast<WindowHandler>(handler);
  }
  template <class T>
  void AddCommandHandler(WORD id, WORD code, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    m_commandTable[CommandKey(id, code)] = static_cast<WindowHandler>(handler);
  }
  static uint32_t CommandKey(WORD id, WORD code) { return (static_cast<uint32_t>(code) << 16) | id; }

  void Show(int showState = SW_SHOW);
  void Update();
  RECT GetWindowRect() const;
  RECT GetClientRect() const;
  void Redraw();

  HWND GetHwnd() const { return m_hWnd; }
  bool IsDialog() const { return m_isDialog; }
  std::vector<LayoutEntry>& Layouts() { return m_layouts; }

  // Called by the window procedure: the first message of a dialog binds it, the last
  // message of any window unbinds it.
  void Attach(HWND hwnd) { m_hWnd = hwnd; }
  void Detach() { m_hWnd = nullptr; }

 protected:
  // Stops dispatch to this object, then destroys its window: for destructors, which run
  // after the derived parts (and their handlers) are gone.
  void DetachAndDestroy();

  std::vector<LayoutEntry> m_layouts;
  HWND m_hWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;  // the dialog keeps its instance here
  bool m_isDialog = false;
  std::map<UINT, WindowHandler> m_messageTable;
  std::map<uint32_t, WindowHandler> m_commandTable;

 private:
  const char* m_registeredClass = nullptr;
  HINSTANCE m_registeredInstance = nullptr;
};

// The module's own instance, for callers that do not have the console's record at hand.
HINSTANCE ModuleInstance();

// The one window procedure of every class and dialog of the module. Dialogs enter
// through the DLGPROC-typed door, which differs only in what an unknown window gets.
LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK FrameworkDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
