#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "base/LocalTime.h"
#include "gamelog/ItemEventText.h"
#include "unit/gamelog/GameLogRefData.h"
#include "unit/gamelog/GameLogTestSupport.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

// Local time nine hours east of UTC, so the premium dates do not depend on the machine.
bool NineHoursEast(int64_t seconds, CivilTime* out) {
  int64_t t = seconds + 9 * 3600;
  int64_t days = t / 86400, rest = t % 86400;
  days += 719468;  // days from 0000-03-01 to 1970-01-01
  int64_t era = days / 146097, dayOfEra = days % 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t mp = (5 * dayOfYear + 2) / 153;
  out->month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  out->year = static_cast<int>(yearOfEra + era * 400 + (out->month <= 2));
  out->day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  out->hour = static_cast<int>(rest / 3600);
  out->minute = static_cast<int>(rest % 3600 / 60);
  out->second = static_cast<int>(rest % 60);
  return true;
}
bool NoLocalTime(int64_t, CivilTime*) { return false; }

class ItemEvent : public testing::Test {
 protected:
  void SetUp() override { SetLocalTimeFunc(NineHoursEast); }
  void TearDown() override { SetLocalTimeFunc(nullptr); }

  static ItemEventCells Format(const GameLogItemRecord& r) { return FormatItemEvent(r, GameLogRefData()); }
  static ItemEventCells Format(uint8_t op, uint32_t item, uint32_t data, uint8_t from, uint8_t to, const char* text) {
    return Format(ItemOpRecord(op, item, data, from, to, text));
  }
  static void ExpectRows(const std::vector<ItemTextRow>& rows) {
    for (const ItemTextRow& row : rows) {
      SCOPED_TRACE(testing::Message() << int(row.op) << " " << row.item << " 0x" << std::hex << row.data << std::dec
                                      << " " << int(row.from) << "->" << int(row.to) << " " << row.text);
      ItemEventCells cells = Format(row.Record());
      if (row.name) {
        EXPECT_EQ(cells[kItemOperation], row.name);
      }
      EXPECT_EQ(cells[kItemDescription], row.description);
    }
  }
  CLogCapture log;
};

struct NameCase {
  uint8_t operation;
  const char* name;
  const char* description;
};

// No item, data 0, slots 0 and the text "T": the table's ends, an empty name, the
// description rules no other case reaches, the abandoned attribute stone lines and the
// unknown-operation fallback below, between and above the rows.
TEST_F(ItemEvent, operation_names_ends_and_fallback) {
  const NameCase rows[] = {
      {0, "Unknown Item Event(^20^0)", "T"},
      {10, "^2Moving^0 Item", "T"},
      {12, "", "T"},
      {51, "Exchange Proposal Received", "Sender: ^2T^0"},
      {59, "Exchange - Gold Given", "Given Gold: ^40^0, Remain Gold: ^4T^0"},
      {60, "Exchange - Gold Taken", "Taken Gold: ^40^0, Remain Gold: ^4T^0"},
      {90, "Item Reinforcement Success", "^8+0 ==> +0^0, ^1ItemMagicOpt : T"},
      {124, "Unknown Item Event(^2124^0)", "T"},
      {130, "Item Use Magic_Stone is Success", "^2MATTR_STR^0 : ^8+0 ==> +0^0, ^1ItemMagicOpt : T"},
      {132, "Item occur Magic_Assimilation", "^2MATTR_STR^0 : ^8+0 ==> +0^0, ^1ItemMagicOpt : T"},
      {133, nullptr, nullptr},
      {135, nullptr, nullptr},
      {148, "Avatar Item occur Magic Option With NPC", "^2MATTR_AVATAR_STR^0 : ^8+0 ==> +0^0, ^1ItemMagicOpt : T"},
      {160, "Upper Reinforcement Success", "0 ==> 0"},
      {161, "Unknown Item Event(^2161^0)", "T"},
      {255, "Unknown Item Event(^2255^0)", "T"},
  };
  for (const NameCase& row : rows) {
    SCOPED_TRACE(int(row.operation));
    ItemEventCells cells = Format(row.operation, 0, 0, 0, 0, "T");
    if (!row.name) {
      EXPECT_EQ(cells, ItemEventCells()) << "abandoned";
      continue;
    }
    EXPECT_EQ(cells[kItemOperation], row.name);
    EXPECT_EQ(cells[kItemDescription], row.description);
  }
  EXPECT_TRUE(CLogCapture::Lines().empty()) << "no item reference, no lookup";
}

TEST_F(ItemEvent, all_nine_cells_and_the_history_entry) {
  GameLogItemRecord r = ItemOpRecord(20, kRareSword, 0x00640032, 20, 45, "%s%n text");
  r.time = TestTime(2008, 3, 5, 7, 4, 9, 999);
  r.position = "(x:%d) 100%";
  struct Serial {
    int64_t value;
    const char* text;
  } serials[] = {
      {0, "0"},
      {-1, "-1"},
      {std::numeric_limits<int64_t>::max(), "9223372036854775807"},
      {std::numeric_limits<int64_t>::min(), "-9223372036854775808"},
  };
  for (const Serial& s : serials) {
    r.serial = s.value;
    ItemEventCells cells = Format(r);
    ItemEventCells want = {s.text,
                           "^2Depositing^0 Item to Chest",
                           "^6Inventory^0 ==> ^4Chest^0",
                           " 8",
                           "^416^0 [Page: 2]",
                           "^2Sword^0[^4ITEM_SWORD^0]^2(RARE)^0",
                           "dur: ^250^0/^4100^0",
                           "2008-03-05 07:04:09",
                           "(x:%d) 100%"};
    EXPECT_EQ(cells, want);
    SerialHistoryEntry entry = MakeSerialHistoryEntry(cells, s.value);
    EXPECT_EQ(entry.serial, s.value);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(entry.texts[i], cells[i + 1]) << i;
  }
}

TEST_F(ItemEvent, texts_stop_at_a_zero_and_at_the_line_end) {
  GameLogItemRecord r = ItemOpRecord(50, 0, 0, 0, 0, "");
  r.text = std::string("Ann\0,hidden", 11);
  r.position = std::string("MII_A\0x", 7);
  EXPECT_EQ(Format(r)[kItemDescription], "Target: ^2Ann^0");
  EXPECT_EQ(Format(r)[kItemPosition], "MII_A");
  r.operation = 99;
  EXPECT_EQ(Format(r)[kItemOperation], "Edit Character Inventory Item(Add)");
  r.operation = 22;  // the comma behind the zero is not seen
  EXPECT_EQ(Format(r)[kItemDescription], "Deposit: ^40^0 Gold (Result - Chest: ^2^0, Inventory: ^2^0)");

  const std::string longText(5000, 'x');
  for (uint8_t op : {50, 52, 91}) {
    SCOPED_TRACE(int(op));
    r = ItemOpRecord(op, 0, op == 91 ? 0x1E : 0, 0, 0, longText.c_str());
    r.position = longText;
    ItemEventCells cells = Format(r);
    EXPECT_EQ(cells[kItemDescription].size(), 1023u);
    EXPECT_EQ(cells[kItemPosition], longText.substr(0, 1023));
  }
  EXPECT_EQ(Format(ItemOpRecord(52, 0, 0, 0, 0, longText.substr(0, 1023).c_str()))[kItemDescription].size(), 1023u);
}

TEST_F(ItemEvent, moves_counts_and_chests) {
  ExpectRows({
      {10, kPotion, 7, 20, 6, "T", "^2Wearing^0 Equipment", "count: ^47^0"},
      {10, kRareSword, 7, 6, 13, "T", "^2Removing^0 Equipment", "T"},
      {10, 0, 7, 20, 30, "T", "^2Moving^0 Item", "T"},
      {10, 0, 7, 13, 12, "T", "^2Wearing^0 Equipment", "T"},
      {10, 0, 7, 111, 0, "T", "^2Wearing^0 Equipment", "T"},
      {10, 0, 7, 112, 0, "T", "^2Moving^0 Item", "T"},
      {10, 0, 7, 12, 111, "T", "^2Removing^0 Equipment", "T"},
      {10, 0, 7, 12, 112, "T", "^2Moving^0 Item", "T"},
      {10, 0, 7, 20, 13, "T", "^2Moving^0 Item", "T"},
      {10, 0, 7, 6, 6, "T", "^2Moving^0 Item", "T"},
      {15, kGold, 0xFFFFFFFF, 0, 0, "T", "^2Overwriting^0 Item", "count: ^4-1^0"},
      {11, 0, 0xFFFF0001, 0, 0, "T", "^2Merging^0Item", "result: ^41^0 and ^465535^0 (^2T^0 merged)"},
      {13, 0, 0x00028000, 0, 0, "T", "^2Spliting^0 Item", "result: ^432768^0 and ^42^0"},
      {16, kPotion, 3, 0, 0, "T", "Item Used", "Remain: 3"},
      {16, kRareSword, 3, 0, 0, "T", "Item Used", "T"},
      {21, kPotion, 0x00020001, 0, 0, "T", "^2Withrawing^0 Item from Chest", "count: ^4131073^0"},
      {119, kMail, 0xFFFF0000, 0, 0, "T", "^2Depositing^0 Item to Guild Chest", "dur: ^20^0/^465535^0"},
      {120, kPetScroll, 9, 0, 0, "T", "^2Withrawing^0 Item from Guild Chest", "count: ^49^0"},
      {120, kMissingItem, 9, 0, 0, "T", "^2Withrawing^0 Item from Guild Chest", "T"},
  });
}

TEST_F(ItemEvent, gold_amounts_and_results) {
  ExpectRows({
      {22, kRareSword, 0, 0, 0, "1000,250", nullptr,
       "Deposit: ^4500^0 Gold (Result - Chest: ^21000^0, Inventory: ^2250^0)", 500},
      {22, kRareSword, 0, 0, 0, "1000", nullptr, "Deposit: ^4500^0 Gold (Result - Chest: ^2^0, Inventory: ^2^0)", 500},
      {23, kRareSword, 0, 0, 0, "a,b,c", nullptr, "Withdraw: ^4-1^0 Gold (Result - Chest: ^2a^0, Inventory: ^2b,c^0)",
       -1},
      {117, kRareSword, 0, 0, 0, "%s,%n", nullptr,
       "Deposit: ^49223372036854775807^0 Gold (Result - Guild Chest: ^2%s^0, Inventory: ^2%n^0)",
       std::numeric_limits<int64_t>::max()},
      {118, kRareSword, 0, 0, 0, ",", nullptr,
       "Withdraw: ^4-9223372036854775808^0 Gold (Result - Guild Chest: ^2^0, Inventory: ^2^0)",
       std::numeric_limits<int64_t>::min()},
      {56, kRareSword, 0, 0, 0, "7", nullptr, "Registered Gold: ^45000000000^0, Remained Gold: ^27^0", 5000000000},
      {74, kRareSword, 0, 0, 0, "90", nullptr, "[^490^0 Gold ==> ^4-5^0 Gold]", -5},
  });
  // Operations 74 and 80 name no item, whatever refItemId holds.
  EXPECT_EQ(Format(ItemOpRecord(74, kRareSword))[kItemName], "");
  EXPECT_EQ(Format(ItemOpRecord(80, kMissingItem))[kItemName], "");
  EXPECT_TRUE(CLogCapture::Lines().empty());
}

TEST_F(ItemEvent, gold_reasons_and_their_fallback) {
  EXPECT_STREQ(GoldReasonText(1), "Quest Reward");
  EXPECT_STREQ(GoldReasonText(41), "Upgrade Siege Struct");
  for (uint32_t code : {0u, 42u, 0xFFFFFFFFu}) EXPECT_EQ(GoldReasonText(code), nullptr) << code;

  GameLogItemRecord r = ItemOpRecord(80, 7, 0, 0, 0, "1,000%");
  r.amount = -300;
  EXPECT_EQ(Format(r)[kItemDescription], "[Varied: ^4-300^0 Gold] [Reason: Teleport Used] [Remained Gold: ^41,000%^0]");
  r.refItemId = 42;
  EXPECT_EQ(Format(r)[kItemDescription],
            "[Varied: ^4-300^0 Gold] [Reason: Unknown(^242^0)] [Remained Gold: ^41,000%^0]");
  r.refItemId = 0xFFFFFFFF;
  EXPECT_EQ(Format(r)[kItemDescription],
            "[Varied: ^4-300^0 Gold] [Reason: Unknown(^2-1^0)] [Remained Gold: ^41,000%^0]");
}

TEST_F(ItemEvent, pick_and_drop) {
  struct Case {
    uint8_t op;
    uint32_t item;
    const char* text;
    const char* description;
    const char* slotTo;
  } cases[] = {
      {30, kMissingItem, "a,b,c", "a,b,c", "28"},
      {30, kGold, "x", "gold: ^21000^0", ""},
      {114, kGold, "x", "gold: ^21000^0", ""},
      {31, kGold, "x", "gold: ^21000^0", ""},
      {30, kGoldToken, "x", "count: ^41000^0", "28"},
      {114, kPotion, "x", "count: ^41000^0", "39"},
      {30, kRareSword, "P1,P2,P3", "[Prev ID: ^4P1^0, Prev Owner: ^4P2^0] ^3P3[^3From Shop^0]^0", "28"},
      {114, kMail, "P1,P2,Var:9,x", "[Prev ID: ^4P1^0, Prev Owner: ^4P2^0] ^3Var:9,x^0", "39"},
      {30, kPetScroll, "P1,P2", "[Prev ID: ^4P1^0, Prev Owner: ^4^0] ^3[^3From Shop^0]^0", "28"},
      {30, kRareSword, "", "[Prev ID: ^4^0, Prev Owner: ^4^0] ^3[^3From Shop^0]^0", "28"},
      {31, kRareSword, "P1,P2,P3", "[Prev ID: ^4P1^0] ^3P2,P3^0", ""},
      {31, kRareSword, "P1", "[Prev ID: ^4^0] ^3^0", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.op) << " " << c.item << " " << c.text);
    ItemEventCells cells = Format(c.op, c.item, 1000, 20, 40, c.text);
    EXPECT_EQ(cells[kItemDescription], c.description);
    EXPECT_EQ(cells[kItemSlotTo], c.slotTo);
  }
}

TEST_F(ItemEvent, npc_shops_and_item_mall) {
  const uint32_t npcHi = uint32_t(kShopNpc) << 16;
  ExpectRows({
      {32, kPotion, npcHi | 4, 0, 0, "G", "Buying Item From NPC Shop[^4Grocer^0]",
       "Brought Amount: ^24^0, Remained Gold: ^2G^0"},
      {32, kRareSword, npcHi, 0, 0, "G", "Buying Item From NPC Shop[^4Grocer^0]", "Remained Gold: ^2G^0"},
      {32, kMissingItem, 0x00090004, 0, 0, "G", "Buying Item From NPC's Shop[^4589828^0]", "G"},
      {32, kSilk, 0xFFFF0000, 0, 0, "G", "Buying Item From NPC's Shop[^4-65536^0]",
       "Brought Amount: ^20^0, Remained Gold: ^2G^0"},
      {32, kMail, 0xFFFF0000, 0, 0, "G", "Buying Item From NPC's Shop[^4-65536^0]", "Remained Gold: ^2G^0"},
      {33, kPotion, npcHi | 3, 0, 0, "G", "Item Sold To NPC Shop[^4Grocer^0](Sold Partially)",
       "Remain: ^43^0, Remained Gold: ^2G^0"},
      {33, kPotion, npcHi, 0, 0, "G", "Item Sold To NPC Shop[^4Grocer^0]", "Remained Gold: ^2G^0"},
      {33, kRareSword, npcHi | 1, 0, 0, "G", "Item Sold To NPC Shop[^4Grocer^0](Sold Partially)",
       "Remained Gold: ^2G^0"},
      {33, kMissingItem, 0x00090003, 0, 0, "G", "Item Sold To NPC Shop[^4589827^0](Sold Partially)", "G"},
      {34, 0, 0xFFFFFFFE, 0, 0, "G", "Gold Drop", "DROP Gold: ^4-2^0, Remained Gold: ^2G^0"},
      {35, 0, 2, 0, 0, "10/20/30", nullptr, "[Brought Amount: ^22^0] [Remained Pell: ^210^0 / ^420/30^0]"},
  });
}

// Reason texts at the ends of each switch, shared ones, and the fallbacks.
TEST_F(ItemEvent, acquired_perished_and_exchange_reasons) {
  ExpectRows({
      {40, 0, 0x00050001, 0, 0, "T", "Item Acquired By ^4Event^0", "Count: ^45^0"},
      {40, 0, 0x00050006, 0, 0, "T", "Item Acquired By ^4Siege^0", "Count: ^45^0"},
      {40, 0, 0xFFFF0002, 0, 0, "T", "Item Acquired by Unknown Reason[^22^0]", "Count: ^465535^0"},
      {41, 0, 0x00070001, 0, 0, "T", "Item Perished(^2By Event^0)", "Count Before Delete: ^47^0"},
      {41, 0, 0x00070004, 0, 0, "T", "Item Perished(^2Item Reinforcement^0)", "Count Before Delete: ^47^0"},
      {41, 0, 0x00000008, 0, 0, "T", "Item Perished(^2Buy Item with Token^0)", "T"},
      {41, 0, 0x00010008, 0, 0, "T", "Item Deducted(^2Buy Item with Token^0)", "T"},
      {41, 0, 0x00070003, 0, 0, "T", "Item Perished(Unknown Reason - [^43^0])", "Count Before Delete: ^47^0"},
      {53, 0, 1, 0, 0, "T", "^4Exchange Session Closed^0", "Exchange Succeeded"},
      {53, 0, 2, 0, 0, "T", "^4Exchange Session Closed^0", "Exchange Failure (^2Internal Server Failure^0)"},
      {53, 0, 8, 0, 0, "T", "^4Exchange Session Closed^0", "Exchange Failure (^2Exchange Request Denied^0)"},
      {53, 0, 9, 0, 0, "T", "^4Exchange Session Closed^0", "Unknown Reason[^49^0]"},
      {53, 0, 0x00010001, 0, 0, "T", "^4Exchange Session Closed^0", "Unknown Reason[^465537^0]"},
      {71, 0, 0x00090001, 0, 0, "T", "^4FMarket Close^0", "Normal Close / All Item Sold out"},
      {71, 0, 3, 0, 0, "T", "^4FMarket Close^0", "Unknown Server Error"},
      {71, 0, 4, 0, 0, "T", "^4FMarket Close^0", "Unknown Server Error"},
      {71, 0, 5, 0, 0, "T", "^4FMarket Close^0", "All Item Sold Out, Auto-Close."},
      {71, 0, 0x00010006, 0, 0, "T", "^4FMarket Close^0", "Unknown Reason(6)"},
      {159, 0, 1, 0, 0, "T", "Socket(^2Make a hole^0)", "T"},
      {159, 0, 3, 0, 0, "T", "Socket(^2Erase socket stone^0)", "T"},
      {159, 0, 4, 0, 0, "T", "", "T"},
      {159, 0, 0x00010001, 0, 0, "T", "", "T"},
  });
}

TEST_F(ItemEvent, exchange_and_market_items_by_kind) {
  ExpectRows({
      {54, kRareSword, 5, 0, 0, "v1", nullptr, "Durability: ^45^0 ^2v1[From Shop]^0", -7},
      {54, kRareSword, 5, 0, 0, "Var:1", nullptr, "Durability: ^45^0 ^2Var:1^0", -7},
      {54, kPotion, 5, 0, 0, "v1", nullptr, "count: ^45^0", -7},
      {54, kMissingItem, 5, 0, 0, "v1", nullptr, "v1", -7},
      {57, kMail, 5, 0, 0, "v1", nullptr, "Durability: ^45^0 ^4v1[^2From Shop^0]^0", -7},
      {58, kShield, 5, 0, 0, "Var:", nullptr, "Durability: ^45^0 ^4Var:^0", -7},
      {58, kGold, 5, 0, 0, "v1", nullptr, "count: ^45^0", -7},
      {72, kRareSword, 5, 0, 0, "v1", nullptr, "[Price: ^4-7^0] ^2v1[^2From Shop^0]^0", -7},
      {72, kPotion, 5, 0, 0, "3", nullptr, "[Price: ^4-7^0] [Amount: ^43^0]", -7},
      {72, kMissingItem, 5, 0, 0, "3", nullptr, "3", -7},
      {75, 0, 5, 0, 0, "900,Bob", "FMarket Item Sold To ^2Bob^0", "Price: ^4-7^0, Remained Gold: ^4900^0", -7},
      {141, 0, 5, 0, 0, "900,Bob,x", "FMarket Network Item Sold To ^2Bob,x^0", "Price: ^4-7^0, Remained Gold: ^4900^0",
       -7},
      {77, kRareSword, 5, 0, 0, "900,Ann,v1", "Item Brought From ^4Ann^0's FMarket",
       "[Price: ^4-7^0, Remained Gold: ^4900^0] ^2v1^0", -7},
      {143, kPotion, 5, 0, 0, "900,Ann,2", "Item Brought From ^4Ann^0's FMarket Network",
       "[Price: ^4-7^0, Remained Gold: ^4900^0] [Count: ^42^0]", -7},
      {77, kPotion, 5, 0, 0, "900,Ann", "Item Brought From ^4^0's FMarket",
       "[Price: ^4-7^0, Remained Gold: ^4900^0] [Count: ^4^0]", -7},
      {143, kMissingItem, 5, 0, 0, "900,Ann,2", "Item Brought From ^4Ann^0's FMarket Network", "900,Ann,2", -7},
  });
}

TEST_F(ItemEvent, reinforcement_and_attribute_stones) {
  ExpectRows({
      {91, 0, 0x1C, 20, 0, "", nullptr, "Option Level Down + Option Level Initialized + Item Vanished"},
      {91, 0, 2, 20, 0, "", nullptr, "Durability Down"},
      {91, 0, 0x1E, 20, 0, "", nullptr,
       "Durability Down + Option Level Down + Option Level Initialized + Item Vanished"},
      {91, 0, 6, 20, 0, "X", nullptr, "XDurability Down + Option Level Down"},
      {91, 0, 0x10, 20, 0, "X", nullptr, "X + Item Vanished"},
      {91, 0, 0xFFFFFFE1, 20, 0, "kept", nullptr, "kept"},
      {160, 0, 0xFFFF0009, 20, 0, "T", nullptr, "9 ==> 65535"},
      {133, kBow, 0, 20, 4, "opt#65546#131075", nullptr,
       "^2IVS_WEAPON_PHY_DMG^0 : ^8+10 ~ +1 ==> +3 ~ +2^0, ^1ItemMagicOpt : opt#65546#131075"},
      {135, kMissingItem, 0, 20, 4, "a#1#2", nullptr,
       "^2Unregistered Item Stat(4)^0 : ^8+1 ==> +2^0, ^1ItemMagicOpt : a#1#2"},
      {131, 0, kPotion, 20, 0, "T", nullptr, "^2Delete Magic_Stone Name : ITEM_POTION^0"},
      {134, 0, kSilk, 20, 0, "T", nullptr, "^2Delete Attr_Stone Name : ITEM_SILK^0"},
      {136, 0, kRareSword, 20, 0, "T", nullptr, "^2Use Tablet : ITEM_SWORD^0"},
      {137, 0, 0xFFFFFFFF, 20, 0, "T", nullptr, "^2Use Rondo2 : -1^0"},
      {138, 0, 12, 20, 0, "%d", nullptr, "^2Resolve Count : 12, ^8%d^0"},
      {139, 0, 0xFFFF8000, 20, 0, "T", nullptr, "^2Total Resolve Count : -1, Now Resolve Count:-32768^0"},
      {139, 0, 0x7FFF0001, 20, 0, "T", nullptr, "^2Total Resolve Count : 32767, Now Resolve Count:1^0"},
  });
  // The abandoned line still names its unregistered item in the log, once.
  CLogCapture::Lines().clear();
  ItemEventCells abandoned = Format(133, kMissingItem, 0, 20, 4, "no separators");
  EXPECT_EQ(abandoned, ItemEventCells());
  EXPECT_EQ(MakeSerialHistoryEntry(abandoned, 77).texts, SerialHistoryEntry().texts);
  ASSERT_EQ(CLogCapture::Lines().size(), 1u);
  EXPECT_EQ(CLogCapture::Lines()[0].second, "Log for Unregistered Item (ItemID: 5)!");
}

TEST_F(ItemEvent, premium_dates_and_spans) {
  struct Case {
    uint8_t op;
    uint32_t data;
    const char* text;
    const char* storage;
    const char* from;
    const char* to;
    const char* description;
  } cases[] = {
      {100, 0, "T", "1970-1-1(9:0:0)", "", "", "Remain Day : 5"},
      {102, 0xFFFFFFFF, "T", "2106-2-7(15:28:15)", "", "", "Remain Day : 5"},
      {103, 1234567890, "T", "2009-2-14(8:31:30)", "", "", "Remain Day : 5"},
      {104, 0x7FFFFFFF, "T", "2038-1-19(12:14:7)", "", "", "Remain Day : 5"},
      {101, 0, "3661,65537", "1970-1-1(9:0:0)", "5 days (0:0:0 - 1:1:1)", "255 days (0:0:1 - 0:0:1)", "3661,65537"},
      {101, 0, "-1,", "1970-1-1(9:0:0)", "5 days (18:12:15 - 18:12:15)", "255 days (0:0:0 - 0:0:0)", "-1,"},
      {101, 0, "-1", "1970-1-1(9:0:0)", "5 days (0:0:0 - 0:0:0)", "255 days (0:0:0 - 0:0:0)", "-1"},
      {101, 0, "1,235871263", "1970-1-1(9:0:0)", "5 days (0:0:0 - 0:0:1)", "255 days (0:59:59 - 1:59:59)",
       "1,235871263"},
      {101, 0, "235933140,3939420", "1970-1-1(9:0:0)", "5 days (1:0:0 - 0:59:0)", "255 days (0:1:0 - 2:1:0)",
       "235933140,3939420"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.op) << " " << c.data << " " << c.text);
    ItemEventCells cells = Format(c.op, 0, c.data, 5, 255, c.text);
    EXPECT_EQ(cells[kItemStorage], c.storage);
    EXPECT_EQ(cells[kItemSlotFrom], c.from);
    EXPECT_EQ(cells[kItemSlotTo], c.to);
    EXPECT_EQ(cells[kItemDescription], c.description);
  }
  // A moment the local time cannot show is shown as the number it is.
  SetLocalTimeFunc(NoLocalTime);
  EXPECT_EQ(Format(104, 0, 4000000000u, 5, 0, "T")[kItemStorage], "4000000000");
}

TEST_F(ItemEvent, composite_items_by_fourcc) {
  ExpectRows({
      {110, 0, 0x55494C31, 0, 3, "1001", nullptr,
       "FourCC : ^21430866993^0, SubObjectID : ^2Sword^0, Starting Count : ^23^0"},
      {121, 0, 0x55514C31, 0, 0, " 10", nullptr,
       "FourCC : ^21431391281^0, SubObjectID : ^2The first quest^0, Starting Count : ^20^0"},
      {110, 0, 0x55534C31, 0, 255, "3001x", nullptr,
       "FourCC : ^21431522353^0, SubObjectID : ^2Blade Dance^0, Starting Count : ^2255^0"},
      {110, 0, 0x42464931, 0, 3, "1001", nullptr, "FourCC : ^21111902513^0, SubObjectID : ^2Sword^0"},
      {121, 0, 0x55495531, 0, 3, "1001", nullptr, "FourCC : ^21430869297^0, SubObjectID : ^2Sword^0"},
      {110, 0, 0x55494C31, 0, 3, "9999", nullptr,
       "FourCC : ^21430866993^0, SubObjectID : ^2^0, Starting Count : ^23^0"},
      {122, 0, 0x55535531, 1, 9, "3001", nullptr,
       "FourCC : ^21431524657^0, SubObjectID : ^2Blade Dance^0, UpdateType : UsingObject, UpdateData : 9"},
      {122, 0, 0x55535531, 2, 9, "3001", nullptr,
       "FourCC : ^21431524657^0, SubObjectID : ^2Blade Dance^0, UpdateType : ResetObject, UpdateData : 9"},
      {122, 0, 0x55535531, 3, 255, "3001", nullptr,
       "FourCC : ^21431524657^0, SubObjectID : ^2Blade Dance^0, UpdateType : , UpdateData : 255"},
      {123, 0, 0xFFFFFFFF, 0, 3, "1001", nullptr, "FourCC : ^2-1^0, SubObjectID : ^2^0"},
      {123, 0, 0x55494C31, 0, 3, "1001", nullptr, "FourCC : ^21430866993^0, SubObjectID : ^2Sword^0"},
      {125, 0, 0x55494C31, 0, 0, "", nullptr, ", ParamKeeper FourCC[^21430866993, UIL1^0]"},
      {127, 0, 0x00000041, 0, 0, "pk%s", nullptr, "pk%s, ParamKeeper FourCC[^265,    A^0]"},
      {126, 0, 0, 0, 0, "pk", nullptr, "pk"},
  });
}

TEST_F(ItemEvent, cards_skills_console_edits_and_pet_moves) {
  ExpectRows({
      {112, 0, 0, 0, 1, "a^^1001^^b^^65543^^c", nullptr,
       "Changing item name : ^2Sword^0, Changing item count : ^27^0, win a prize? : ^2Yes^0"},
      {112, 0, 0, 0, 0, "^^1001^^^^7^^", nullptr,
       "Changing item name : ^2Sword^0, Changing item count : ^27^0, win a prize? : ^2No^0"},
      {112, 0, 0, 0, 1, "a^^1001^^b^^7", nullptr, "a^^1001^^b^^7"},
      {112, 0, 0, 0, 1, "a^^5^^b^^7^^", nullptr, "a^^5^^b^^7^^"},
      {112, 0, 0, 0, 1, "^^^", nullptr, "^^^"},
      {111, kBladeDance, 60, 0, 0, "T", nullptr, "[Assoc. Skill: Blade Dance][RemainTime: 60 sec]"},
      {111, 9, 0xFFFFFFFF, 0, 0, "T", nullptr, "[Assoc. Skill: Unknown Skill(9)][RemainTime: -1 sec]"},
  });
  // The skill's identifier still goes to the item lookup.
  CLogCapture::Lines().clear();
  EXPECT_EQ(Format(111, kBladeDance, 60, 0, 0, "T")[kItemName], "^2??? Unknown Item RefID[3001]^0");
  EXPECT_EQ(CLogCapture::Lines().size(), 1u);

  struct Edit {
    const char* position;
    uint8_t to;
    const char* name;
    const char* slotTo;
  } edits[] = {
      {"MGI_G", 255, "Edit Guild Chest Item(Gold Modify)", "Invalid Slot"},
      {"MII_A", 7, "Edit Character Inventory Item(Add)", "7"},
      {"XYZ", 0, "", "0"},
      {"MC", 0, "Invalid Operation Keyword", "0"},
  };
  for (const Edit& e : edits) {
    GameLogItemRecord r = ItemOpRecord(99, 0, 0, 3, e.to, "T");
    r.position = e.position;
    ItemEventCells cells = Format(r);
    EXPECT_EQ(cells[kItemOperation], e.name);
    EXPECT_EQ(cells[kItemSlotFrom], "KDC");
    EXPECT_EQ(cells[kItemSlotTo], e.slotTo);
    EXPECT_EQ(cells[kItemDescription], "T");
    EXPECT_EQ(cells[kItemPosition], e.position);
  }

  ItemEventCells toPet = Format(115, 0, 0, 20, 4, "T");
  EXPECT_EQ(toPet[kItemStorage], "^2PC^0 ==> ^2COS^0");
  EXPECT_EQ(toPet[kItemSlotFrom], "20");
  EXPECT_EQ(toPet[kItemSlotTo], "4");
  ItemEventCells fromPet = Format(116, 0, 0, 255, 0, "T");
  EXPECT_EQ(fromPet[kItemStorage], "^2COS^0 ==> ^2PC^0");
  EXPECT_EQ(fromPet[kItemSlotFrom], "255");
  EXPECT_EQ(fromPet[kItemSlotTo], "0");
}

}  // namespace
