#include "ui/WindowMap_win.h"

#include <map>

namespace {

std::map<HWND, CWindowBase*>& Windows() {
  static std::map<HWND, CWindowBase*> windows;
  return windows;
}

std::map<UINT, GlobalHook>& Hooks() {
  static std::map<UINT, GlobalHook> hooks;
  return hooks;
}

}  // namespace

void WindowMapTouch() {
  Windows();
  Hooks();
}

CWindowBase* WindowMapFind(HWND hwnd) {
  auto it = Windows().find(hwnd);
  return it == Windows().end() ? nullptr : it->second;
}

void WindowMapEnter(HWND hwnd, CWindowBase* object) { Windows()[hwnd] = object; }

void WindowMapLeave(HWND hwnd) { Windows().erase(hwnd); }

void AddGlobalHook(UINT message, CWindowBase* object, WindowHandler handler) {
  Hooks()[message] = GlobalHook{object, handler};
}

void RemoveGlobalHook(UINT message) { Hooks().erase(message); }

const GlobalHook* FindGlobalHook(UINT message) {
  auto it = Hooks().find(message);
  return it == Hooks().end() ? nullptr : &it->second;
}
