#pragma once
// The console's own operator log as the simulated log service holds it, read from a
// readable file, one record a line, fields separated by " | ":
//
//   # comment
//   <user> | <category code> | <YYYY-MM-DD hh:mm:ss[.fraction]> | <text>
//
// The text runs to the end of the line and may hold "|", colour marks and "%s". The
// fraction digits are the record's fraction field as written (nanoseconds when nine).
// A user name longer than 127 characters or a text longer than 255 is an error, so
// every record fits its wire fields with a terminating zero.
#include <cstdint>
#include <string>
#include <vector>

#include "opslog/KDLogRecord.h"

// Ordering key of a time to the second (the fraction does not take part).
int64_t KDLogTimeKey(const LogTime& t);

// "Y-M-D h:m:s" with decimal fields in their calendar ranges and nothing after them,
// the form the console log page sends ("%d-%d-%d %02d:%02d:%02d").
bool ParseKDLogTime(const char* text, LogTime* time);

bool ParseKDLogRecords(const std::string& text, std::vector<KDLogRecord>* records, std::string* error);
bool LoadKDLogRecords(const char* path, std::vector<KDLogRecord>* records, std::string* error);
