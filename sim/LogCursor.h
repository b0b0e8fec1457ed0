#pragma once
// Time span bounds as the simulated log services take them from a request: an empty
// text leaves that side open; "Y-M-D h:m:s" is a time; a paging cursor
// "Y-M-D h:m:s#place", a service's own next-page text, also names the place in its log
// to go on from. Keys order times to the second (LogTimeKey).
#include <cstddef>
#include <cstdint>
#include <string>

#include "msg/LogTime.h"

// False when the text is neither; a cursor is refused where place is null.
bool ReadLogBound(const std::string& text, int64_t openValue, int64_t* key, size_t* place);

// The cursor of a page that goes on at `place`, the record there having time t.
std::string LogCursorText(const LogTime& t, size_t place);
