#pragma once
// The relay log pages' own choice lists: each page's categories, and the siege page's
// fortresses from the reference data. (The server event names are texts:
// ServerEventTexts.h.)
#include <cstdint>
#include <vector>

#include "base/LogChoice.h"
#include "refdata/KV_GameRefData.h"

// Siege "Category" entries in list order; "All" asks for every category.
enum : uint8_t { kSiegeLogCategoryAll = 250 };
extern const LogChoice kSiegeLogCategories[9];

// Server event "Category" entries in the order they are added (the box shows them
// sorted); "All" asks for every category.
enum : uint8_t { kServerEventCategoryAll = 255 };
extern const LogChoice kServerEventCategories[4];

// "FortressName" entries: each enabled fortress by code name, with its id, in
// ascending id order (the box sorts them by name). None without reference data.
std::vector<ChoiceEntry> SiegeFortressEntries(const CGameRefData* data);
