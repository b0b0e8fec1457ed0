#pragma once
// The one small reference set of the game log tests, loaded once per test program from
// files written to a scratch folder over the complete set: items of every kind the item
// texts tell apart, a shop NPC, pets, skills, masteries and quests (see the .cpp for
// their records and texts).
#include <cstdint>

#include "refdata/KV_GameRefData.h"

enum TestRefId : uint32_t {
  kRareSword = 1001,    // weapon, rarity 2, "Sword"
  kGold = 1002,         // gold, "Gold"
  kSilk = 1003,         // trade goods, "100% Silk"
  kBow = 1004,          // weapon, rarity 1: not rare
  kMail = 1005,         // armor
  kShield = 1006,       // shield
  kRing = 1007,         // accessory
  kBanner = 1008,       // equipment of none of the four stat kinds, rarity 2
  kPotion = 1010,       // expendable
  kGoldToken = 1012,    // expendable, gold's subgroup with detail 1: not gold
  kPetScroll = 1014,    // neither equipment nor expendable
  kNoNameText = 1015,   // its name key has no text
  kRarePotion = 1016,   // expendable with rarity 2: not rare
  kMissingItem = 5,     // no such item
  kHorse = 2001,        // riding pet "Horse 100% %s"
  kCargo = 2002,        // cargo pet "Pack Ox"
  kNoTextCat = 2003,    // cargo pet whose name key has no text
  kShopNpc = 7001,      // "Grocer"
  kBladeDance = 3001,   // skill named by column 62, "Blade Dance" (column 4: "Blade Dance (old)"), level 7
  kIronWall = 3002,     // skill named by column 4 behind "xxx", "Iron Wall", level 3
  kNoTextSkill = 3003,  // skill whose name key has no text, level 12
  kQuestFirst = 10,     // quest "The first quest"
  kQuestNoText = 11,    // quest whose name key has no text
};

const CGameRefData& GameLogRefData();
