#pragma once
// The common control classes the pages use, initialised once for the process.
#include <windows.h>

#include <commctrl.h>

constexpr DWORD kCommonControlClasses = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                        ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                        ICC_DATE_CLASSES | ICC_COOL_CLASSES;
static_assert(kCommonControlClasses == 0x53F, "the flag word the module initialises the common controls with");

inline void InitCommonControlClasses() {
  INITCOMMONCONTROLSEX icc = {sizeof icc, kCommonControlClasses};
  InitCommonControlsEx(&icc);
}
