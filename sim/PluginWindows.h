#pragma once
// Finding and driving the plug-in's windows from outside, as an operator would: the
// tab strip, its tabs (by clicking them), the page on show and its controls.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The tab strip: the descendant of the plug-in window with class "KDCTabWindow".
HWND FindTabStrip(HWND pluginWindow);

// Where tab `index` is: its rectangle as the strip lays out these captions (the
// module's own layout and caption font, plugin/TabLayout.h).
bool TabRect(HWND strip, const std::vector<std::string>& captions, size_t index, RECT* rect);

// Posts a left click into the middle of the tab's lower part (the raised top of a
// selected tab is not part of it).
bool ClickTab(HWND strip, const std::vector<std::string>& captions, size_t index);

// The page on show: the visible dialog among the strip's children, or null.
HWND VisiblePage(HWND strip);

// Sets a control of a page as an operator would: an edit gets the text; a combo box
// selects the entry with that text and tells the page; a date picker takes
// "YYYY-MM-DD", a time picker "hh:mm:ss". False when the control is missing or the
// text does not fit it.
bool SetPageControl(HWND page, int id, const char* text);

// Runs the message loop until done() holds or the time is up; false on time-out.
// WM_QUIT is swallowed: the plug-in's windows post it when they are destroyed.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Runs the message loop for the given time.
void PumpFor(DWORD ms);

// Texts of a report list view, row by row, cell by cell (260 characters each).
std::vector<std::vector<std::string>> ListViewRows(HWND list, int columns);

// Selects row `row` of the page's list view `listId` (and only it); false when the list
// has no such row.
bool SelectListRow(HWND page, int listId, int row);

// Right-clicks the page's list view `listId` as an operator would: the page gets its
// right-click notification, and the popup menu it opens is closed again at once (as
// with Escape); then the page receives menu command `command`.
bool ChooseListMenuCommand(HWND page, int listId, WORD command);

// The modal box the plug-in has open in this thread (a visible top-level dialog), or
// null.
HWND FindModalBox();
