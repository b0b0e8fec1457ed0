#pragma once
// The keys of a list page and of the serial history box, while the list has the
// keyboard focus: Ctrl+A selects every row, Ctrl+C copies the selected rows, Ctrl+F opens
// the find box, F3 and Shift+F3 find the next and the previous row with the last text,
// Ctrl+S saves every row to a file. They come from a window procedure put in front of
// the list's; no window is made until Ctrl+F opens the find box.
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "base/Format.h"

class CListDialog;

class CListKeys {
 public:
  explicit CListKeys(CListDialog& page);
  ~CListKeys();
  CListKeys(const CListKeys&) = delete;
  CListKeys& operator=(const CListKeys&) = delete;

  // Takes the keys of the page's list (a page built again hands over its new list).
  void Attach(HWND list);
  // The first name the Save As box offers is this name and the date.
  void SetSaveName(const std::string& name) { m_saveName = name; }

  // The registered message the find box sends its owner, the page, which hands it here.
  static UINT FindMessage();
  LRESULT OnFindMessage(LPARAM lParam);

 private:
  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
  void Detach();
  bool OnKeyDown(WPARAM key);
  void SelectAll();
  void CopySelected();
  void OpenFind();
  void CloseFind();
  void FindAgain(bool forward);
  void FindNext(bool forward);
  bool RowHolds(int row, int columns) const;
  void Save();

  CListDialog& m_page;
  HWND m_list = nullptr;
  HWND m_findBox = nullptr;
  // The find box reads and writes these while it is open; the text stays for F3.
  FINDREPLACEA m_find = {};
  char m_findText[kCaptionChars] = "";
  std::string m_saveName;
};
