#include "opslog/RelayLogChoices.h"

const LogChoice kSiegeLogCategories[9] = {
    {"Start And End", 0},
    {"Result Defense And Offense", 1},
    {"Temporary Result Change Owner", 2},
    {"Struct", 3},
    {"Request", 4},
    {"Forge Item", 5},
    {"Object", 6},
    {"Success And Failed Add Reward", 7},
    {"All", kSiegeLogCategoryAll},
};

const LogChoice kServerEventCategories[4] = {
    {"Start And End", 0},
    {"Completion", 1},
    {"Reward", 2},
    {"All", kServerEventCategoryAll},
};

std::vector<ChoiceEntry> SiegeFortressEntries(const CGameRefData* data) {
  std::vector<ChoiceEntry> entries;
  if (!data) return entries;
  std::vector<const RefSiegeFortress*> fortresses;
  data->GetSiegeFortressList(fortresses);
  for (const RefSiegeFortress* f : fortresses) entries.push_back({f->codeName, static_cast<uint32_t>(f->id)});
  return entries;
}
