#pragma once
// Date and time pickers come in pairs: one for the date, one for the time of day.
#include <windows.h>

#include <ctime>
#include <string>

// "%d-%d-%d %02d:%02d:%02d": year, month and day of the date picker with hour, minute
// and second of the time picker.
std::string GetDateTimeText(HWND datePicker, HWND timePicker);

// Sets both pickers of a pair to the local time of the given moment.
void SetDateTimePickers(HWND page, int dateId, int timeId, time_t moment);
