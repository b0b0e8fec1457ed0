#include "unit/gamelog/GameLogRefData.h"

#include <gtest/gtest.h>

#include "unit/refdata/RefDataFiles.h"

namespace {

// Item type parts {flag, category, class, group, subgroup, detail}: group 1 equipment
// (subgroup 1 armor, 4 shield, 5 accessory, 6 weapon), 3 expendables (1 potion, 5 gold,
// 8 trade goods). Character type parts: 2 in the last place makes a cargo pet, 1 a
// riding pet.
void WriteGameLogSet(const CScratchDir& dir) {
  dir.WriteCompleteSet();
  dir.Write("ItemData_1.txt",
            ItemRow(kRareSword, "ITEM_SWORD", "SN_ITEM_SWORD", {0, 0, 3, 1, 6, 1}, 2) +
                ItemRow(kBow, "ITEM_BOW", "SN_ITEM_BOW", {0, 0, 3, 1, 6, 2}, 1) +
                ItemRow(kMail, "ITEM_MAIL", "SN_ITEM_MAIL", {0, 0, 3, 1, 1, 0}) +
                ItemRow(kShield, "ITEM_SHIELD", "SN_ITEM_SHIELD", {0, 0, 3, 1, 4, 1}) +
                ItemRow(kRing, "ITEM_RING", "SN_ITEM_RING", {0, 0, 3, 1, 5, 0}) +
                ItemRow(kBanner, "ITEM_BANNER", "SN_ITEM_BANNER", {0, 0, 3, 1, 7, 0}, 2));
  dir.Write("ItemData_2.txt",
            ItemRow(kGold, "ITEM_GOLD", "SN_ITEM_GOLD", {0, 0, 3, 3, 5, 0}) +
                ItemRow(kSilk, "ITEM_SILK", "SN_ITEM_SILK", {0, 0, 3, 3, 8, 0}) +
                ItemRow(kPotion, "ITEM_POTION", "SN_ITEM_POTION", {0, 0, 3, 3, 1, 0}) +
                ItemRow(kGoldToken, "ITEM_GOLD_TOKEN", "SN_ITEM_GOLD_TOKEN", {0, 0, 3, 3, 5, 1}) +
                ItemRow(kPetScroll, "ITEM_PET_SCROLL", "SN_ITEM_PET_SCROLL", {0, 0, 3, 2, 0, 0}) +
                ItemRow(kNoNameText, "ITEM_NONAME", "SN_ITEM_NONAME", {0, 0, 3, 1, 6, 0}) +
                ItemRow(kRarePotion, "ITEM_RARE_POTION", "SN_ITEM_POTION", {0, 0, 3, 3, 1, 0}, 2));
  dir.Write("CharacterData_1.txt", CharRow(kHorse, "COS_HORSE", "SN_COS_HORSE", {0, 1, 1, 2, 3, 1}) +
                                       CharRow(kCargo, "COS_CARGO", "SN_COS_CARGO", {0, 1, 1, 2, 3, 2}) +
                                       CharRow(kNoTextCat, "COS_%s_CAT", "SN_COS_NO_TEXT", {0, 1, 1, 2, 3, 2}) +
                                       CharRow(kShopNpc, "NPC_SHOP", "SN_NPC_SHOP", {0, 0, 1, 2, 0, 0}));
  dir.Write("SkillData_1.txt", SkillRow(kBladeDance, "SN_SKILL_A4", "SN_SKILL_A62", 7) +
                                   SkillRow(kIronWall, "SN_SKILL_B4", "xxx", 3) +
                                   SkillRow(kNoTextSkill, "SN_SKILL_C4", "SN_SKILL_NO_TEXT", 12));
  dir.Write("SkillMasteryData.txt", MasteryRow(257, "SN_MASTERY_SWORD") + MasteryRow(258, "SN_MASTERY_NO_TEXT"));
  dir.Write("QuestData.txt", QuestRow(kQuestFirst, "QNO_FIRST") + QuestRow(kQuestNoText, "QNO_NO_TEXT"));
  dir.Write("TextDataName.txt",
            TextRow("SN_ITEM_SWORD", "Sword") + TextRow("SN_ITEM_BOW", "Bow") + TextRow("SN_ITEM_MAIL", "Mail") +
                TextRow("SN_ITEM_POTION", "Potion") + TextRow("SN_ITEM_GOLD", "Gold") +
                TextRow("SN_ITEM_SILK", "100% Silk") + TextRow("SN_NPC_SHOP", "Grocer") +
                TextRow("SN_COS_HORSE", "Horse 100% %s") + TextRow("SN_COS_CARGO", "Pack Ox") +
                TextRow("SN_SKILL_A62", "Blade Dance") + TextRow("SN_SKILL_A4", "Blade Dance (old)") +
                TextRow("SN_SKILL_B4", "Iron Wall") + TextRow("SN_MASTERY_SWORD", "Sword Mastery"));
  dir.Write("TextQuest.txt", TextRow("SN_QNO_FIRST", "The first quest"));
}

}  // namespace

const CGameRefData& GameLogRefData() {
  static CGameRefData* data = [] {
    CScratchDir dir;
    WriteGameLogSet(dir);
    CLogCapture quiet;
    auto* loaded = new CGameRefData;
    if (!loaded->Load()) ADD_FAILURE() << "the game log reference set did not load";
    return loaded;
  }();
  return *data;
}
