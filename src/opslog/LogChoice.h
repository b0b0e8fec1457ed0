#pragma once
// Entries of a page's choice lists: their texts and the item data the requests take.
// A fixed entry of the module's own is a LogChoice of the text table kit.
#include <cstdint>
#include <string>
#include <vector>

#include "base/CodeTable.h"

// An entry built at set-up from the directory or the reference data. It keeps a copy of
// its text: a shard's name is read from a field that need not hold its zero.
struct ChoiceEntry {
  std::string text;
  uint32_t data;
};

// "Shard" entries: every shard of the console's shard list by name, with its identifier,
// in the console's order (a sorted box shows them by name).
std::vector<ChoiceEntry> ShardEntries();
