#include "gamelog/ItemAttrText.h"

#include <cstring>
#include <iterator>

#include "base/CodeTable.h"
#include "base/Format.h"
#include "base/LogOutput.h"
#include "gamelog/ConsoleOpText.h"
#include "gamelog/ItemTextPieces.h"
#include "refdata/KV_GameRefData.h"

namespace {

const char* const kMagicAttrNames[] = {
    "MATTR_STR",           "MATTR_INT",
    "MATTR_ATHANASIA",     "MATTR_SOLID",
    "MATTR_LUCK",          "MATTR_RESIST_FROSTBITE",
    "MATTR_RESIST_ESHOCK", "MATTR_RESIST_BURN",
    "MATTR_RESIST_POISON", "MATTR_RESIST_ZOMBIE",
    "MATTR_DEC_MAXDUR",    "MATTR_NOT_REPARABLE",
    "MATTR_REINFORCE_ITEM", "MATTR_DUR",
    "MATTR_HR",            "MATTR_EVADE_BLOCK",
    "MATTR_EVADE_CRITICAL", "MATTR_ER",
    "MATTR_HP",            "MATTR_MP",
    "MATTR_ASTRAL",        "MATTR_REPAIR",
    "MATTR_CRITICAL",      "MATTR_BLOCKRATE",
    "MATTR_REGENHPMP",     "MATTR_RESIST_STUN",
    "MATTR_RESIST_CSMP",   "MATTR_RESIST_DISEASE",
    "MATTR_RESIST_SLEEP",  "MATTR_RESIST_FEAR",
    "MATTR_UNIQUE_MONSTER_DAMAGE_UP", "MATTR_APE",
};
static_assert(std::size(kMagicAttrNames) == 32, "32 magic options");

const char* const kAvatarMagicAttrNames[] = {
    "MATTR_AVATAR_STR",  "MATTR_AVATAR_INT",  "MATTR_AVATAR_HR",   "MATTR_AVATAR_ER",
    "MATTR_AVATAR_HP",   "MATTR_AVATAR_MP",   "MATTR_AVATAR_DRUA", "MATTR_AVATAR_DARA",
    "MATTR_AVATAR_MDIA", "MATTR_AVATAR_HPRG", "MATTR_AVATAR_MPRG", "MATTR_AVATAR_LUCK",
};
static_assert(std::size(kAvatarMagicAttrNames) == 12, "12 avatar options");

const char* const kArmorStats[] = {
    "IVS_ARMOR_DURABILITY",  "IVS_ARMOR_PHY_SPECIALIZE", "IVS_ARMOR_MAG_SPECIALIZE",
    "IVS_ARMOR_PHY_DEFENSE", "IVS_ARMOR_MAG_DEFENSE",    "IVS_ARMOR_EVASION_RATIO",
};
const char* const kWeaponStats[] = {
    "IVS_WEAPON_DURABILITY", "IVS_WEAPON_PHY_SPECIALIZE", "IVS_WEAPON_MAG_SPECIALIZE", "IVS_WEAPON_HIT_RATIO",
    "IVS_WEAPON_PHY_DMG",    "IVS_WEAPON_MAG_DMG",        "IVS_WEAPON_CRITICAL_HITRATIO",
};
const char* const kShieldStats[] = {
    "IVS_SHIELD_DURABILITY",  "IVS_SHIELD_PHY_SPECIALIZE", "IVS_SHIELD_MAG_SPECIALIZE",
    "IVS_SHIELD_BLOCK_RATIO", "IVS_SHIELD_PHY_DEFENSE",    "IVS_SHIELD_MAG_DEFENSE",
};
const char* const kAccessoryStats[] = {"IVS_ACCESSORY_PHY_ABSORB_RATIO", "IVS_ACCESSORY_MAG_ABSORB_RATIO"};

// Stats that hold a lower bound in bits 0-15 and an upper bound in bits 16-31.
const char* const kPairStats[] = {"IVS_WEAPON_PHY_SPECIALIZE", "IVS_WEAPON_MAG_SPECIALIZE", "IVS_WEAPON_PHY_DMG",
                                  "IVS_WEAPON_MAG_DMG"};

// The stat kinds are equipment told apart by subgroup (and detail for shields).
bool IsArmor(uint16_t w) {
  unsigned s = TypeSubgroup(w);
  return IsEquipment(w) && (s == 1 || s == 2 || s == 3 || s == 9 || s == 10 || s == 11);
}
bool IsWeapon(uint16_t w) { return IsEquipment(w) && TypeSubgroup(w) == 6; }
bool IsShield(uint16_t w) {
  return IsEquipment(w) && TypeSubgroup(w) == 4 && (TypeDetail(w) == 1 || TypeDetail(w) == 2);
}
bool IsAccessory(uint16_t w) { return IsEquipment(w) && (TypeSubgroup(w) == 5 || TypeSubgroup(w) == 12); }

struct StatKind {
  bool (*is)(uint16_t);
  const char* const* names;
  size_t count;
};
const StatKind kStatKinds[] = {
    {IsArmor, kArmorStats, std::size(kArmorStats)},
    {IsWeapon, kWeaponStats, std::size(kWeaponStats)},
    {IsShield, kShieldStats, std::size(kShieldStats)},
    {IsAccessory, kAccessoryStats, std::size(kAccessoryStats)},
};

// The name at the index, or "Unknown <table>(index)" past the table's end.
std::string NameAt(const char* const* names, size_t count, unsigned index, const char* table) {
  if (index < count) return names[index];
  return FormatLine("Unknown %s(%u)", table, index);
}

bool IsPairStat(const std::string& name) {
  for (const char* pair : kPairStats) {
    if (name == pair) return true;
  }
  return false;
}

int Signed16(uint32_t half) { return static_cast<int16_t>(static_cast<uint16_t>(half)); }
int Lo16(uint32_t value) { return Signed16(value & 0xFFFF); }
int Hi16(uint32_t value) { return Signed16(value >> 16); }
unsigned Byte(uint32_t value, int n) { return (value >> (8 * n)) & 0xFF; }

std::string ChangeText(const std::string& name, int before, int after, const std::string& text) {
  return FormatLine("^2%s^0 : ^8+%d ==> +%d^0, ^1ItemMagicOpt : %s", name.c_str(), before, after, text.c_str());
}

std::string VarianceStatName(const RefObjItem* item, unsigned index) {
  if (!item) return FormatLine("Unregistered Item Stat(%u)", index);
  return ItemStatName(item->typeWord, index);
}

// Attribute stones and assimilation: the stat and its old and new value, from the data
// or, when the data is 0, from "first#old#new" in the text.
bool VarianceChange(const GameLogItemRecord& r, const RefObjItem* item, std::string* description) {
  if (r.slotTo == 255) {
    *description = ChangeText(VarianceStatName(item, Byte(r.data, 2)), Byte(r.data, 1), Byte(r.data, 0), r.text);
    return true;
  }
  std::string name = VarianceStatName(item, r.slotTo);
  if (r.data != 0) {
    *description = ChangeText(name, Hi16(r.data), Lo16(r.data), r.text);
    return true;
  }
  size_t first = r.text.find('#');
  size_t second = first == std::string::npos ? first : r.text.find('#', first + 1);
  if (second == std::string::npos) return false;
  uint32_t before = static_cast<uint32_t>(ReadDecimal(r.text.substr(first + 1, second - first - 1)));
  uint32_t after = static_cast<uint32_t>(ReadDecimal(r.text.c_str() + second + 1));
  if (IsPairStat(name)) {
    *description = FormatLine("^2%s^0 : ^8+%d ~ +%d ==> +%d ~ +%d^0, ^1ItemMagicOpt : %s", name.c_str(), Lo16(before),
                              Hi16(before), Lo16(after), Hi16(after), r.text.c_str());
  } else {
    *description = ChangeText(name, static_cast<int32_t>(before), static_cast<int32_t>(after), r.text);
  }
  return true;
}

bool Reinforcement(const GameLogItemRecord& r, const RefObjItem*, std::string* description) {
  *description = FormatLine("^8+%d ==> +%d^0, ^1ItemMagicOpt : %s", Lo16(r.data), Hi16(r.data), r.text.c_str());
  return true;
}

bool MagicChange(const GameLogItemRecord& r, const RefObjItem*, std::string* description) {
  *description = ChangeText(MagicAttrName(Byte(r.data, 2)), Byte(r.data, 1), Byte(r.data, 0), r.text);
  return true;
}

bool AvatarChange(const GameLogItemRecord& r, const RefObjItem*, std::string* description) {
  *description = ChangeText(AvatarMagicAttrName(Byte(r.data, 2)), Byte(r.data, 1), Byte(r.data, 0), r.text);
  return true;
}

struct AttrChangeRow {
  uint8_t code;  // the item operation
  bool (*rule)(const GameLogItemRecord&, const RefObjItem*, std::string* description);
};

constexpr AttrChangeRow kAttrChanges[] = {
    {90, Reinforcement},   {130, MagicChange},    {132, MagicChange},
    {133, VarianceChange}, {135, VarianceChange}, {148, AvatarChange},
};
static_assert(CodesAscend(kAttrChanges), "attribute rows sorted by operation, each once");

}  // namespace

std::string FormatItemName(const GameLogItemRecord& r, const CGameRefData& ref) {
  if (r.refItemId == 0 || r.operation == 74 || r.operation == 80) return std::string();
  const RefObjItem* item = ref.FindItem(r.refItemId);
  int id = static_cast<int32_t>(r.refItemId);
  if (!item) {
    LogOutput(kLogDataError, "Log for Unregistered Item (ItemID: %d)!", id);
    return FormatLine("^2??? Unknown Item RefID[%d]^0", id);
  }
  std::string name = FormatLine("^2%s^0[^4%s^0]", ref.GetText(item->nameKey), item->codeName);
  if (IsRare(*item)) name = FormatLine("%s^2(RARE)^0", name.c_str());
  return name;
}

std::string MagicAttrName(unsigned index) {
  return NameAt(kMagicAttrNames, std::size(kMagicAttrNames), index, "Magic Option");
}

std::string AvatarMagicAttrName(unsigned index) {
  return NameAt(kAvatarMagicAttrNames, std::size(kAvatarMagicAttrNames), index, "Avatar Option");
}

std::string ItemStatName(uint16_t typeWord, unsigned index) {
  for (const StatKind& kind : kStatKinds) {
    if (kind.is(typeWord)) return NameAt(kind.names, kind.count, index, "Variance Stat");
  }
  return std::string();
}

bool FormatAttrChange(const GameLogItemRecord& r, const RefObjItem* item, std::string* description) {
  if (const AttrChangeRow* row = FindCodeRow(kAttrChanges, r.operation)) return row->rule(r, item, description);
  *description = r.text;
  return true;
}

std::string ParamKeeperText(const std::string& text, uint32_t data) {
  if (data == 0) return text;
  return FormatLine("%s, ParamKeeper FourCC[^2%d, %s^0]", text.c_str(), static_cast<int32_t>(data),
                    FourCCText(data).c_str());
}
