#include "ui/Win32Dialog_win.h"

#include <new>

#include "base/Format.h"
#include "ui/ComboBox_win.h"
#include "ui/LanguageFont_win.h"

namespace {

enum : int { kDialogFontHeight = 11, kClassNameChars = 256 };

// Buttons, labels and date pickers keep the template's Latin font.
bool KeepsTemplateFont(HWND child) {
  char className[kClassNameChars] = "";
  GetClassNameA(child, className, sizeof className - 1);
  return lstrcmpiA(className, "Button") == 0 || lstrcmpiA(className, "Static") == 0 ||
         lstrcmpiA(className, "SysDateTimePick32") == 0;
}

struct FontWalk {
  int height;
  std::vector<HFONT>* fonts;
};

BOOL CALLBACK ApplyFontToChild(HWND child, LPARAM param) {
  FontWalk* walk = reinterpret_cast<FontWalk*>(param);
  if (!KeepsTemplateFont(child)) {
    HFONT font = SetLanguageFont(child, walk->height);
    // No exception may unwind through the system's enumeration frames; without room to
    // note the font the control keeps it, unfreed.
    try {
      if (font) walk->fonts->push_back(font);
    } catch (const std::bad_alloc&) {
    }
  }
  return TRUE;
}

}  // namespace

CWin32Dialog::CWin32Dialog() { m_isDialog = true; }

CWin32Dialog::~CWin32Dialog() {
  // Teardown order: stop dispatch and destroy the window first, then free the fonts its
  // controls were drawing with.
  DetachAndDestroy();
  for (HFONT font : m_fonts) DeleteObject(font);
}

LRESULT CWin32Dialog::OnInitDialog(WPARAM, LPARAM) {
  ApplyFont(kDialogFontHeight);
  return 0;
}

LRESULT CWin32Dialog::OnOK(WPARAM, LPARAM) {
  m_modalResult = IDOK;
  EndDialog(m_hWnd, IDOK);
  return 0;
}

LRESULT CWin32Dialog::OnCancel(WPARAM, LPARAM) {
  m_modalResult = IDCANCEL;
  EndDialog(m_hWnd, IDCANCEL);
  return 0;
}

HWND CWin32Dialog::GetItem(int id) { return GetDlgItem(m_hWnd, id); }

void CWin32Dialog::EnableItem(int id, bool enable) { EnableWindow(GetItem(id), enable ? TRUE : FALSE); }

bool CWin32Dialog::SetItemInt(int id, int value, bool isSigned) {
  return SetDlgItemInt(m_hWnd, id, static_cast<UINT>(value), isSigned ? TRUE : FALSE) != FALSE;
}

bool CWin32Dialog::SetItemFloat(int id, float value) {
  char text[kCaptionChars];
  if (FormatBounded(text, sizeof text, "%.2f", static_cast<double>(value)) == 0) return false;
  return SetItemText(id, text);
}

int CWin32Dialog::GetItemInt(int id, bool isSigned) {
  return static_cast<int>(GetDlgItemInt(m_hWnd, id, nullptr, isSigned ? TRUE : FALSE));
}

bool CWin32Dialog::SetItemText(int id, const char* text) { return SetDlgItemTextA(m_hWnd, id, text) != FALSE; }

std::string CWin32Dialog::GetItemText(int id) {
  char text[kCellChars] = "";
  GetDlgItemTextA(m_hWnd, id, text, sizeof text);
  return text;
}

void CWin32Dialog::SetCheck(int id, bool on) { CheckDlgButton(m_hWnd, id, on ? BST_CHECKED : BST_UNCHECKED); }

bool CWin32Dialog::GetCheck(int id) { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }

void CWin32Dialog::ApplyFont(int height) {
  FontWalk walk{height, &m_fonts};
  EnumChildWindows(m_hWnd, ApplyFontToChild, reinterpret_cast<LPARAM>(&walk));
}

int CWin32Dialog::ComboAddString(int id, const char* text) { return ComboAdd(GetItem(id), 0, "%s", text); }

void CWin32Dialog::ComboReset(int id) { ::ComboReset(GetItem(id)); }

int CWin32Dialog::ComboGetCurSel(int id) { return ::ComboGetCurSel(GetItem(id)); }

bool CWin32Dialog::CreateModeless(WORD templateId, CWindowBase* parent, HINSTANCE instance) {
  return CreateModeless(templateId, parent ? parent->GetHwnd() : GetDesktopWindow(), instance);
}

bool CWin32Dialog::CreateModeless(WORD templateId, HWND parent, HINSTANCE instance) {
  // Built again after its window went: the old controls are gone, so are their places
  // (their handles may come back as other windows').
  m_layouts.clear();
  m_templateId = templateId;
  m_hInstance = instance;
  HWND hwnd = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), parent, FrameworkDialogProc,
                                 reinterpret_cast<LPARAM>(this));
  if (!hwnd) return false;
  m_hWnd = hwnd;
  ApplyFont(kDialogFontHeight);
  return true;
}

INT_PTR CWin32Dialog::DoModal(WORD templateId, HWND owner, HINSTANCE instance) {
  m_templateId = templateId;
  m_hInstance = instance;
  m_hOwner = owner;
  AddMessageHandler(WM_INITDIALOG, &CWin32Dialog::OnInitDialog);
  AddCommandHandler(IDOK, BN_CLICKED, &CWin32Dialog::OnOK);
  AddCommandHandler(IDCANCEL, BN_CLICKED, &CWin32Dialog::OnCancel);
  m_modalResult = DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, FrameworkDialogProc,
                                  reinterpret_cast<LPARAM>(this));
  return m_modalResult;
}
