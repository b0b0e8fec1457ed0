#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "gamelog/ItemLocationText.h"
#include "unit/gamelog/GameLogRefData.h"
#include "unit/gamelog/GameLogTestSupport.h"

namespace {

struct Texts {
  std::string storage, from, to;
};

void ExpectTexts(const ItemLocationTexts& got, const Texts& want) {
  EXPECT_EQ(got.storage, want.storage);
  EXPECT_EQ(got.slotFrom, want.from);
  EXPECT_EQ(got.slotTo, want.to);
}

TEST(ItemSlotText, equipment_names_at_both_ends_and_past_them) {
  EXPECT_STREQ(EquipSlotName(0), "^4Helm^0Slot");
  EXPECT_STREQ(EquipSlotName(12), "^4Ring^0Slot(Right)");
  for (int slot : {13, 111, 255, 256, -1}) EXPECT_STREQ(EquipSlotName(slot), "^2What's Up?^0") << slot;
}

TEST(ItemSlotText, numbered_slots) {
  struct Case {
    int slot;
    const char* inventory;
    const char* oneBased;
    const char* chest;
  } cases[] = {
      {0, "-12", " 1", "^4 1^0 [Page: 1]"},
      {5, "-7", " 6", "^4 6^0 [Page: 1]"},
      {12, " 0", "13", "^413^0 [Page: 1]"},
      {13, " 1", "14", "^414^0 [Page: 1]"},
      {21, " 9", "22", "^422^0 [Page: 1]"},
      {22, "10", "23", "^423^0 [Page: 1]"},
      {29, "17", "30", "^430^0 [Page: 1]"},
      {30, "18", "31", "^4 1^0 [Page: 2]"},
      {59, "47", "60", "^430^0 [Page: 2]"},
      {111, "99", "112", "^422^0 [Page: 4]"},
      {112, "100", "113", "^423^0 [Page: 4]"},
      {255, "243", "256", "^416^0 [Page: 9]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    EXPECT_EQ(InventorySlotText(c.slot), c.inventory);
    EXPECT_EQ(OneBasedSlotText(c.slot), c.oneBased);
    EXPECT_EQ(ChestSlotPageText(c.slot), c.chest);
  }
}

// Every operation code with slotFrom 20 and slotTo 40 (both inventory slots) and an
// item without a reference: the location table whole, and nothing for other codes.
TEST(ItemLocation, every_operation_code) {
  const std::string inv = "^6Inventory^0";
  const Texts same = {inv + " ==> " + inv, " 8", "28"};
  struct Row {
    int operation;
    Texts texts;
  } rows[] = {
      {10, same}, {11, same}, {12, same}, {13, same}, {14, same}, {15, same},
      {16, {inv, " 8", ""}},
      {20, {"^6Inventory^0 ==> ^4Chest^0", " 8", "^411^0 [Page: 2]"}},
      {21, {"^4Chest^0 ==> ^6Inventory^0", "^421^0 [Page: 1]", "28"}},
      {22, {"^6Inventory^0 ==> ^4Chest^0", "", ""}},
      {23, {"^4Chest^0 ==> ^6Inventory^0", "", ""}},
      {30, {"Map ==> ^6Inventory^0", "", "28"}},
      {31, {"^6Inventory^0 ==> Map", " 8", ""}},
      {32, {"^9Shop^0 ==> ^6Inventory^0", "", "28"}},
      {33, {"^6Inventory^0 ==> ^9Shop^0", " 8", ""}},
      {34, {"^6Inventory^0 ==> Map", "", ""}},
      {35, {"^8ITEMMALL^0", "", "28"}},
      {40, {"Server ==> ^6Inventory^0", "", "28"}},
      {41, {"^6Inventory^0 ==> Server", " 8", ""}},
      {42, {"Server ==> ^6Inventory^0", "", "28"}},
      {54, {"^6Inventory^0 ==> ExchangeWnd", " 8", "41"}},
      {55, {"ExchangeWnd ==> ^6Inventory^0", "41", ""}},
      {56, {"^6Inventory^0 ==> ExchangeWnd", "", ""}},
      {57, {"^6My Inventory^0 ==> ^6Opposite Inventory^0", " 8", "28"}},
      {58, {"^6Opposite Inventory^0 ==> ^6My Inventory^0", " 8", "28"}},
      {59, {"^6My Inventory^0 ==> ^6Opposite Inventory^0", "", ""}},
      {60, {"^6Opposite Inventory^0 ==> ^6My Inventory^0", "", ""}},
      {72, {"^6Inventory^0 ==> FMarket", " 8", "41"}},
      {73, {"FMarket ==> ^6Inventory^0", "21", "28"}},
      {74, {"FMarket", "", "41"}},
      {75, {"FMarket ==> ^6Opposite Inventory^0", "41(InventorySlot:  8)", ""}},
      {77, {"FMarket ==> ^6Inventory^0", "21", "28"}},
      {80, {inv, "", ""}},
      {90, {inv, " 8", ""}},
      {91, {inv, " 8", ""}},
      {99, {"", "KDC", "40"}},
      {101, {"", "20", "40"}},
      {111, {"Timed Job Keeper", "", ""}},
      {114, {"Map ==> ^6Inventory^0", "", "39"}},
      {117, {"^6Inventory^0 ==> ^4Guild Chest^0", "", ""}},
      {118, {"^4Guild Chest^0 ==> ^6Inventory^0", "", ""}},
      {119, {"^6Inventory^0 ==> ^4Guild Chest^0", " 8", "^411^0 [Page: 2]"}},
      {120, {"^4Guild Chest^0 ==> ^6Inventory^0", "^421^0 [Page: 1]", "28"}},
      {130, {inv, " 8", ""}}, {131, {inv, " 8", ""}}, {132, {inv, " 8", ""}}, {133, {inv, " 8", ""}},
      {134, {inv, " 8", ""}}, {135, {inv, " 8", ""}}, {136, {inv, " 8", ""}}, {137, {inv, " 8", ""}},
      {138, {inv, "", ""}}, {139, {inv, "", ""}},
      {146, {"^2Avatar Inv^0 ==> ^6Inventory^0", "21", "28"}},
      {147, {"^6Inventory^0 ==> ^2Avatar Inv^0", " 8", "41"}},
  };
  size_t next = 0;
  for (int op = 0; op <= 255; ++op) {
    SCOPED_TRACE(op);
    Texts want;
    if (next < std::size(rows) && rows[next].operation == op) want = rows[next++].texts;
    ExpectTexts(FormatItemLocation(ItemOpRecord(static_cast<uint8_t>(op), 0, 0, 20, 40), GameLogRefData()), want);
  }
  EXPECT_EQ(next, std::size(rows));
}

TEST(ItemLocation, same_storage_move_by_storage_kind_and_sides) {
  const std::string inv = "^6Inventory^0", equip = "^8EquipWnd^0";
  struct Case {
    uint8_t storage, from, to;
    Texts texts;
  } cases[] = {
      {2, 0, 5, {"Cart Inventory ==> Cart Inventory", " 1", " 6"}},
      {3, 0, 5, {"Chest ==> Chest", " 1", " 6"}},
      {4, 200, 29, {"Guild Chest ==> Guild Chest", "201", "30"}},
      {0, 20, 6, {inv + " ==> " + equip, " 8", "^4Weapon^0Slot"}},
      {1, 6, 20, {equip + " ==> " + inv, "^4Weapon^0Slot", " 8"}},
      {5, 20, 30, {inv + " ==> " + inv, " 8", "18"}},
      {255, 12, 0, {equip + " ==> " + equip, "^4Ring^0Slot(Right)", "^4Helm^0Slot"}},
      {0, 13, 111, {inv + " ==> " + inv, " 1", "99"}},
      {0, 112, 20, {inv, "", " 8"}},
      {0, 20, 112, {inv, " 8", ""}},
      {0, 255, 0, {equip, "", "^4Helm^0Slot"}},
      {0, 112, 255, {"", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.storage) << " " << int(c.from) << " " << int(c.to));
    GameLogItemRecord r = ItemOpRecord(10, 0, 0, c.from, c.to);
    r.storage = c.storage;
    ExpectTexts(FormatSameStorageMove(r), c.texts);
    for (uint8_t op = 10; op <= 15; ++op) {
      r.operation = op;
      ExpectTexts(FormatItemLocation(r, GameLogRefData()), c.texts);
    }
  }
  // Storage is read by the same-storage rule only.
  GameLogItemRecord chest = ItemOpRecord(16, 0, 0, 20, 40);
  chest.storage = 3;
  ExpectTexts(FormatItemLocation(chest, GameLogRefData()), {"^6Inventory^0", " 8", ""});
}

TEST(ItemLocation, drop_by_side_of_the_slot) {
  struct Case {
    uint8_t from;
    Texts texts;
  } cases[] = {
      {13, {"^6Inventory^0 ==> Map", " 1", ""}},
      {111, {"^6Inventory^0 ==> Map", "99", ""}},
      {12, {"^8EquipWnd^0 ==> Map", "^4Ring^0Slot(Right)", ""}},
      {0, {"^8EquipWnd^0 ==> Map", "^4Helm^0Slot", ""}},
      {112, {" ==> Map", "", ""}},
      {255, {" ==> Map", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.from));
    ExpectTexts(FormatItemLocation(ItemOpRecord(31, 0, 0, c.from, 7), GameLogRefData()), c.texts);
  }
}

TEST(ItemLocation, shop_side_by_trade_goods) {
  struct Case {
    uint32_t item;
    Texts buy, sell;
  } cases[] = {
      {kSilk, {"^9SpecialTy Shop^0 ==> Cart Inventory", "", " 5"}, {"Cart Inventory ==> ^9Shop^0", " 3", ""}},
      {kPotion, {"^9Shop^0 ==> ^6Inventory^0", "", "-8"}, {"^6Inventory^0 ==> ^9Shop^0", "-10", ""}},
      {kGold, {"^9Shop^0 ==> ^6Inventory^0", "", "-8"}, {"^6Inventory^0 ==> ^9Shop^0", "-10", ""}},
      {kMissingItem, {"^9Shop^0 ==> ^6Inventory^0", "", "-8"}, {"^6Inventory^0 ==> ^9Shop^0", "-10", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    ExpectTexts(FormatItemLocation(ItemOpRecord(32, c.item, 0, 2, 4), GameLogRefData()), c.buy);
    ExpectTexts(FormatItemLocation(ItemOpRecord(33, c.item, 0, 2, 4), GameLogRefData()), c.sell);
  }
}

TEST(ItemLocation, slots_in_plain_numbers) {
  struct Case {
    uint8_t operation, from, to;
    Texts texts;
  } cases[] = {
      {75, 20, 4, {"FMarket ==> ^6Opposite Inventory^0", " 5(InventorySlot:  8)", ""}},
      {99, 3, 7, {"", "KDC", "7"}},
      {99, 3, 254, {"", "KDC", "254"}},
      {99, 3, 255, {"", "KDC", "Invalid Slot"}},
      {101, 0, 255, {"", "0", "255"}},
      {114, 9, 0, {"Map ==> ^6Inventory^0", "", "-1"}},
      {114, 9, 5, {"Map ==> ^6Inventory^0", "", " 4"}},
      {114, 9, 255, {"Map ==> ^6Inventory^0", "", "254"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.operation) << " " << int(c.to));
    ExpectTexts(FormatItemLocation(ItemOpRecord(c.operation, 0, 0, c.from, c.to), GameLogRefData()), c.texts);
  }
}

}  // namespace
