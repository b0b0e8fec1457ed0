#include <gtest/gtest.h>

#include <string>

#include "refdata/RefDataLoad.h"
#include "refdata/RefLevelExpOffset.h"
#include "refdata/RefMagicOption.h"
#include "refdata/RefObj.h"
#include "refdata/RefQuest.h"
#include "refdata/RefServerEventID.h"
#include "refdata/RefSkill.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

// Each load with a parser of its own, as a load of one file alone would.
template <class T>
bool LoadFile(const char* path, CRefTable<T>& table) {
  CRefDataParser parser;
  return LoadRefDataFile(path, table, parser);
}
template <class T>
bool LoadList(const char* path, CRefTable<T>& table) {
  CRefDataParser parser;
  return LoadRefDataList(path, table, parser);
}

// Answers every report with OK so loads go on; keeps the boxes.
class RecordFiles : public testing::Test {
 protected:
  CAssertionBoxes boxes;
  CScratchDir dir;
  CLogCapture log;
};

TEST_F(RecordFiles, type_word_parts_are_cut_to_their_widths) {
  // flag 3 -> 1, category 2 -> 0, class 9 -> 1, group 5 -> 1, subgroup 17 -> 1, detail 33 -> 1
  dir.Write("Items.txt", ItemRow(7, "ITEM_CUT", "SN_CUT", {3, 2, 9, 5, 17, 33}));
  CRefTable<RefObjItem> items;
  ASSERT_TRUE(LoadFile("KV_GameRefData\\Items.txt", items));
  const RefObjItem* item = items.Find(7);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->typeWord, 0x0001 | 0x0004 | 0x0020 | 0x0080 | 0x0800);
  EXPECT_EQ(TypeClass(item->typeWord), 1u);
  EXPECT_STREQ(item->codeName, "ITEM_CUT");
  EXPECT_STREQ(item->nameKey, "SN_CUT");
}

TEST_F(RecordFiles, item_line_one_column_short_shifts_the_next_record) {
  std::vector<std::string> shortLine = ObjColumns(159, 1, "ITEM_SHORT", "SN_SHORT", {0, 0, 3, 1, 1, 0});
  dir.Write("Items.txt", Row(shortLine) + ItemRow(2, "ITEM_NEXT", "SN_NEXT") + ItemRow(3, "ITEM_LAST", "SN_LAST"));
  CRefTable<RefObjItem> items;
  EXPECT_FALSE(LoadFile("KV_GameRefData\\Items.txt", items)) << "the stream ends one token short";
  EXPECT_EQ(boxes.Texts().size(), 1u);
  const RefObjItem* first = items.Find(1);
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first->codeName, "ITEM_SHORT");
  // The second record starts at the next line's column 1, so its id comes from the
  // code name column and reads as 0.
  EXPECT_EQ(items.Find(2), nullptr);
  EXPECT_EQ(items.Find(3), nullptr);
  const RefObjItem* shifted = items.Find(0);
  ASSERT_NE(shifted, nullptr);
  EXPECT_STREQ(shifted->codeName, "0") << "column 3 of the line became the code name";
}

TEST_F(RecordFiles, trailing_empty_line) {
  // A record of several columns cannot be completed from one empty token.
  dir.Write("Quests.txt", QuestRow(1, "Q_ONE") + QuestRow(2, "Q_TWO") + "\r\n");
  CRefTable<RefQuest> quests;
  EXPECT_FALSE(LoadFile("KV_GameRefData\\Quests.txt", quests));
  EXPECT_EQ(boxes.Texts().size(), 1u);
  EXPECT_EQ(quests.Size(), 2u) << "records before the broken one stay";
  ASSERT_NE(quests.Find(2), nullptr);

  // A one-column kind gains a record with identifier 0.
  dir.Write("Events.txt", "7\r\n9\r\n\r\n");
  CRefTable<RefServerEventID> events;
  EXPECT_TRUE(LoadFile("KV_GameRefData\\Events.txt", events));
  ASSERT_EQ(events.Size(), 3u);
  EXPECT_EQ(events.Records()[0].id, 0);
  EXPECT_EQ(events.Records()[1].id, 7);
  EXPECT_EQ(events.Records()[2].id, 9);
  EXPECT_EQ(boxes.Texts().size(), 1u);
}

TEST_F(RecordFiles, last_record_without_final_crlf_counts) {
  std::string last = QuestRow(4, "Q_LAST");
  dir.Write("Quests.txt", QuestRow(3, "Q_THREE") + last.substr(0, last.size() - 2));
  CRefTable<RefQuest> quests;
  EXPECT_TRUE(LoadFile("KV_GameRefData\\Quests.txt", quests));
  ASSERT_NE(quests.Find(4), nullptr);
  EXPECT_EQ(quests.Find(4)->GetNameKey(), "SN_Q_LAST");
}

TEST_F(RecordFiles, duplicate_identifier_keeps_the_first_record) {
  dir.Write("Quests.txt", QuestRow(5, "Q_FIRST") + QuestRow(1, "Q_OTHER") + QuestRow(5, "Q_SECOND"));
  CRefTable<RefQuest> quests;
  ASSERT_TRUE(LoadFile("KV_GameRefData\\Quests.txt", quests));
  EXPECT_EQ(quests.Size(), 2u);
  EXPECT_STREQ(quests.Find(5)->codeName, "Q_FIRST");
  EXPECT_EQ(quests.Records()[0].id, 1) << "ordered by key";
}

TEST_F(RecordFiles, keys_order_as_unsigned) {
  dir.Write("Events.txt", "-1\r\n1\r\n");
  CRefTable<RefServerEventID> events;
  ASSERT_TRUE(LoadFile("KV_GameRefData\\Events.txt", events));
  EXPECT_EQ(events.Records()[0].id, 1);
  EXPECT_EQ(events.Records()[1].id, -1);
  EXPECT_NE(events.Find(0xFFFFFFFFu), nullptr);
}

TEST_F(RecordFiles, skill_name_key_falls_back_only_for_exactly_xxx) {
  dir.Write("Skills.txt", SkillRow(1, "SN_COL4_A", "xxx", 12) + SkillRow(2, "SN_COL4_B", "xxxx") +
                              SkillRow(3, "SN_COL4_C", "XXX") + SkillRow(4, "SN_COL4_D", "SN_COL62_D"));
  CRefTable<RefSkill> skills;
  ASSERT_TRUE(LoadFile("KV_GameRefData\\Skills.txt", skills));
  EXPECT_STREQ(skills.Find(1)->GetNameKey(), "SN_COL4_A");
  EXPECT_EQ(skills.Find(1)->level, 12);
  EXPECT_STREQ(skills.Find(2)->GetNameKey(), "xxxx");
  EXPECT_STREQ(skills.Find(3)->GetNameKey(), "XXX");
  EXPECT_STREQ(skills.Find(4)->GetNameKey(), "SN_COL62_D");
}

TEST_F(RecordFiles, composite_and_narrow_keys) {
  dir.Write("Assign.txt", MagicOptAssignRow(0x101, 2, 3));
  CRefTable<RefMagicOptAssign> assigns;
  ASSERT_TRUE(LoadFile("KV_GameRefData\\Assign.txt", assigns));
  EXPECT_NE(assigns.Find(0x03020001u), nullptr) << "parts cut to 8 bits at bits 0, 16 and 24";

  dir.Write("Levels.txt", KindRow(9, {{0, "300"}}) + KindRow(9, {{0, "44"}}));
  CRefTable<RefLevelExpOffset> levels;
  ASSERT_TRUE(LoadFile("KV_GameRefData\\Levels.txt", levels));
  EXPECT_NE(levels.Find(44), nullptr);
  EXPECT_NE(levels.Find(300 & 0xFF), nullptr);
}

TEST_F(RecordFiles, list_file_loads_each_named_file) {
  dir.Write("Items.txt", "A.txt\tB.txt\r\n");
  dir.Write("A.txt", ItemRow(1, "ITEM_A", "SN_A"));
  dir.Write("B.txt", ItemRow(1, "ITEM_B", "SN_B") + ItemRow(2, "ITEM_B2", "SN_B2"));
  CRefTable<RefObjItem> items;
  ASSERT_TRUE(LoadList("KV_GameRefData\\Items.txt", items));
  EXPECT_EQ(items.Size(), 2u);
  EXPECT_STREQ(items.Find(1)->codeName, "ITEM_A") << "first file wins for a shared key";
  EXPECT_TRUE(CLogCapture::Lines().empty());
}

TEST_F(RecordFiles, list_file_with_trailing_empty_line_names_the_folder) {
  dir.Write("Items.txt", "A.txt\r\n\r\n");
  dir.Write("A.txt", ItemRow(1, "ITEM_A", "SN_A"));
  CRefTable<RefObjItem> items;
  EXPECT_FALSE(LoadList("KV_GameRefData\\Items.txt", items));
  EXPECT_NE(items.Find(1), nullptr);
  LogLines expected = {
      {0x01000000u, "RefData file : KV_GameRefData\\ missing!"},
      {0x02000000u, "^2failed to load KV_GameRefData\\"},
  };
  EXPECT_EQ(CLogCapture::Lines(), expected);
}

TEST_F(RecordFiles, list_stops_at_the_first_failing_file) {
  dir.Write("Items.txt", "A.txt\r\nGone.txt\r\nC.txt\r\n");
  dir.Write("A.txt", ItemRow(1, "ITEM_A", "SN_A"));
  dir.Write("C.txt", ItemRow(3, "ITEM_C", "SN_C"));
  CRefTable<RefObjItem> items;
  EXPECT_FALSE(LoadList("KV_GameRefData\\Items.txt", items));
  EXPECT_NE(items.Find(1), nullptr);
  EXPECT_EQ(items.Find(3), nullptr) << "files listed after the failure are not read";
  LogLines expected = {
      {0x01000000u, "RefData file : KV_GameRefData\\Gone.txt missing!"},
      {0x02000000u, "^2failed to load KV_GameRefData\\Gone.txt"},
  };
  EXPECT_EQ(CLogCapture::Lines(), expected);
}

TEST(ObjTypeWord, kind_tests) {
  struct Case {
    const char* name;
    uint16_t word;
    bool equipment, expendable, gold, tradeGoods, cargoPet;
  } cases[] = {
      {"weapon", MakeTypeWord(0, 0, 3, 1, 6, 1), true, false, false, false, false},
      {"flag bit ignored", MakeTypeWord(1, 0, 3, 1, 6, 1), true, false, false, false, false},
      {"category 1 is no item", MakeTypeWord(0, 1, 3, 1, 6, 1), false, false, false, false, false},
      {"class 2 is no item", MakeTypeWord(0, 0, 2, 1, 6, 1), false, false, false, false, false},
      {"gold", MakeTypeWord(0, 0, 3, 3, 5, 0), false, true, true, false, false},
      {"gold detail 1 is not gold", MakeTypeWord(0, 0, 3, 3, 5, 1), false, true, false, false, false},
      {"trade goods", MakeTypeWord(0, 0, 3, 3, 8, 4), false, true, false, true, false},
      {"cargo pet", MakeTypeWord(0, 1, 1, 2, 3, 2), false, false, false, false, true},
      {"cargo pet with flag", MakeTypeWord(1, 1, 1, 2, 3, 2), false, false, false, false, true},
      {"other pet", MakeTypeWord(0, 1, 1, 2, 3, 1), false, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsEquipment(c.word), c.equipment);
    EXPECT_EQ(IsExpendable(c.word), c.expendable);
    EXPECT_EQ(IsGold(c.word), c.gold);
    EXPECT_EQ(IsTradeGoods(c.word), c.tradeGoods);
    EXPECT_EQ(IsCargoPet(c.word), c.cargoPet);
  }

  RefObjItem item;
  item.typeWord = MakeTypeWord(0, 0, 3, 1, 1, 1);
  item.rarity = 2;
  EXPECT_TRUE(IsRare(item));
  item.rarity = 3;
  EXPECT_FALSE(IsRare(item));
  item.rarity = 2;
  item.typeWord = MakeTypeWord(0, 0, 3, 3, 1, 1);
  EXPECT_FALSE(IsRare(item)) << "only equipment is rare";
}

}  // namespace
