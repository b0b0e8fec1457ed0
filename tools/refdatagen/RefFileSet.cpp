#include "refdatagen/RefFileSet.h"

const std::vector<RefFile>& RefFileSet() {
  static const std::vector<RefFile> files = {
      {"QuestData.txt", RefKind::kQuest, false},
      {"ItemData.txt", RefKind::kObjItem, true},
      {"CharacterData.txt", RefKind::kObjChar, true},
      {"SkillData.txt", RefKind::kSkill, true},
      {"SkillMasteryData.txt", RefKind::kSkillMastery, false},
      {"MagicOption.txt", RefKind::kMagicOption, false},
      {"MagicOptionAssign.txt", RefKind::kMagicOptAssign, false},
      {"LevelData.txt", RefKind::kLevelExpOffset, false},
      {"SiegeFortress.txt", RefKind::kSiegeFortress, false},
      {"TextDataName.txt", RefKind::kText, false},
      {"TextUISystem.txt", RefKind::kText, false},
      {"TextQuest.txt", RefKind::kText, false},
      {"RefServerEventID.txt", RefKind::kServerEventID, false},
  };
  return files;
}
