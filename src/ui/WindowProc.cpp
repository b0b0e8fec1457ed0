#include "ui/WindowProc.h"

#include <exception>
#include <new>

#include "base/LogOutput.h"
#include "msg/MsgException.h"
#include "ui/WindowMap.h"

namespace {

// No exception may leave a window procedure: it would cross the console's frames.
template <class Call>
LRESULT Guarded(UINT message, Call call) {
  try {
    return call();
  } catch (const CInternalException& e) {
    LogOutput(kLogDataError, "^2window message 0x%04X cut short: %s", message, e.GetName());
  } catch (const std::bad_alloc&) {
    LogOutput(kLogDataError, "^2window message 0x%04X cut short: %s", message, "out of memory");
  } catch (const std::exception& e) {
    LogOutput(kLogDataError, "^2window message 0x%04X cut short: %s", message, e.what());
  }
  return 0;
}

LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool dialogDoor) {
  if (const GlobalHook* hook = FindGlobalHook(message)) {
    LRESULT result = Guarded(message, [&] { return (hook->object->*(hook->handler))(wParam, lParam); });
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

  LRESULT result = Guarded(message, [&] { return object->WindowProc(message, wParam, lParam); });
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
