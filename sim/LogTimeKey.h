#pragma once
// Times as every simulated log service reads and orders them: the text the pages send
// and the sample logs hold, and a key that orders times to the second.
#include <cstdint>

#include "msg/LogTime.h"

// Ordering key of a time to the second (the fraction does not take part).
int64_t LogTimeKey(const LogTime& t);

// "Y-M-D h:m:s" with decimal fields in their calendar ranges and nothing after them,
// the form the pages send ("%d-%d-%d %02d:%02d:%02d").
bool ParseLogTime(const char* text, LogTime* time);
