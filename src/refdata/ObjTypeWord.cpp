#include "refdata/ObjTypeWord.h"

uint16_t MakeTypeWord(int32_t flag, int32_t category, int32_t typeClass, int32_t group,
                      int32_t subgroup, int32_t detail) {
  return static_cast<uint16_t>((flag & 0x1) | (category & 0x1) << 1 | (typeClass & 0x7) << 2 |
                               (group & 0x3) << 5 | (subgroup & 0xF) << 7 | (detail & 0x1F) << 11);
}

namespace {
bool IsItemClass(uint16_t w) { return TypeCategory(w) == 0 && TypeClass(w) == 3; }
}  // namespace

bool IsEquipment(uint16_t w) { return IsItemClass(w) && TypeGroup(w) == 1; }

bool IsExpendable(uint16_t w) { return IsItemClass(w) && TypeGroup(w) == 3; }

bool IsGold(uint16_t w) {
  return IsItemClass(w) && TypeGroup(w) == 3 && TypeSubgroup(w) == 5 && TypeDetail(w) != 1;
}

bool IsTradeGoods(uint16_t w) { return IsItemClass(w) && TypeGroup(w) == 3 && TypeSubgroup(w) == 8; }

bool IsCargoPet(uint16_t w) {
  return TypeCategory(w) == 1 && TypeClass(w) == 1 && TypeGroup(w) == 2 && TypeSubgroup(w) == 3 &&
         TypeDetail(w) == 2;
}
