#include "unit/gamelog/ItemTestRef.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "unit/refdata/RefDataFiles.h"

namespace {

std::unique_ptr<CGameRefData> LoadItemTestRef() {
  CScratchDir dir;
  dir.WriteCompleteSet();
  dir.Write("ItemData_1.txt",
            ItemRow(kRareSword, "ITEM_SWORD", "SN_ITEM_SWORD", {0, 0, 3, 1, 6, 1}, 2) +
                ItemRow(kBow, "ITEM_BOW", "SN_ITEM_BOW", {0, 0, 3, 1, 6, 2}, 1) +
                ItemRow(kMail, "ITEM_MAIL", "SN_ITEM_MAIL", {0, 0, 3, 1, 1, 0}) +
                ItemRow(kShield, "ITEM_SHIELD", "SN_ITEM_SHIELD", {0, 0, 3, 1, 4, 1}) +
                ItemRow(kRing, "ITEM_RING", "SN_ITEM_RING", {0, 0, 3, 1, 5, 0}) +
                ItemRow(kBanner, "ITEM_BANNER", "SN_ITEM_BANNER", {0, 0, 3, 1, 7, 0}, 2));
  dir.Write("ItemData_2.txt",
            ItemRow(kPotion, "ITEM_POTION", "SN_ITEM_POTION", {0, 0, 3, 3, 1, 0}) +
                ItemRow(kGold, "ITEM_GOLD", "SN_ITEM_GOLD", {0, 0, 3, 3, 5, 0}) +
                ItemRow(kGoldToken, "ITEM_GOLD_TOKEN", "SN_ITEM_GOLD_TOKEN", {0, 0, 3, 3, 5, 1}) +
                ItemRow(kSilk, "ITEM_SILK", "SN_ITEM_SILK", {0, 0, 3, 3, 8, 0}) +
                ItemRow(kPetScroll, "ITEM_PET_SCROLL", "SN_ITEM_PET_SCROLL", {0, 0, 3, 2, 0, 0}) +
                ItemRow(kNoNameText, "ITEM_NONAME", "SN_ITEM_NONAME", {0, 0, 3, 1, 6, 0}) +
                ItemRow(kRarePotion, "ITEM_RARE_POTION", "SN_ITEM_POTION", {0, 0, 3, 3, 1, 0}, 2));
  dir.Write("CharacterData_1.txt", CharRow(kShopNpc, "NPC_SHOP", "SN_NPC_SHOP", {0, 0, 1, 2, 0, 0}));
  dir.Write("SkillData_1.txt", SkillRow(kFireBall, "SN_SKILL_FB4", "SN_SKILL_FB62"));
  dir.Write("TextDataName.txt",
            TextRow("SN_ITEM_SWORD", "Sword") + TextRow("SN_ITEM_BOW", "Bow") + TextRow("SN_ITEM_MAIL", "Mail") +
                TextRow("SN_ITEM_POTION", "Potion") + TextRow("SN_ITEM_GOLD", "Gold") +
                TextRow("SN_ITEM_SILK", "100% Silk") + TextRow("SN_NPC_SHOP", "Grocer") +
                TextRow("SN_SKILL_FB62", "Fire Ball"));
  std::unique_ptr<CGameRefData> ref(new CGameRefData);
  EXPECT_TRUE(ref->Load());
  return ref;
}

}  // namespace

const CGameRefData& ItemTestRef() {
  static std::unique_ptr<CGameRefData> ref = LoadItemTestRef();
  return *ref;
}

GameLogItemRecord ItemRecord(uint8_t operation, uint32_t refItemId, uint32_t data, uint8_t slotFrom, uint8_t slotTo,
                             const char* text) {
  GameLogItemRecord r;
  r.operation = operation;
  r.refItemId = refItemId;
  r.data = data;
  r.slotFrom = slotFrom;
  r.slotTo = slotTo;
  r.text = text;
  return r;
}
