#pragma once
// Entries of a page's choice lists: their texts and the item data the requests take.
#include <cstdint>
#include <string>

// A fixed text and the number it stands for: an entry of a choice list with the item
// data its request takes, or the name of a code.
struct LogChoice {
  const char* text;
  uint32_t data;
};

// An entry built at set-up from the directory or the reference data. It keeps a copy of
// its text: a shard's name is read from a field that need not hold its zero.
struct ChoiceEntry {
  std::string text;
  uint32_t data;
};
