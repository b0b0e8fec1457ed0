#include "ui/CommonDialogs_win.h"

namespace {

// Once loaded the library stays: an open find box runs its code.
HMODULE Library() {
  static HMODULE library = LoadLibraryA("comdlg32.dll");
  return library;
}

template <class Function>
Function Entry(const char* name) {
  HMODULE library = Library();
  return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace

HWND FindTextBox(FINDREPLACEA* find) {
  auto findText = Entry<HWND(WINAPI*)(FINDREPLACEA*)>("FindTextA");
  return findText ? findText(find) : nullptr;
}

bool SaveFileBox(OPENFILENAMEA* box, DWORD* failure) {
  auto save = Entry<BOOL(WINAPI*)(OPENFILENAMEA*)>("GetSaveFileNameA");
  auto error = Entry<DWORD(WINAPI*)()>("CommDlgExtendedError");
  if (!save || !error) {
    *failure = GetLastError() ? GetLastError() : static_cast<DWORD>(ERROR_MOD_NOT_FOUND);
    return false;
  }
  if (save(box)) return true;
  *failure = error();
  return false;
}
