#include "ui/WindowBase_win.h"

#include "base/ExceptionGuard.h"
#include "ui/WindowMap_win.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

CWindowBase::CWindowBase() {
  // Completing the maps before this object makes them outlive it at unload.
  WindowMapTouch();
}

CWindowBase::~CWindowBase() {
  // Teardown order:
  // 1. stop dispatch: the derived parts of this object are gone already, so no message
  //    may reach its handlers any more;
  // 2. destroy the window (children go with it, through their own objects);
  // 3. unregister the class, whose procedure lives in this module.
  DetachAndDestroy();
  if (m_registeredClass) UnregisterClassA(m_registeredClass, m_registeredInstance);
}

void CWindowBase::DetachAndDestroy() {
  if (!m_hWnd) return;
  HWND hwnd = m_hWnd;
  WindowMapLeave(hwnd);
  m_hWnd = nullptr;
  DestroyWindow(hwnd);
}

LRESULT CWindowBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY && !m_isDialog) PostQuitMessage(0);

  if (message == WM_COMMAND) {
    auto it = m_commandTable.find(static_cast<uint32_t>(wParam));
    return it == m_commandTable.end() ? 0 : (this->*(it->second))(wParam, lParam);
  }

  auto it = m_messageTable.find(message);
  if (it != m_messageTable.end()) return (this->*(it->second))(wParam, lParam);
  return m_isDialog ? 0 : DefWindowProcA(m_hWnd, message, wParam, lParam);
}

bool CWindowBase::RegisterWindowClass(HINSTANCE instance, const char* className, HCURSOR cursor) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = FrameworkWindowProc;
  wc.hInstance = instance;
  wc.hCursor = cursor;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(5));
  wc.lpszClassName = className;
  if (RegisterClassA(&wc)) {
    m_registeredClass = className;
    m_registeredInstance = instance;
    return true;
  }
  // Same class, same procedure: left by an earlier window of this module.
  WNDCLASSA existing;
  return GetLastError() == ERROR_CLASS_ALREADY_EXISTS && GetClassInfoA(instance, className, &existing) &&
         existing.lpfnWndProc == FrameworkWindowProc;
}

bool CWindowBase::CreateWindowObject(const CreateArgs& args) {
  HWND hwnd = CreateWindowExA(args.exStyle, args.className, args.title, args.style, args.x, args.y, args.width,
                              args.height, args.parent, reinterpret_cast<HMENU>(args.menuId), args.instance, nullptr);
  if (!hwnd) return false;
  m_hWnd = hwnd;
  WindowMapEnter(hwnd, this);
  return true;
}

void CWindowBase::Show(int showState) { ShowWindow(m_hWnd, showState); }

void CWindowBase::Update() { UpdateWindow(m_hWnd); }

RECT CWindowBase::GetWindowRect() const {
  RECT rc = {};
  ::GetWindowRect(m_hWnd, &rc);
  return rc;
}

RECT CWindowBase::GetClientRect() const {
  RECT rc = {};
  ::GetClientRect(m_hWnd, &rc);
  return rc;
}

void CWindowBase::Redraw() { InvalidateRect(m_hWnd, nullptr, TRUE); }

namespace {

// No exception may leave a window procedure: it would cross the console's frames.
template <class Call>
LRESULT GuardedMessage(UINT message, const Call& call) {
  auto subject = [message](char* out, size_t size) {
    FormatBounded(out, size, "window message 0x%04X cut short", message);
  };
  return Guarded(kLogDataError, subject, LRESULT{0}, call);
}

LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool dialogDoor) {
  if (const GlobalHook* hook = FindGlobalHook(message)) {
    LRESULT result = GuardedMessage(message, [&] { return (hook->object->*(hook->handler))(wParam, lParam); });
    if (result != -1) return result;
  }

  CWindowBase* object = WindowMapFind(hwnd);
  if (!object) {
    if (message == WM_INITDIALOG && lParam) {
      object = reinterpret_cast<CWindowBase*>(lParam);
      WindowMapEnter(hwnd, object);
      object->Attach(hwnd);
    } else {
      // The dialog manager does its own default handling when the dialog procedure
      // answers 0; calling the window default from a dialog procedure would act twice
      // (a WM_CLOSE would destroy the dialog).
      return dialogDoor ? 0 : DefWindowProcA(hwnd, message, wParam, lParam);
    }
  }

  LRESULT result = GuardedMessage(message, [&] { return object->WindowProc(message, wParam, lParam); });
  if (message == WM_NCDESTROY) {
    // Handles are reused by the system; a stale entry would route a stranger's messages.
    WindowMapLeave(hwnd);
    if (object->GetHwnd() == hwnd) object->Detach();
  }
  return result;
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, false);
}

INT_PTR CALLBACK FrameworkDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch(hwnd, message, wParam, lParam, true);
}
