#pragma once
// The tables one load of the reference files fills. Once its load is over a set never
// changes, so every CGameRefData that reads the same files holds the same set: the game
// log page's and the shared instance keep one copy between them, and it goes with the
// last of its holders.
#include "refdata/RefLevelExpOffset.h"
#include "refdata/RefMagicOption.h"
#include "refdata/RefObj.h"
#include "refdata/RefQuest.h"
#include "refdata/RefServerEventID.h"
#include "refdata/RefSiegeFortress.h"
#include "refdata/RefSkill.h"
#include "refdata/RefTable.h"
#include "refdata/TextTable.h"

struct RefDataSet {
  CRefTable<RefObjItem> items;
  CRefTable<RefObjChar> chars;
  CRefTable<RefSkill> skills;
  CRefTable<RefSkillMastery> masteries;
  CRefTable<RefQuest> quests;
  CRefTable<RefMagicOption> magicOptions;
  CRefTable<RefMagicOptAssign> magicOptAssigns;
  CRefTable<RefLevelExpOffset> levels;
  CRefTable<RefSiegeFortress> fortresses;
  CRefTable<RefServerEventID> serverEvents;
  CTextTable texts;

  // Orders every record table, keeping the first record of each key; a load cut short
  // by a lack of memory leaves the tables searchable this way.
  void SealAll();
  // Gives back what only filling needs.
  void CompactAll();
};
