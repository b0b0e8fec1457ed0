#pragma once
// The console log's categories: the filter entries the operator picks from, and the
// names shown for a record's category code. The two tables differ on purpose: the
// names know codes 16 and 17 and spell 9 with a slash.
#include <cstdint>

#include "base/CodeTable.h"

// "Query By" entries: by user name (0) or by category (1).
enum : uint32_t { kKDLogByUserName = 0, kKDLogByCategory = 1 };
extern const LogChoice kKDLogQueryByEntries[2];

// Filter entries in the order they are added; "All" (0) queries every category.
extern const LogChoice kKDLogFilterEntries[14];

// The name shown for a category code; "Unknown" for codes outside the table.
const char* KDLogCategoryName(uint8_t code);
