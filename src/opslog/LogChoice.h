#pragma once
// Entries of a page's choice lists: their texts and the item data the requests take.
#include <cstdint>
#include <string>
#include <vector>

// A fixed entry of the module's own.

struct LogChoice {
  const char* text;
  uint32_t data;
};

// An entry built at set-up from the directory or the reference data.
struct ChoiceEntry {
  std::string text;
  uint32_t data;
};

// "Shard" entries: every shard of the console's shard list by name, with its identifier,
// in the console's order (a sorted box shows them by name).
std::vector<ChoiceEntry> ShardEntries();
