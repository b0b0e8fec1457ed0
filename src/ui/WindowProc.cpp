#include "ui/WindowProc.h"

#include "base/ExceptionGuard.h"
#include "ui/WindowMap.h"

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
