#include "gamelog/ItemLocationText.h"

#include <cstdint>
#include <iterator>

#include "base/CodeTable.h"
#include "base/Format.h"
#include "refdata/KV_GameRefData.h"

namespace {

enum : int { kLastEquipSlot = 12, kFirstInventorySlot = 13, kLastInventorySlot = 111, kChestPage = 30 };

const char* const kEquipSlotNames[] = {
    "^4Helm^0Slot",   "^4Mail^0Slot",    "^4ShoulderGuard^0Slot", "^4Gauntlet^0Slot",   "^4Pants^0Slot",
    "^4Boots^0Slot",  "^4Weapon^0Slot",  "^4Shield(Arrow)^0Slot", "^4Extra^0Slot",      "^4EarRing^0",
    "^4Necklace^0",   "^4Ring^0Slot(Left)", "^4Ring^0Slot(Right)",
};
static_assert(std::size(kEquipSlotNames) == kLastEquipSlot + 1, "one name per equipment slot");

const char kInventory[] = "^6Inventory^0";
const char kEquipWnd[] = "^8EquipWnd^0";

bool IsInventorySlot(int slot) { return slot >= kFirstInventorySlot && slot <= kLastInventorySlot; }
bool IsEquipSlot(int slot) { return slot <= kLastEquipSlot; }

// How a slot column is built from the record.
enum SlotRule : uint8_t {
  kNoSlot,
  kInvFrom,
  kInvTo,
  kOneFrom,
  kOneTo,
  kPageFrom,
  kPageTo,
  kPlainFrom,     // plain decimal
  kPlainTo,
  kZeroBasedTo,   // "%2d" of slotTo - 1: a pet's pick counts from 1
};

std::string SlotText(SlotRule rule, const GameLogItemRecord& r) {
  switch (rule) {
    case kNoSlot: return std::string();
    case kInvFrom: return InventorySlotText(r.slotFrom);
    case kInvTo: return InventorySlotText(r.slotTo);
    case kOneFrom: return OneBasedSlotText(r.slotFrom);
    case kOneTo: return OneBasedSlotText(r.slotTo);
    case kPageFrom: return ChestSlotPageText(r.slotFrom);
    case kPageTo: return ChestSlotPageText(r.slotTo);
    case kPlainFrom: return FormatLine("%d", r.slotFrom);
    case kPlainTo: return FormatLine("%d", r.slotTo);
    case kZeroBasedTo: return FormatLine("%2d", r.slotTo - 1);
  }
  return std::string();
}

// One side of a move inside the character's own space: its name and slot text.
void ClassifySide(int slot, std::string& side, std::string& slotText) {
  if (IsInventorySlot(slot)) {
    side = kInventory;
    slotText = InventorySlotText(slot);
  } else if (IsEquipSlot(slot)) {
    side = kEquipWnd;
    slotText = EquipSlotName(slot);
  }
}

void DropRule(const GameLogItemRecord& r, const CGameRefData&, ItemLocationTexts& out) {
  ClassifySide(r.slotFrom, out.storage, out.slotFrom);
  out.storage += " ==> Map";
}

bool IsTradeGoodsItem(const GameLogItemRecord& r, const CGameRefData& ref) {
  const RefObjItem* item = ref.FindItem(r.refItemId);
  return item && IsTradeGoods(item->typeWord);
}

void ShopBuyRule(const GameLogItemRecord& r, const CGameRefData& ref, ItemLocationTexts& out) {
  if (IsTradeGoodsItem(r, ref)) {
    out.storage = "^9SpecialTy Shop^0 ==> Cart Inventory";
    out.slotTo = OneBasedSlotText(r.slotTo);
  } else {
    out.storage = "^9Shop^0 ==> ^6Inventory^0";
    out.slotTo = InventorySlotText(r.slotTo);
  }
}

void ShopSellRule(const GameLogItemRecord& r, const CGameRefData& ref, ItemLocationTexts& out) {
  if (IsTradeGoodsItem(r, ref)) {
    out.storage = "Cart Inventory ==> ^9Shop^0";
    out.slotFrom = OneBasedSlotText(r.slotFrom);
  } else {
    out.storage = "^6Inventory^0 ==> ^9Shop^0";
    out.slotFrom = InventorySlotText(r.slotFrom);
  }
}

void FMarketSoldRule(const GameLogItemRecord& r, const CGameRefData&, ItemLocationTexts& out) {
  out.storage = "FMarket ==> ^6Opposite Inventory^0";
  out.slotFrom = OneBasedSlotText(r.slotTo) + "(InventorySlot: " + InventorySlotText(r.slotFrom) + ")";
}

void ConsoleEditRule(const GameLogItemRecord& r, const CGameRefData&, ItemLocationTexts& out) {
  out.slotFrom = "KDC";
  out.slotTo = r.slotTo == 255 ? "Invalid Slot" : FormatLine("%d", r.slotTo);
}

void SameStorageRule(const GameLogItemRecord& r, const CGameRefData&, ItemLocationTexts& out) {
  out = FormatSameStorageMove(r);
}

typedef void (*LocationRule)(const GameLogItemRecord&, const CGameRefData&, ItemLocationTexts&);

struct LocationRow {
  uint8_t code;
  const char* storage;
  SlotRule from;
  SlotRule to;
  LocationRule rule;  // when set, builds all three texts instead of the columns before it
};

const char kInvToChest[] = "^6Inventory^0 ==> ^4Chest^0";
const char kChestToInv[] = "^4Chest^0 ==> ^6Inventory^0";
const char kServerToInv[] = "Server ==> ^6Inventory^0";
const char kInvToExchange[] = "^6Inventory^0 ==> ExchangeWnd";
const char kMineToOpposite[] = "^6My Inventory^0 ==> ^6Opposite Inventory^0";
const char kOppositeToMine[] = "^6Opposite Inventory^0 ==> ^6My Inventory^0";
const char kFMarketToInv[] = "FMarket ==> ^6Inventory^0";
const char kMapToInv[] = "Map ==> ^6Inventory^0";
const char kInvToGuildChest[] = "^6Inventory^0 ==> ^4Guild Chest^0";
const char kGuildChestToInv[] = "^4Guild Chest^0 ==> ^6Inventory^0";

constexpr LocationRow kLocations[] = {
    {10, "", kNoSlot, kNoSlot, SameStorageRule},
    {11, "", kNoSlot, kNoSlot, SameStorageRule},
    {12, "", kNoSlot, kNoSlot, SameStorageRule},
    {13, "", kNoSlot, kNoSlot, SameStorageRule},
    {14, "", kNoSlot, kNoSlot, SameStorageRule},
    {15, "", kNoSlot, kNoSlot, SameStorageRule},
    {16, kInventory, kInvFrom, kNoSlot, nullptr},
    {20, kInvToChest, kInvFrom, kPageTo, nullptr},
    {21, kChestToInv, kPageFrom, kInvTo, nullptr},
    {22, kInvToChest, kNoSlot, kNoSlot, nullptr},
    {23, kChestToInv, kNoSlot, kNoSlot, nullptr},
    {30, kMapToInv, kNoSlot, kInvTo, nullptr},
    {31, "", kNoSlot, kNoSlot, DropRule},
    {32, "", kNoSlot, kNoSlot, ShopBuyRule},
    {33, "", kNoSlot, kNoSlot, ShopSellRule},
    {34, "^6Inventory^0 ==> Map", kNoSlot, kNoSlot, nullptr},
    {35, "^8ITEMMALL^0", kNoSlot, kInvTo, nullptr},
    {40, kServerToInv, kNoSlot, kInvTo, nullptr},
    {41, "^6Inventory^0 ==> Server", kInvFrom, kNoSlot, nullptr},
    {42, kServerToInv, kNoSlot, kInvTo, nullptr},
    {54, kInvToExchange, kInvFrom, kOneTo, nullptr},
    {55, "ExchangeWnd ==> ^6Inventory^0", kOneTo, kNoSlot, nullptr},
    {56, kInvToExchange, kNoSlot, kNoSlot, nullptr},
    {57, kMineToOpposite, kInvFrom, kInvTo, nullptr},
    {58, kOppositeToMine, kInvFrom, kInvTo, nullptr},
    {59, kMineToOpposite, kNoSlot, kNoSlot, nullptr},
    {60, kOppositeToMine, kNoSlot, kNoSlot, nullptr},
    {72, "^6Inventory^0 ==> FMarket", kInvFrom, kOneTo, nullptr},
    {73, kFMarketToInv, kOneFrom, kInvTo, nullptr},
    {74, "FMarket", kNoSlot, kOneTo, nullptr},
    {75, "", kNoSlot, kNoSlot, FMarketSoldRule},
    {77, kFMarketToInv, kOneFrom, kInvTo, nullptr},
    {80, kInventory, kNoSlot, kNoSlot, nullptr},
    {90, kInventory, kInvFrom, kNoSlot, nullptr},
    {91, kInventory, kInvFrom, kNoSlot, nullptr},
    {99, "", kNoSlot, kNoSlot, ConsoleEditRule},
    {101, "", kPlainFrom, kPlainTo, nullptr},
    {111, "Timed Job Keeper", kNoSlot, kNoSlot, nullptr},
    {114, kMapToInv, kNoSlot, kZeroBasedTo, nullptr},
    {117, kInvToGuildChest, kNoSlot, kNoSlot, nullptr},
    {118, kGuildChestToInv, kNoSlot, kNoSlot, nullptr},
    {119, kInvToGuildChest, kInvFrom, kPageTo, nullptr},
    {120, kGuildChestToInv, kPageFrom, kInvTo, nullptr},
    {130, kInventory, kInvFrom, kNoSlot, nullptr},
    {131, kInventory, kInvFrom, kNoSlot, nullptr},
    {132, kInventory, kInvFrom, kNoSlot, nullptr},
    {133, kInventory, kInvFrom, kNoSlot, nullptr},
    {134, kInventory, kInvFrom, kNoSlot, nullptr},
    {135, kInventory, kInvFrom, kNoSlot, nullptr},
    {136, kInventory, kInvFrom, kNoSlot, nullptr},
    {137, kInventory, kInvFrom, kNoSlot, nullptr},
    {138, kInventory, kNoSlot, kNoSlot, nullptr},
    {139, kInventory, kNoSlot, kNoSlot, nullptr},
    {146, "^2Avatar Inv^0 ==> ^6Inventory^0", kOneFrom, kInvTo, nullptr},
    {147, "^6Inventory^0 ==> ^2Avatar Inv^0", kInvFrom, kOneTo, nullptr},
};
static_assert(CodesAscend(kLocations), "location rows sorted by operation, each once");

}  // namespace

const char* EquipSlotName(int slot) {
  if (slot < 0 || slot > kLastEquipSlot) return "^2What's Up?^0";
  return kEquipSlotNames[slot];
}

std::string InventorySlotText(int slot) { return FormatLine("%2d", slot - (kFirstInventorySlot - 1)); }

std::string OneBasedSlotText(int slot) { return FormatLine("%2d", slot + 1); }

std::string ChestSlotPageText(int slot) {
  return FormatLine("^4%2d^0 [Page: %d]", slot % kChestPage + 1, slot / kChestPage + 1);
}

ItemLocationTexts FormatSameStorageMove(const GameLogItemRecord& r) {
  ItemLocationTexts out;
  const char* sameStorage = nullptr;
  switch (r.storage) {
    case 2: sameStorage = "Cart Inventory ==> Cart Inventory"; break;
    case 3: sameStorage = "Chest ==> Chest"; break;
    case 4: sameStorage = "Guild Chest ==> Guild Chest"; break;
  }
  if (sameStorage) {
    out.storage = sameStorage;
    out.slotFrom = OneBasedSlotText(r.slotFrom);
    out.slotTo = OneBasedSlotText(r.slotTo);
    return out;
  }
  std::string fromSide, toSide;
  ClassifySide(r.slotFrom, fromSide, out.slotFrom);
  ClassifySide(r.slotTo, toSide, out.slotTo);
  out.storage = fromSide;
  if (!fromSide.empty() && !toSide.empty()) out.storage += " ==> ";
  out.storage += toSide;
  return out;
}

ItemLocationTexts FormatItemLocation(const GameLogItemRecord& r, const CGameRefData& ref) {
  ItemLocationTexts out;
  const LocationRow* row = FindCodeRow(kLocations, r.operation);
  if (!row) return out;
  if (row->rule) {
    row->rule(r, ref, out);
    return out;
  }
  out.storage = row->storage;
  out.slotFrom = SlotText(row->from, r);
  out.slotTo = SlotText(row->to, r);
  return out;
}
