#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "gamelog/ItemAttrText.h"
#include "gamelog/ItemTextPieces.h"
#include "unit/gamelog/GameLogRefData.h"
#include "unit/gamelog/GameLogTestSupport.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

TEST(ItemName, kinds_rarity_and_missing_references) {
  struct Case {
    uint8_t operation;
    uint32_t item;
    const char* name;
    bool logged;
  } cases[] = {
      {10, 0, "", false},
      {74, kRareSword, "", false},
      {80, kMissingItem, "", false},
      {10, kMissingItem, "^2??? Unknown Item RefID[5]^0", true},
      {10, 0xFFFFFFFF, "^2??? Unknown Item RefID[-1]^0", true},
      {10, kRareSword, "^2Sword^0[^4ITEM_SWORD^0]^2(RARE)^0", false},
      {111, kBow, "^2Bow^0[^4ITEM_BOW^0]", false},
      {10, kBanner, "^2^0[^4ITEM_BANNER^0]^2(RARE)^0", false},
      {10, kRarePotion, "^2Potion^0[^4ITEM_RARE_POTION^0]", false},
      {10, kNoNameText, "^2^0[^4ITEM_NONAME^0]", false},
      {10, kSilk, "^2100% Silk^0[^4ITEM_SILK^0]", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CLogCapture log;
    EXPECT_EQ(FormatItemName(ItemOpRecord(c.operation, c.item), GameLogRefData()), c.name);
    if (c.logged) {
      ASSERT_EQ(CLogCapture::Lines().size(), 1u);
      EXPECT_EQ(CLogCapture::Lines()[0].first, 0x02000000u);
      EXPECT_EQ(CLogCapture::Lines()[0].second,
                "Log for Unregistered Item (ItemID: " + std::to_string(int32_t(c.item)) + ")!");
    } else {
      EXPECT_TRUE(CLogCapture::Lines().empty());
    }
  }
}

TEST(ItemAttrNames, magic_and_avatar_tables_at_their_ends_and_past_them) {
  EXPECT_EQ(MagicAttrName(0), "MATTR_STR");
  EXPECT_EQ(MagicAttrName(31), "MATTR_APE");
  EXPECT_EQ(AvatarMagicAttrName(0), "MATTR_AVATAR_STR");
  EXPECT_EQ(AvatarMagicAttrName(11), "MATTR_AVATAR_LUCK");
  EXPECT_EQ(MagicAttrName(32), "Unknown Magic Option(32)");
  EXPECT_EQ(MagicAttrName(255), "Unknown Magic Option(255)");
  EXPECT_EQ(AvatarMagicAttrName(12), "Unknown Avatar Option(12)");
  EXPECT_EQ(AvatarMagicAttrName(255), "Unknown Avatar Option(255)");
}

// The stat kind a type word selects, seen by its list's ends and length.
TEST(ItemAttrNames, variance_stats_by_kind_and_past_their_end) {
  struct Kind {
    const char* what;
    std::vector<uint16_t> words;  // type words of this kind
    const char* first;
    const char* last;
    unsigned count;
  } kinds[] = {
      {"armor",
       {MakeTypeWord(0, 0, 3, 1, 1, 0), MakeTypeWord(1, 0, 3, 1, 2, 0), MakeTypeWord(0, 0, 3, 1, 3, 0),
        MakeTypeWord(0, 0, 3, 1, 9, 0), MakeTypeWord(0, 0, 3, 1, 10, 0), MakeTypeWord(0, 0, 3, 1, 11, 31)},
       "IVS_ARMOR_DURABILITY", "IVS_ARMOR_EVASION_RATIO", 6},
      {"weapon",
       {MakeTypeWord(0, 0, 3, 1, 6, 0), MakeTypeWord(0, 0, 3, 1, 6, 1)},
       "IVS_WEAPON_DURABILITY", "IVS_WEAPON_CRITICAL_HITRATIO", 7},
      {"shield",
       {MakeTypeWord(0, 0, 3, 1, 4, 1), MakeTypeWord(0, 0, 3, 1, 4, 2)},
       "IVS_SHIELD_DURABILITY", "IVS_SHIELD_MAG_DEFENSE", 6},
      {"accessory",
       {MakeTypeWord(0, 0, 3, 1, 5, 0), MakeTypeWord(0, 0, 3, 1, 12, 3)},
       "IVS_ACCESSORY_PHY_ABSORB_RATIO", "IVS_ACCESSORY_MAG_ABSORB_RATIO", 2},
      {"none",
       {MakeTypeWord(0, 0, 3, 1, 4, 3), MakeTypeWord(0, 0, 3, 1, 7, 0), MakeTypeWord(0, 0, 3, 1, 0, 0),
        MakeTypeWord(0, 1, 3, 1, 6, 0), MakeTypeWord(0, 0, 2, 1, 6, 0), MakeTypeWord(0, 0, 3, 3, 6, 0),
        MakeTypeWord(0, 0, 3, 2, 1, 0)},
       "", "", 0},
  };
  for (const Kind& kind : kinds) {
    for (uint16_t word : kind.words) {
      SCOPED_TRACE(testing::Message() << kind.what << " 0x" << std::hex << word);
      const std::string past = kind.count ? "Unknown Variance Stat(" + std::to_string(kind.count) + ")" : "";
      EXPECT_EQ(ItemStatName(word, 0), kind.count ? kind.first : past);
      if (kind.count) {
        EXPECT_EQ(ItemStatName(word, kind.count - 1), kind.last);
      }
      EXPECT_EQ(ItemStatName(word, kind.count), past);
      EXPECT_EQ(ItemStatName(word, 255), kind.count ? "Unknown Variance Stat(255)" : "");
    }
  }
}

// A record of the operation, item (0: none), data, slotTo and text, and the description
// it gives; an empty one: the line is abandoned.
struct AttrRow {
  uint8_t op;
  uint32_t item, data;
  uint8_t to;
  const char* text;
  std::string description;
};

void ExpectAttrChanges(const std::vector<AttrRow>& rows) {
  for (const AttrRow& row : rows) {
    SCOPED_TRACE(testing::Message() << int(row.op) << " " << row.item << " " << row.text);
    const RefObjItem* item = row.item ? GameLogRefData().FindItem(row.item) : nullptr;
    std::string description = "before";
    bool kept = FormatAttrChange(ItemOpRecord(row.op, row.item, row.data, 0, row.to, row.text), item, &description);
    EXPECT_EQ(kept, !row.description.empty());
    if (kept) {
      EXPECT_EQ(description, row.description);
    }
  }
}

TEST(ItemAttrChange, magic_avatar_and_reinforcement_values) {
  ExpectAttrChanges({
      {130, 0, 0x00040304, 0, "opt", "^2MATTR_LUCK^0 : ^8+3 ==> +4^0, ^1ItemMagicOpt : opt"},
      {132, 0, 0xAB1FFF00, 0, "%s%n", "^2MATTR_APE^0 : ^8+255 ==> +0^0, ^1ItemMagicOpt : %s%n"},
      {130, 0, 0x00200102, 0, "", "^2Unknown Magic Option(32)^0 : ^8+1 ==> +2^0, ^1ItemMagicOpt : "},
      {148, 0, 0x000B0506, 0, "a", "^2MATTR_AVATAR_LUCK^0 : ^8+5 ==> +6^0, ^1ItemMagicOpt : a"},
      {148, 0, 0x000C0506, 0, "a", "^2Unknown Avatar Option(12)^0 : ^8+5 ==> +6^0, ^1ItemMagicOpt : a"},
      {148, 0, 0x00FF0000, 0, "a", "^2Unknown Avatar Option(255)^0 : ^8+0 ==> +0^0, ^1ItemMagicOpt : a"},
      {90, 0, 0x0007FFFF, 0, "r", "^8+-1 ==> +7^0, ^1ItemMagicOpt : r"},
      {90, 0, 0x80007FFF, 0, "", "^8+32767 ==> +-32768^0, ^1ItemMagicOpt : "},
      {10, 0, 0x12345678, 0, "left alone", "left alone"},
  });
}

TEST(ItemAttrChange, variance_from_data_or_text) {
  const std::string weapon4 = "^2IVS_WEAPON_PHY_DMG^0 : ^8+";
  ExpectAttrChanges({
      {133, kBow, 0, 4, "opt#65546#131075", weapon4 + "10 ~ +1 ==> +3 ~ +2^0, ^1ItemMagicOpt : opt#65546#131075"},
      {135, kBow, 0, 4, "#-1# 65536x", weapon4 + "-1 ~ +-1 ==> +0 ~ +1^0, ^1ItemMagicOpt : #-1# 65536x"},
      {133, kBow, 0, 3, "a#-5#+7", "^2IVS_WEAPON_HIT_RATIO^0 : ^8+-5 ==> +7^0, ^1ItemMagicOpt : a#-5#+7"},
      {133, kBow, 0, 3, "##", "^2IVS_WEAPON_HIT_RATIO^0 : ^8+0 ==> +0^0, ^1ItemMagicOpt : ##"},
      {133, kBow, 0, 4, "opt", ""},
      {133, kBow, 0, 4, "opt#5", ""},
      {135, 0, 0, 4, "", ""},
      {133, kBow, 0xFFFE0003, 4, "t", weapon4 + "-2 ==> +3^0, ^1ItemMagicOpt : t"},
      {133, kMail, 1, 6, "t", "^2Unknown Variance Stat(6)^0 : ^8+0 ==> +1^0, ^1ItemMagicOpt : t"},
      {133, kShield, 0x00020001, 5, "t", "^2IVS_SHIELD_MAG_DEFENSE^0 : ^8+2 ==> +1^0, ^1ItemMagicOpt : t"},
      {135, kRing, 0, 2, "x#1#2", "^2Unknown Variance Stat(2)^0 : ^8+1 ==> +2^0, ^1ItemMagicOpt : x#1#2"},
      {135, kPetScroll, 1, 0, "t", "^2^0 : ^8+0 ==> +1^0, ^1ItemMagicOpt : t"},
      {133, kBow, 0x00050102, 255, "t", "^2IVS_WEAPON_MAG_DMG^0 : ^8+1 ==> +2^0, ^1ItemMagicOpt : t"},
      {133, kBow, 0x00070102, 255, "t", "^2Unknown Variance Stat(7)^0 : ^8+1 ==> +2^0, ^1ItemMagicOpt : t"},
      {133, kBow, 0, 255, "no hash", "^2IVS_WEAPON_DURABILITY^0 : ^8+0 ==> +0^0, ^1ItemMagicOpt : no hash"},
      {135, 0, 0, 4, "x#1#2", "^2Unregistered Item Stat(4)^0 : ^8+1 ==> +2^0, ^1ItemMagicOpt : x#1#2"},
      {133, 0, 0x00090102, 255, "", "^2Unregistered Item Stat(9)^0 : ^8+1 ==> +2^0, ^1ItemMagicOpt : "},
  });
}

TEST(ItemAttrParamKeeper, fourcc_after_the_text) {
  EXPECT_EQ(ParamKeeperText("", 0x55494C31), ", ParamKeeper FourCC[^21430866993, UIL1^0]");
  EXPECT_EQ(ParamKeeperText("%s", 0x80000041), std::string("%s, ParamKeeper FourCC[^2-2147483583, \x80  A^0]"));
  EXPECT_EQ(ParamKeeperText("kept", 0), "kept");
}

TEST(ItemTextPieces, splits_numbers_and_shop_marks) {
  // At commas SplitAtFirst is checked beside CommaFields (ConsoleOpTextTest); another
  // separator splits alike.
  TextSplit slash = SplitAtFirst("a/b/c", '/'), none = SplitAtFirst("a,b", '/');
  EXPECT_EQ(std::make_pair(slash.before, slash.after), std::make_pair(std::string("a"), std::string("b/c")));
  EXPECT_EQ(std::make_pair(none.before, none.after), std::make_pair(std::string(), std::string()));
  struct Number {
    const char* text;
    int32_t value;
  } numbers[] = {
      {"42", 42},           {"  +12x", 12},       {"\t\n\v\f\r-7", -7},   {"", 0},
      {"abc", 0},           {"- 5", 0},           {"+-5", 0},             {"2147483647", 2147483647},
      {"2147483648", 2147483647}, {"99999999999999999999", 2147483647}, {"-2147483648", -2147483647 - 1},
      {"-99999999999", -2147483647 - 1},
  };
  for (const Number& n : numbers) EXPECT_EQ(ReadDecimal(n.text), n.value) << n.text;
  EXPECT_EQ(WithShopMark("P3", "[M]"), "P3[M]");
  EXPECT_EQ(WithShopMark("", "[M]"), "[M]");
  EXPECT_EQ(WithShopMark("aVar:b", "[M]"), "aVar:b");
  EXPECT_EQ(WithShopMark("var:b", "[M]"), "var:b[M]");
}

}  // namespace
