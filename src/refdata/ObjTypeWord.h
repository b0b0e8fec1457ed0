#pragma once
// The 16-bit type word of object records (items, characters), built from six columns,
// and the kind tests on it. Bits: 0 typeFlag, 1 typeCategory, 2-4 typeClass,
// 5-6 typeGroup, 7-10 typeSubgroup, 11-15 typeDetail. typeFlag takes part in no test.
#include <cstdint>

// Each value is cut to the width of its part (low bits kept).
uint16_t MakeTypeWord(int32_t flag, int32_t category, int32_t typeClass, int32_t group,
                      int32_t subgroup, int32_t detail);

inline unsigned TypeCategory(uint16_t w) { return (w >> 1) & 0x1; }
inline unsigned TypeClass(uint16_t w) { return (w >> 2) & 0x7; }
inline unsigned TypeGroup(uint16_t w) { return (w >> 5) & 0x3; }
inline unsigned TypeSubgroup(uint16_t w) { return (w >> 7) & 0xF; }
inline unsigned TypeDetail(uint16_t w) { return (w >> 11) & 0x1F; }

// Item kinds; each requires typeCategory 0 and typeClass 3.
bool IsEquipment(uint16_t typeWord);   // typeGroup 1
bool IsExpendable(uint16_t typeWord);  // typeGroup 3
bool IsGold(uint16_t typeWord);        // typeGroup 3, typeSubgroup 5, typeDetail not 1
bool IsTradeGoods(uint16_t typeWord);  // typeGroup 3, typeSubgroup 8

// A character record that is a cargo pet: typeCategory 1, typeClass 1, typeGroup 2,
// typeSubgroup 3, typeDetail 2.
bool IsCargoPet(uint16_t typeWord);
