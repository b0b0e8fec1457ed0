#include "refdata/RefDataSet.h"

void RefDataSet::SealAll() {
  items.Seal();
  chars.Seal();
  skills.Seal();
  masteries.Seal();
  quests.Seal();
  magicOptions.Seal();
  magicOptAssigns.Seal();
  levels.Seal();
  fortresses.Seal();
  serverEvents.Seal();
}

void RefDataSet::CompactAll() {
  items.Compact();
  chars.Compact();
  skills.Compact();
  masteries.Compact();
  quests.Compact();
  magicOptions.Compact();
  magicOptAssigns.Compact();
  levels.Compact();
  fortresses.Compact();
  serverEvents.Compact();
  texts.Compact();
}
