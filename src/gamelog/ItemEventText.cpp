#include "gamelog/ItemEventText.h"

#include <cinttypes>
#include <cstring>
#include <iterator>
#include <utility>

#include "base/CodeTable.h"
#include "base/Format.h"
#include "base/LocalTime.h"
#include "gamelog/ConsoleOpText.h"
#include "gamelog/ItemAttrText.h"
#include "gamelog/ItemLocationText.h"
#include "gamelog/ItemTextPieces.h"
#include "refdata/KV_GameRefData.h"

namespace {

// A wire text as "%s" shows it: up to its first zero byte.
std::string Shown(const std::string& wire) { return std::string(wire.c_str()); }

// One line being built. The rules read the record and the item's reference and change
// the name, the description and the location texts.
struct ItemEvent {
  ItemEvent(const GameLogItemRecord& record, const CGameRefData& data)
      : r(record), ref(data), item(data.FindItem(record.refItemId)), text(record.text.c_str()),
        description(record.text) {}

  const GameLogItemRecord& r;
  const CGameRefData& ref;
  const RefObjItem* item;
  const char* text;  // the record's text, the default description
  std::string name;
  std::string description;
  ItemLocationTexts location;
  bool abandoned = false;

  int Data() const { return static_cast<int32_t>(r.data); }
  int Lo() const { return static_cast<int>(r.data & 0xFFFF); }
  int Hi() const { return static_cast<int>(r.data >> 16); }
  bool Expendable() const { return item && IsExpendable(item->typeWord); }
  bool Equipment() const { return item && IsEquipment(item->typeWord); }
};

typedef void (*EventRule)(ItemEvent&);

// A null name: the rule names the event; a null rule: the description is the text.
typedef NamedCodeRow<EventRule> EventRow;

// --- Shared rules -----------------------------------------------------------------

void CountRule(ItemEvent& e) {
  if (e.Expendable()) e.description = FormatLine("count: ^4%d^0", e.Data());
}

// Items in and out of chests: durability of equipment, count of anything else.
void ChestItemRule(ItemEvent& e) {
  if (!e.item) return;
  if (e.Equipment()) {
    e.description = FormatLine("dur: ^2%d^0/^4%d^0", e.Lo(), e.Hi());
  } else {
    e.description = FormatLine("count: ^4%d^0", e.Data());
  }
}

// Gold picked, or dropped, clears the slot it would go to; other expendables count.
bool ExpendablePickDrop(ItemEvent& e) {
  if (!e.Expendable()) return false;
  if (IsGold(e.item->typeWord)) {
    e.location.slotTo.clear();
    e.description = FormatLine("gold: ^2%d^0", e.Data());
  } else {
    e.description = FormatLine("count: ^4%d^0", e.Data());
  }
  return true;
}

void PickRule(ItemEvent& e) {
  if (!e.item || ExpendablePickDrop(e)) return;
  TextSplit first = SplitAtFirst(e.text, ',');
  TextSplit rest = SplitAtFirst(first.after, ',');
  std::string from = WithShopMark(rest.after, "[^3From Shop^0]");
  e.description = FormatLine("[Prev ID: ^4%s^0, Prev Owner: ^4%s^0] ^3%s^0", first.before.c_str(), rest.before.c_str(),
                             from.c_str());
}

void DropRule(ItemEvent& e) {
  if (!e.item || ExpendablePickDrop(e)) return;
  TextSplit split = SplitAtFirst(e.text, ',');
  e.description = FormatLine("[Prev ID: ^4%s^0] ^3%s^0", split.before.c_str(), split.after.c_str());
}

// The display text of the shop NPC in the high half of the data, or null.
const char* ShopNpcName(const ItemEvent& e) {
  const RefObjChar* npc = e.ref.FindChar(static_cast<uint32_t>(e.Hi()));
  return npc ? e.ref.GetText(npc->nameKey) : nullptr;
}

void BuyRule(ItemEvent& e) {
  const char* npc = ShopNpcName(e);
  e.name = npc ? FormatLine("Buying Item From NPC Shop[^4%s^0]", npc)
               : FormatLine("Buying Item From NPC's Shop[^4%d^0]", e.Data());
  if (!e.item) return;
  if (e.Expendable()) {
    e.description = FormatLine("Brought Amount: ^2%d^0, Remained Gold: ^2%s^0", e.Lo(), e.text);
  } else {
    e.description = FormatLine("Remained Gold: ^2%s^0", e.text);
  }
}

void SellRule(ItemEvent& e) {
  const char* npc = ShopNpcName(e);
  e.name =
      npc ? FormatLine("Item Sold To NPC Shop[^4%s^0]", npc) : FormatLine("Item Sold To NPC Shop[^4%d^0]", e.Data());
  if (e.Lo() > 0) e.name = FormatLine("%s(Sold Partially)", e.name.c_str());
  if (!e.item) return;
  if (e.Expendable() && e.Lo() > 0) {
    e.description = FormatLine("Remain: ^4%d^0, Remained Gold: ^2%s^0", e.Lo(), e.text);
  } else {
    e.description = FormatLine("Remained Gold: ^2%s^0", e.text);
  }
}

// Exchange registrations and transfers: equipment shows its durability and the text
// with the shop mark.
void ExchangeItemRule(ItemEvent& e, const char* mark, bool registration) {
  if (!e.item) return;
  if (!e.Equipment()) {
    e.description = FormatLine("count: ^4%d^0", e.Data());
    return;
  }
  std::string marked = WithShopMark(e.text, mark);
  e.description = registration ? FormatLine("Durability: ^4%d^0 ^2%s^0", e.Data(), marked.c_str())
                               : FormatLine("Durability: ^4%d^0 ^4%s^0", e.Data(), marked.c_str());
}

void FMarketSoldRule(ItemEvent& e, bool network) {
  TextSplit split = SplitAtFirst(e.text, ',');
  e.name = network ? FormatLine("FMarket Network Item Sold To ^2%s^0", split.after.c_str())
                   : FormatLine("FMarket Item Sold To ^2%s^0", split.after.c_str());
  e.description = FormatLine("Price: ^4%" PRId64 "^0, Remained Gold: ^4%s^0", e.r.amount, split.before.c_str());
}

void FMarketBoughtRule(ItemEvent& e, bool network) {
  TextSplit gold = SplitAtFirst(e.text, ',');
  TextSplit seller = SplitAtFirst(gold.after, ',');
  e.name = network ? FormatLine("Item Brought From ^4%s^0's FMarket Network", seller.before.c_str())
                   : FormatLine("Item Brought From ^4%s^0's FMarket", seller.before.c_str());
  if (!e.item) return;
  if (e.Equipment()) {
    e.description = FormatLine("[Price: ^4%" PRId64 "^0, Remained Gold: ^4%s^0] ^2%s^0", e.r.amount,
                               gold.before.c_str(), seller.after.c_str());
  } else {
    e.description = FormatLine("[Price: ^4%" PRId64 "^0, Remained Gold: ^4%s^0] [Count: ^4%s^0]", e.r.amount,
                               gold.before.c_str(), seller.after.c_str());
  }
}

void AttrChangeRule(ItemEvent& e) { e.abandoned = !FormatAttrChange(e.r, e.item, &e.description); }

// A stone or tablet named by the data: its code name, or the row's fallback.
const char* UsedItemCode(const ItemEvent& e) {
  const RefObjItem* used = e.ref.FindItem(e.r.data);
  return used ? used->codeName : nullptr;
}

// Premium dates: the data is a moment in seconds since 1970 (UTC), shown in local time.
void AppendPremiumDate(ItemEvent& e) {
  CivilTime t;
  if (ToLocalTime(e.r.data, &t)) {
    e.location.storage += FormatLine("%d-%d-%d(%d:%d:%d)", t.year, t.month, t.day, t.hour, t.minute, t.second);
  } else {
    e.location.storage += FormatLine("%u", e.r.data);
  }
}

void PremiumRule(ItemEvent& e) {
  AppendPremiumDate(e);
  e.description = FormatLine("Remain Day : %d", e.r.slotFrom);
}

// Two times of day packed in the 16-bit halves of a number, high half first.
std::string PremiumSpans(int32_t packed) {
  uint32_t halves = static_cast<uint32_t>(packed);
  unsigned hi = halves >> 16, lo = halves & 0xFFFF;
  return FormatLine(" days (%u:%u:%u - %u:%u:%u)", hi / 3600, hi % 3600 / 60, hi % 60, lo / 3600, lo % 3600 / 60,
                    lo % 60);
}

void PremiumUpdateRule(ItemEvent& e) {
  AppendPremiumDate(e);
  TextSplit split = SplitAtFirst(e.text, ',');
  e.location.slotFrom += PremiumSpans(ReadDecimal(split.before));
  e.location.slotTo += PremiumSpans(ReadDecimal(split.after));
}

// The display text of the sub-object that the text numbers, of the kind the data names.
std::string CompositeSubObject(const ItemEvent& e) {
  std::string key = SubObjectNameKey(e.ref, static_cast<uint32_t>(ReadDecimal(e.text)), e.r.data);
  return e.ref.GetText(key.c_str());
}

void CompositeStartRule(ItemEvent& e) {
  std::string sub = CompositeSubObject(e);
  switch (e.r.data) {
    case 0x55494C31:  // UIL1
    case 0x55514C31:  // UQL1
    case 0x55534C31:  // USL1
      e.description = FormatLine("FourCC : ^2%d^0, SubObjectID : ^2%s^0, Starting Count : ^2%d^0", e.Data(),
                                 sub.c_str(), e.r.slotTo);
      break;
    default: e.description = FormatLine("FourCC : ^2%d^0, SubObjectID : ^2%s^0", e.Data(), sub.c_str());
  }
}

void CompositeUpdateRule(ItemEvent& e) {
  std::string sub = CompositeSubObject(e);
  const char* update = e.r.slotFrom == 1 ? "UsingObject" : e.r.slotFrom == 2 ? "ResetObject" : "";
  e.description = FormatLine("FourCC : ^2%d^0, SubObjectID : ^2%s^0, UpdateType : %s, UpdateData : %d", e.Data(),
                             sub.c_str(), update, e.r.slotTo);
}

void CompositeFinishRule(ItemEvent& e) {
  std::string sub = CompositeSubObject(e);
  e.description = FormatLine("FourCC : ^2%d^0, SubObjectID : ^2%s^0", e.Data(), sub.c_str());
}

// "...^^item^^...^^count^^...": the card's prize item and count between "^^" marks.
void CardExchangeRule(ItemEvent& e) {
  const std::string text = e.text;
  size_t marks[4];
  size_t from = 0;
  for (size_t& mark : marks) {
    mark = text.find("^^", from);
    if (mark == std::string::npos) return;
    from = mark + 2;
  }
  const RefObjItem* prize = e.ref.FindItem(
      static_cast<uint32_t>(ReadDecimal(text.substr(marks[0] + 2, marks[1] - marks[0] - 2))));
  if (!prize) return;
  int count = ReadDecimal(text.substr(marks[2] + 2, marks[3] - marks[2] - 2)) & 0xFFFF;
  e.description = FormatLine("Changing item name : ^2%s^0, Changing item count : ^2%d^0, win a prize? : ^2%s^0",
                             e.ref.GetText(prize->nameKey), count, e.r.slotTo != 0 ? "Yes" : "No");
}

void CosMoveSlots(ItemEvent& e) {
  e.location.slotFrom = FormatLine("%d", e.r.slotFrom);
  e.location.slotTo = FormatLine("%d", e.r.slotTo);
}

// Gold moved between the inventory and a chest; the text holds the results, chest first.
void GoldMoveRule(ItemEvent& e, const char* move, const char* chest) {
  TextSplit g = SplitAtFirst(e.text, ',');
  e.description = FormatLine("%s: ^4%" PRId64 "^0 Gold (Result - %s: ^2%s^0, Inventory: ^2%s^0)", move, e.r.amount,
                             chest, g.before.c_str(), g.after.c_str());
}

const char* const kGoldReasons[] = {
    "Quest Reward",
    "Hunter Reward",
    "Forfeit Paid",
    "Guild Created",
    "Guild GP Invested",
    "Equipment Repaired",
    "Teleport Used",
    "Cart Sold",
    "Skill Withdrawal",
    "Guildwar Lodged",
    "Guildwar Booties",
    "Trijob Reward",
    "Trijob Enrollment",
    "Trijob Nickname Update",
    "Mercenary Ability Given",
    "Fortress Tax Collected",
    "Request Siege Fortress",
    "Fortress NPC Hired",
    "Trijob Buying Speciality",
    "Trijob Selling Speciality",
    "Trijob Hunter Profit",
    "Create Training Camp",
    "Party Distibution",
    "Repair Item",
    "Pick Gold",
    "Gold But Pary Distribution Failed",
    "Rollback Deposit Gold",
    "Item Deposit Fee",
    "Deposit Gold GuildChest",
    "Item Deposit Fee GuildChest",
    "Item Sold",
    "Gold Dropped",
    "Deposit Gold",
    "Trade",
    "Restore Sold Item",
    "Buying Item",
    "Withdraw gold",
    "Drop Gold",
    "Withdraw Gold GuildChest",
    "Repair Siege Struct",
    "Upgrade Siege Struct",
};
static_assert(std::size(kGoldReasons) == 41, "gold reasons 1 to 41");

// --- The event table ------------------------------------------------------------------

constexpr EventRow kEvents[] = {
    {10, nullptr,
     [](ItemEvent& e) {
       bool fromInventory = e.r.slotFrom >= 13 && e.r.slotFrom <= 111;
       bool toInventory = e.r.slotTo >= 13 && e.r.slotTo <= 111;
       if (fromInventory && e.r.slotTo <= 12) {
         e.name = "^2Wearing^0 Equipment";
       } else if (e.r.slotFrom <= 12 && toInventory) {
         e.name = "^2Removing^0 Equipment";
       } else {
         e.name = "^2Moving^0 Item";
       }
       CountRule(e);
     }},
    {11, "^2Merging^0Item",
     [](ItemEvent& e) {
       e.description = FormatLine("result: ^4%d^0 and ^4%d^0 (^2%s^0 merged)", e.Lo(), e.Hi(), e.text);
     }},
    {12, "", nullptr},
    {13, "^2Spliting^0 Item",
     [](ItemEvent& e) { e.description = FormatLine("result: ^4%d^0 and ^4%d^0", e.Lo(), e.Hi()); }},
    {14, "^2Swapping^0 2 Items", nullptr},
    {15, "^2Overwriting^0 Item", CountRule},
    {16, "Item Used",
     [](ItemEvent& e) {
       if (e.Expendable()) e.description = FormatLine("Remain: %d", e.Data());
     }},
    {20, "^2Depositing^0 Item to Chest", ChestItemRule},
    {21, "^2Withrawing^0 Item from Chest", ChestItemRule},
    {22, "^2Depositing ^4Gold^0 To Chest",
     [](ItemEvent& e) { GoldMoveRule(e, "Deposit", "Chest"); }},
    {23, "^2Withdrawing ^4Gold^0 To Chest",
     [](ItemEvent& e) { GoldMoveRule(e, "Withdraw", "Chest"); }},
    {30, "^2Pick^0 Item", PickRule},
    {31, "^2Drop^0 Item", DropRule},
    {32, nullptr, BuyRule},
    {33, nullptr, SellRule},
    {34, "Gold Drop",
     [](ItemEvent& e) { e.description = FormatLine("DROP Gold: ^4%d^0, Remained Gold: ^2%s^0", e.Data(), e.text); }},
    {35, "^8Cash Item^0 Buying",
     [](ItemEvent& e) {
       TextSplit pell = SplitAtFirst(e.text, '/');
       e.description = FormatLine("[Brought Amount: ^2%d^0] [Remained Pell: ^2%s^0 / ^4%s^0]", e.Data(),
                                  pell.before.c_str(), pell.after.c_str());
     }},
    {40, nullptr,
     [](ItemEvent& e) {
       switch (e.Lo()) {
         case 0: e.name = "Item Acquired By ^4Quest^0"; break;
         case 1: e.name = "Item Acquired By ^4Event^0"; break;
         case 6: e.name = "Item Acquired By ^4Siege^0"; break;
         default: e.name = FormatLine("Item Acquired by Unknown Reason[^2%d^0]", e.Lo());
       }
       e.description = FormatLine("Count: ^4%d^0", e.Hi());
     }},
    {41, nullptr,
     [](ItemEvent& e) {
       switch (e.Lo()) {
         case 0: e.name = "Item Perished(^2By Quest^0)"; break;
         case 1: e.name = "Item Perished(^2By Event^0)"; break;
         case 2: e.name = "Item Perished(^2Drained^0)"; break;
         case 4: e.name = "Item Perished(^2Item Reinforcement^0)"; break;
         case 8:
           e.name = e.Hi() > 0 ? "Item Deducted(^2Buy Item with Token^0)" : "Item Perished(^2Buy Item with Token^0)";
           return;
         default: e.name = FormatLine("Item Perished(Unknown Reason - [^4%d^0])", e.Lo());
       }
       e.description = FormatLine("Count Before Delete: ^4%d^0", e.Hi());
     }},
    {42, "Restored a Sold Item In a Shop", nullptr},
    {50, "Exchange Proposal Sent", [](ItemEvent& e) { e.description = FormatLine("Target: ^2%s^0", e.text); }},
    {51, "Exchange Proposal Received", [](ItemEvent& e) { e.description = FormatLine("Sender: ^2%s^0", e.text); }},
    {52, "^2Exchange Session Started^0", nullptr},
    {53, "^4Exchange Session Closed^0",
     [](ItemEvent& e) {
       switch (e.r.data) {
         case 1: e.description = "Exchange Succeeded"; break;
         case 2: e.description = "Exchange Failure (^2Internal Server Failure^0)"; break;
         case 3: e.description = "Exchange Failure (^2Sender Logged Out^0)"; break;
         case 4: e.description = "Exchange Failure (^2Receiver Logged Out^0)"; break;
         case 5: e.description = "Exchange Failure (^2Exchange Canceled^0)"; break;
         case 6: e.description = "Exchange Failure (^2Character Died^0)"; break;
         case 7: e.description = "Exchange Failure (^2Receiver Denied Exchange^0)"; break;
         case 8: e.description = "Exchange Failure (^2Exchange Request Denied^0)"; break;
         default: e.description = FormatLine("Unknown Reason[^4%d^0]", e.Data());
       }
     }},
    {54, "Exchange - Item Registration", [](ItemEvent& e) { ExchangeItemRule(e, "[From Shop]", true); }},
    {55, "Exchange - Item Registration Cancel", nullptr},
    {56, "Exchange - Gold Registration",
     [](ItemEvent& e) {
       e.description = FormatLine("Registered Gold: ^4%" PRId64 "^0, Remained Gold: ^2%s^0", e.r.amount, e.text);
     }},
    {57, "Exchange - Item Given", [](ItemEvent& e) { ExchangeItemRule(e, "[^2From Shop^0]", false); }},
    {58, "Exchange - Item Taken", [](ItemEvent& e) { ExchangeItemRule(e, "[^2From Shop^0]", false); }},
    {59, "Exchange - Gold Given",
     [](ItemEvent& e) {
       e.description = FormatLine("Given Gold: ^4%" PRId64 "^0, Remain Gold: ^4%s^0", e.r.amount, e.text);
     }},
    {60, "Exchange - Gold Taken",
     [](ItemEvent& e) {
       e.description = FormatLine("Taken Gold: ^4%" PRId64 "^0, Remain Gold: ^4%s^0", e.r.amount, e.text);
     }},
    {70, "^2FMarket Open^0", nullptr},
    {71, "^4FMarket Close^0",
     [](ItemEvent& e) {
       switch (e.Lo()) {
         case 1: e.description = "Normal Close / All Item Sold out"; break;
         case 2: e.description = "Char Logged Out / Teleport Used"; break;
         case 3:
         case 4: e.description = "Unknown Server Error"; break;
         case 5: e.description = "All Item Sold Out, Auto-Close."; break;
         default: e.description = FormatLine("Unknown Reason(%d)", e.Lo());
       }
     }},
    {72, "FMarket Item Registration",
     [](ItemEvent& e) {
       if (!e.item) return;
       if (e.Equipment()) {
         std::string marked = WithShopMark(e.text, "[^2From Shop^0]");
         e.description = FormatLine("[Price: ^4%" PRId64 "^0] ^2%s^0", e.r.amount, marked.c_str());
       } else {
         e.description = FormatLine("[Price: ^4%" PRId64 "^0] [Amount: ^4%s^0]", e.r.amount, e.text);
       }
     }},
    {73, "FMarket Item Registration Cancel", nullptr},
    {74, "FMarket Item Price Modification",
     [](ItemEvent& e) { e.description = FormatLine("[^4%s^0 Gold ==> ^4%" PRId64 "^0 Gold]", e.text, e.r.amount); }},
    {75, nullptr, [](ItemEvent& e) { FMarketSoldRule(e, false); }},
    {76, "", nullptr},
    {77, nullptr, [](ItemEvent& e) { FMarketBoughtRule(e, false); }},
    {78, "", nullptr},
    {80, "Inventory Gold Change",
     [](ItemEvent& e) {
       const char* reason = GoldReasonText(e.r.refItemId);
       if (reason) {
         e.description = FormatLine("[Varied: ^4%" PRId64 "^0 Gold] [Reason: %s] [Remained Gold: ^4%s^0]", e.r.amount,
                                    reason, e.text);
       } else {
         e.description = FormatLine("[Varied: ^4%" PRId64 "^0 Gold] [Reason: Unknown(^2%d^0)] [Remained Gold: ^4%s^0]",
                                    e.r.amount, static_cast<int32_t>(e.r.refItemId), e.text);
       }
     }},
    {90, "Item Reinforcement Success", AttrChangeRule},
    {91, "Item Reinforcement Failure",
     [](ItemEvent& e) {
       if (e.r.data == 0) {
         e.description = "No Item Damage";
         return;
       }
       const struct {
         uint32_t bit;
         const char* text;
       } kDamages[] = {{4, "Option Level Down"}, {8, "Option Level Initialized"}, {16, "Item Vanished"}};
       if (e.r.data & 2) e.description += "Durability Down";
       for (const auto& damage : kDamages) {
         if (!(e.r.data & damage.bit)) continue;
         if (!e.description.empty()) e.description += " + ";
         e.description += damage.text;
       }
     }},
    {99, nullptr, [](ItemEvent& e) { e.name = ConsoleOpTitle(e.r.position); }},
    {100, "Premium Begin", PremiumRule},
    {101, "Premium Update", PremiumUpdateRule},
    {102, "Premium End", PremiumRule},
    {103, "^8Premium Play", PremiumRule},
    {104, "^2Premium Pause", PremiumRule},
    {110, "The CompositeItem had been started", CompositeStartRule},
    {111, "Premium Item Skill Terminated",
     [](ItemEvent& e) {
       const RefSkill* skill = e.ref.FindSkill(e.r.refItemId);
       std::string name = skill ? e.ref.GetText(skill->GetNameKey())
                                : FormatLine("Unknown Skill(%d)", static_cast<int32_t>(e.r.refItemId));
       e.description = FormatLine("[Assoc. Skill: %s][RemainTime: %d sec]", name.c_str(), e.Data());
     }},
    {112, "Exchange the Gachacard with the Exchangingcard", CardExchangeRule},
    {113, "Exchange the Exchangingcard with the Item", nullptr},
    {114, "^8COS^0 ^2PickItem^0", PickRule},
    {115, "Move Item",
     [](ItemEvent& e) {
       e.location.storage = "^2PC^0 ==> ^2COS^0";
       CosMoveSlots(e);
     }},
    {116, "Move Item",
     [](ItemEvent& e) {
       e.location.storage = "^2COS^0 ==> ^2PC^0";
       CosMoveSlots(e);
     }},
    {117, "^2Depositing ^4Gold^0 To Guild Chest",
     [](ItemEvent& e) { GoldMoveRule(e, "Deposit", "Guild Chest"); }},
    {118, "^2Withdrawing ^4Gold^0 from Guild Chest",
     [](ItemEvent& e) { GoldMoveRule(e, "Withdraw", "Guild Chest"); }},
    {119, "^2Depositing^0 Item to Guild Chest", ChestItemRule},
    {120, "^2Withrawing^0 Item from Guild Chest", ChestItemRule},
    {121, "The CompositeItem had been started", CompositeStartRule},
    {122, "The CompositeItem had been updated", CompositeUpdateRule},
    {123, "The CompositeItem had been finished", CompositeFinishRule},
    {125, "The ParamKeeper had been started", [](ItemEvent& e) { e.description = ParamKeeperText(e.text, e.r.data); }},
    {126, "The ParamKeeper had been updated", [](ItemEvent& e) { e.description = ParamKeeperText(e.text, e.r.data); }},
    {127, "The ParamKeeper had been finished", [](ItemEvent& e) { e.description = ParamKeeperText(e.text, e.r.data); }},
    {130, "Item Use Magic_Stone is Success", AttrChangeRule},
    {131, "Item Use Magic_Stone is Fail",
     [](ItemEvent& e) {
       const char* stone = UsedItemCode(e);
       e.description = stone ? FormatLine("^2Delete Magic_Stone Name : %s^0", stone) : "don`t know Magic_Stone";
     }},
    {132, "Item occur Magic_Assimilation", AttrChangeRule},
    {133, "Item Use Attr_Stone is Success", AttrChangeRule},
    {134, "Item Use Attr_Stone is Fail",
     [](ItemEvent& e) {
       const char* stone = UsedItemCode(e);
       e.description = stone ? FormatLine("^2Delete Attr_Stone Name : %s^0", stone) : "don`t know Attr_Stone";
     }},
    {135, "Item occur Attr_Assimilation", AttrChangeRule},
    {136, "[Make Stuff]Item Compound ",
     [](ItemEvent& e) {
       const char* tablet = UsedItemCode(e);
       e.description = tablet ? FormatLine("^2Use Tablet : %s^0", tablet) : "don`t know tablet";
     }},
    {137, "[Make Stuff]Equip Resolve",
     [](ItemEvent& e) { e.description = FormatLine("^2Use Rondo2 : %d^0", e.Data()); }},
    {138, "[Make Stuff]Material Resolve",
     [](ItemEvent& e) { e.description = FormatLine("^2Resolve Count : %d, ^8%s^0", e.Data(), e.text); }},
    {139, "[Make Stuff]Material Resolve End",
     [](ItemEvent& e) {
       e.description = FormatLine("^2Total Resolve Count : %d, Now Resolve Count:%d^0", static_cast<int16_t>(e.Hi()),
                                  static_cast<int16_t>(e.Lo()));
     }},
    {141, nullptr, [](ItemEvent& e) { FMarketSoldRule(e, true); }},
    {142, "", nullptr},
    {143, nullptr, [](ItemEvent& e) { FMarketBoughtRule(e, true); }},
    {144, "", nullptr},
    {145, "Premium Exp Repair", nullptr},
    {146, "Moving ^2Avatar^0 Item", nullptr},
    {147, "Moving ^2Avatar^0 Item", nullptr},
    {148, "Avatar Item occur Magic Option With NPC", AttrChangeRule},
    {151, "AvatarSpecialItem Initialize Succeeded", nullptr},
    {152, "AvatarSpecialItem Extend Expired Date Succeeded", nullptr},
    {153, "AvatarSpecialItem ExtendItem Used", nullptr},
    {159, nullptr,
     [](ItemEvent& e) {
       switch (e.r.data) {
         case 1: e.name = "Socket(^2Make a hole^0)"; break;
         case 2: e.name = "Socket(^2Insert Socket stone^0)"; break;
         case 3: e.name = "Socket(^2Erase socket stone^0)"; break;
       }
     }},
    {160, "Upper Reinforcement Success", [](ItemEvent& e) { e.description = FormatLine("%d ==> %d", e.Lo(), e.Hi()); }},
};
static_assert(std::size(kEvents) == 89, "89 item operations");
static_assert(CodesAscend(kEvents), "event rows sorted by operation, each once");

// Every text of a line is held in a line buffer.
void CutToLine(std::string& text) {
  if (text.size() >= kLineChars) text.resize(kLineChars - 1);
}

}  // namespace

const char* GoldReasonText(uint32_t code) {
  if (code < 1 || code > std::size(kGoldReasons)) return nullptr;
  return kGoldReasons[code - 1];
}

ItemEventCells FormatItemEvent(const GameLogItemRecord& wire, const CGameRefData& ref) {
  GameLogItemRecord record = wire;
  record.text = Shown(wire.text);
  record.position = Shown(wire.position);
  ItemEvent e(record, ref);
  e.location = FormatItemLocation(record, ref);
  std::string itemName = FormatItemName(record, ref);

  const EventRow* row = FindCodeRow(kEvents, record.operation);
  if (!row) {
    e.name = FormatLine("Unknown Item Event(^2%d^0)", record.operation);
  } else {
    if (row->name) e.name = row->name;
    if (row->rule) row->rule(e);
  }

  ItemEventCells cells;
  if (e.abandoned) return cells;
  cells[kItemSerial] = FormatLine("%" PRId64, record.serial);
  cells[kItemOperation] = std::move(e.name);
  cells[kItemStorage] = std::move(e.location.storage);
  cells[kItemSlotFrom] = std::move(e.location.slotFrom);
  cells[kItemSlotTo] = std::move(e.location.slotTo);
  cells[kItemName] = std::move(itemName);
  cells[kItemDescription] = std::move(e.description);
  cells[kItemTime] = LogTimeText(record.time);
  cells[kItemPosition] = std::move(record.position);
  for (std::string& cell : cells) CutToLine(cell);
  return cells;
}

SerialHistoryEntry MakeSerialHistoryEntry(const ItemEventCells& cells, int64_t serial) {
  SerialHistoryEntry entry;
  entry.serial = serial;
  for (size_t i = 0; i < entry.texts.size(); ++i) entry.texts[i] = cells[i + 1];
  return entry;
}
