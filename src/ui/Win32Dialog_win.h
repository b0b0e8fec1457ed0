#pragma once
// Dialogs built from the module's templates: modeless tab pages, or modal boxes.
// The virtual operations keep the order in which pages and dialogs override them.
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
  virtual HWND GetItem(int id);
  virtual void EnableItem(int id, bool enable);
  virtual bool SetItemInt(int id, int value, bool isSigned);
  virtual bool SetItemFloat(int id, float value);
  virtual int GetItemInt(int id, bool isSigned);
  virtual bool SetItemText(int id, const char* text);
  virtual std::string GetItemText(int id);
  virtual void SetCheck(int id, bool on);
  virtual bool GetCheck(int id);
  virtual void ApplyFont(int height);
  virtual int ComboAddString(int id, const char* text);
  virtual void ComboReset(int id);
  virtual int ComboGetCurSel(int id);

  // Creates the dialog as a modeless window and gives its children the language font.
  // A null parent object means the desktop window.
  bool CreateModeless(WORD templateId, CWindowBase* parent, HINSTANCE instance);
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
