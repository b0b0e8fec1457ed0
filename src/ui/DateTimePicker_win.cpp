#include "ui/DateTimePicker_win.h"

#include <commctrl.h>

#include "base/Format.h"

std::string GetDateTimeText(HWND datePicker, HWND timePicker) {
  SYSTEMTIME date = {}, time = {};
  SendMessageA(datePicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
  SendMessageA(timePicker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  return FormatString(kCaptionChars, "%d-%d-%d %02d:%02d:%02d", date.wYear, date.wMonth, date.wDay, time.wHour,
                      time.wMinute, time.wSecond);
}

bool PickerTime(time_t moment, SYSTEMTIME* out) {
  struct tm local = {};
  if (localtime_s(&local, &moment) != 0) return false;
  SYSTEMTIME& st = *out;
  st = SYSTEMTIME{};
  st.wYear = static_cast<WORD>(local.tm_year + 1900);
  st.wMonth = static_cast<WORD>(local.tm_mon + 1);
  st.wDayOfWeek = static_cast<WORD>(local.tm_wday);
  st.wDay = static_cast<WORD>(local.tm_mday);
  st.wHour = static_cast<WORD>(local.tm_hour);
  st.wMinute = static_cast<WORD>(local.tm_min);
  // The pickers refuse a leap second.
  st.wSecond = static_cast<WORD>(local.tm_sec > 59 ? 59 : local.tm_sec);
  return true;
}

void SetDateTimePickers(HWND page, int dateId, int timeId, const SYSTEMTIME& time) {
  SendDlgItemMessageA(page, dateId, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  SendDlgItemMessageA(page, timeId, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void SetDateTimePickers(HWND page, int dateId, int timeId, time_t moment) {
  SYSTEMTIME st;
  if (PickerTime(moment, &st)) SetDateTimePickers(page, dateId, timeId, st);
}
