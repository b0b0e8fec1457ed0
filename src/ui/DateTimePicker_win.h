#pragma once
// Date and time pickers come in pairs: one for the date, one for the time of day.
#include <windows.h>

#include <ctime>
#include <string>

// "%d-%d-%d %02d:%02d:%02d": year, month and day of the date picker with hour, minute
// and second of the time picker.
std::string GetDateTimeText(HWND datePicker, HWND timePicker);

// The local time of the moment as the pickers take it; false when it cannot be had.
bool PickerTime(time_t moment, SYSTEMTIME* out);
// Sets both pickers of a pair to that time; a moment that cannot be converted leaves
// them as they are.
void SetDateTimePickers(HWND page, int dateId, int timeId, time_t moment);
void SetDateTimePickers(HWND page, int dateId, int timeId, const SYSTEMTIME& time);
