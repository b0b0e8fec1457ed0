#pragma once
// A small reference set for the item text tests, loaded once from scratch files: items
// of every kind the texts tell apart, a shop NPC, skills and a quest.
#include <cstdint>

#include "gamelog/GameLogRecord.h"
#include "refdata/KV_GameRefData.h"

enum TestRefId : uint32_t {
  kRareSword = 5001,    // weapon, rarity 2, "Sword"
  kBow = 5002,          // weapon, rarity 1: not rare
  kMail = 5003,         // armor
  kShield = 5004,       // shield
  kRing = 5005,         // accessory
  kBanner = 5006,       // equipment of none of the four stat kinds, rarity 2
  kPotion = 5010,       // expendable
  kGold = 5011,         // gold
  kGoldToken = 5012,    // expendable, gold's subgroup with detail 1: not gold
  kSilk = 5013,         // trade goods
  kPetScroll = 5014,    // neither equipment nor expendable
  kNoNameText = 5015,   // its name key has no text
  kRarePotion = 5016,   // expendable with rarity 2: not rare
  kMissingItem = 5,     // no such item
  kShopNpc = 7001,      // "Grocer"
  kFireBall = 3001,     // skill named by column 62, "Fire Ball"
  kQuestFirst = 10,     // quest "The first quest"
};

const CGameRefData& ItemTestRef();

// A record of the operation with the other fields at their defaults.
GameLogItemRecord ItemRecord(uint8_t operation, uint32_t refItemId = 0, uint32_t data = 0,
                             uint8_t slotFrom = 0, uint8_t slotTo = 0, const char* text = "");
