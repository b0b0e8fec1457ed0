#include "unit/gamelog/GameLogRefData.h"

#include <gtest/gtest.h>

#include "unit/refdata/RefDataFiles.h"

namespace {

// Character type parts {flag, category, class, group, subgroup, detail}: 2 in the last
// place makes a cargo pet, 1 a riding pet.
void WriteGameLogSet(const CScratchDir& dir) {
  dir.WriteCompleteSet();
  dir.Write("ItemData_1.txt", ItemRow(1001, "ITEM_SWORD", "SN_ITEM_SWORD", {0, 0, 3, 1, 6, 1}, 2) +
                                  ItemRow(1002, "ITEM_GOLD", "SN_ITEM_GOLD", {0, 0, 3, 3, 5, 0}));
  dir.Write("CharacterData_1.txt", CharRow(2001, "COS_HORSE", "SN_COS_HORSE", {0, 1, 1, 2, 3, 1}) +
                                       CharRow(2002, "COS_CARGO", "SN_COS_CARGO", {0, 1, 1, 2, 3, 2}) +
                                       CharRow(2003, "COS_%s_CAT", "SN_COS_NO_TEXT", {0, 1, 1, 2, 3, 2}));
  dir.Write("SkillData_1.txt", SkillRow(3001, "SN_SKILL_A4", "SN_SKILL_A62", 7) +
                                   SkillRow(3002, "SN_SKILL_B4", "xxx", 3) +
                                   SkillRow(3003, "SN_SKILL_C4", "SN_SKILL_NO_TEXT", 12));
  dir.Write("SkillMasteryData.txt", MasteryRow(257, "SN_MASTERY_SWORD") + MasteryRow(258, "SN_MASTERY_NO_TEXT"));
  dir.Write("QuestData.txt", QuestRow(10, "QNO_FIRST") + QuestRow(11, "QNO_NO_TEXT"));
  dir.Write("TextDataName.txt", TextRow("SN_ITEM_SWORD", "Sword") + TextRow("SN_COS_HORSE", "Horse 100% %s") +
                                    TextRow("SN_COS_CARGO", "Pack Ox") + TextRow("SN_SKILL_A62", "Blade Dance") +
                                    TextRow("SN_SKILL_A4", "Blade Dance (old)") +
                                    TextRow("SN_SKILL_B4", "Iron Wall") +
                                    TextRow("SN_MASTERY_SWORD", "Sword Mastery"));
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
