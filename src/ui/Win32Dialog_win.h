#pragma once
// Dialogs built from the module's templates: modeless tab pages, or modal boxes. A modal
// box may override what its opening and OK do.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/WindowBase_win.h"

class CWin32Dialog : public CWindowBase {
 public:
  CWin32Dialog();
  ~CWin32Dialog() override;

  virtual LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnOK(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnCancel(WPARAM wParam, LPARAM lParam);
  HWND GetItem(int id);
  void EnableItem(int id, bool enable);
  bool SetItemInt(int id, int value, bool isSigned);
  int GetItemInt(int id, bool isSigned);
  bool SetItemText(int id, const char* text);
  std::string GetItemText(int id);
  void ApplyFont(int height);

  // Creates the dialog as a modeless window and gives its children the language font.
  bool CreateModeless(WORD templateId, HWND parent, HINSTANCE instance);
  // Runs the dialog modally and returns its result (1 for OK, 2 for Cancel).
  INT_PTR DoModal(WORD templateId, HWND owner, HINSTANCE instance);

 protected:
  uint32_t m_templateId = 0;
  INT_PTR m_modalResult = 0;
  HWND m_hOwner = nullptr;

 private:
  std::vector<HFONT> m_fonts;  // one per control that received the language font
};
