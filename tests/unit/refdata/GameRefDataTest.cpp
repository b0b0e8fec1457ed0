#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/AssertReport.h"
#include "refdata/KV_GameRefData.h"
#include "refdata/RefDataLoad.h"
#include "refdata/RefDataText.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

class GameRefData : public testing::Test {
 protected:
  void SetUp() override { dir.WriteCompleteSet(); }
  void TearDown() override { CGameRefData::DestroyInstance(); }

  // The text file written into the scratch folder, then loaded into the table.
  bool LoadText(const std::string& name, const std::string& lines, CTextTable& table) {
    dir.Write(name, lines);
    return LoadTextFile(("KV_GameRefData\\" + name).c_str(), table, parser);
  }

  CAssertionBoxes boxes;
  CScratchDir dir;
  CLogCapture log;
  CRefDataParser2 parser;
};

TEST_F(GameRefData, complete_set_loads_every_kind) {
  CGameRefData data;
  ASSERT_TRUE(data.Load());
  EXPECT_TRUE(CLogCapture::Lines().empty());

  const RefObjItem* sword = data.FindItem(1001);
  ASSERT_NE(sword, nullptr);
  EXPECT_STREQ(sword->codeName, "ITEM_SWORD");
  EXPECT_TRUE(IsRare(*sword));
  ASSERT_NE(data.FindItem(1003), nullptr) << "second listed file";
  EXPECT_TRUE(IsTradeGoods(data.FindItem(1003)->typeWord));
  EXPECT_EQ(data.FindItem(1004), nullptr);

  ASSERT_NE(data.FindChar(2002), nullptr);
  EXPECT_TRUE(IsCargoPet(data.FindChar(2002)->typeWord));
  EXPECT_STREQ(data.GetText(data.FindChar(2001)->nameKey), "Wolf");
  EXPECT_STREQ(data.GetText(data.FindSkill(3002)->GetNameKey()), "");
  EXPECT_STREQ(data.FindSkill(3002)->GetNameKey(), "SN_SKILL_B4");
  EXPECT_EQ(data.FindSkill(3001)->level, 7);
  EXPECT_STREQ(data.FindSkillMastery(257)->nameKey, "SN_MASTERY_SWORD");
  EXPECT_STREQ(data.GetText(data.FindQuest(10)->GetNameKey().c_str()), "The first quest");

  std::vector<const RefSiegeFortress*> fortresses;
  fortresses.push_back(nullptr);  // the list is emptied first
  data.GetSiegeFortressList(fortresses);
  ASSERT_EQ(fortresses.size(), 2u);
  EXPECT_EQ(fortresses[0]->id, 1);
  EXPECT_EQ(fortresses[1]->id, 3);
  ASSERT_NE(data.FindSiegeFortress(2), nullptr) << "a disabled fortress is still held";
  EXPECT_STREQ(data.FindSiegeFortress(2)->codeName, "FORTRESS_OFF");

  std::vector<const RefServerEventID*> events;
  data.GetServerEventList(events);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0]->id, 3);
  EXPECT_EQ(events[1]->id, 5);
}

TEST_F(GameRefData, texts_first_file_and_line_win) {
  dir.Write("TextDataName.txt", TextRow("SN_DUP", "from name file") + TextRow("SN_DUP", "second line") +
                                    TextRow("SN_EMPTY", ""));
  dir.Write("TextUISystem.txt", TextRow("SN_DUP", "from ui file") + TextRow("sn_dup", "other case"));
  // A seven-column line has no column 8 and takes the previous line's text; a line
  // without column 1 keeps the previous key.
  dir.Write("TextQuest.txt", TextRow("SN_Q1", "quest text") + "1\tSN_SEVEN\t\t\t\t\t\r\n" + "1\r\n" +
                                 TextRow("SN_SPECIAL", "a\rb\nc"));
  CGameRefData data;
  ASSERT_TRUE(data.Load());
  EXPECT_STREQ(data.GetText("SN_DUP"), "from name file");
  EXPECT_STREQ(data.GetText("sn_dup"), "other case");
  EXPECT_STREQ(data.GetText("SN_SEVEN"), "quest text");
  EXPECT_STREQ(data.GetText("SN_SPECIAL"), "a\rb\nc");
  EXPECT_STREQ(data.GetText("SN_EMPTY"), "");
  const char* missing = data.GetText("SN_NOT_THERE");
  ASSERT_NE(missing, nullptr);
  EXPECT_STREQ(missing, "");
}

// A text file of many pieces: keys and texts are still taken from lines read before
// the parser moved on, near each piece's end and across a run of lines without a key
// longer than a piece, with what the file says, line by line.
TEST_F(GameRefData, text_file_of_many_pieces) {
  std::string lines;
  std::map<std::string, std::string> expected;
  std::string key, text;
  auto add = [&](const std::string& row, const char* newKey, const char* newText) {
    lines += row;
    if (newKey) key = newKey;
    if (newText) text = newText;
    expected.emplace(key, text);
  };
  add("1\r\n", nullptr, nullptr);  // before any key: the empty key, with the empty text
  for (int i = 0; lines.size() < 5 * CRefText::kSliceBytes; ++i) {
    const std::string k = "KEY_" + std::to_string(i), t = "text " + std::to_string(i);
    if (i % 97 == 5) add("1\r\n", nullptr, nullptr);  // neither: both from the line before
    else if (i % 89 == 7) add("1\t" + k + "\r\n", k.c_str(), nullptr);  // a key without a text
    else if (i % 83 == 9) add(Row({"1", "", "", "", "", "", "", "", t}), "", t.c_str());
    else if (i == 3000) {
      // A key, then more than a piece of lines with neither.
      add(TextRow(k, t), k.c_str(), t.c_str());
      for (int j = 0; j < 20000; ++j) add("1 column only, " + std::to_string(j) + "\r\n", nullptr, nullptr);
    } else add(TextRow(k, t), k.c_str(), t.c_str());
  }
  lines.resize(lines.size() - 2);  // the last line without its CR LF
  CTextTable table;
  ASSERT_TRUE(LoadText("Many.txt", lines, table));
  EXPECT_EQ(table.Size(), expected.size());
  for (const auto& entry : expected) ASSERT_STREQ(table.Find(entry.first.c_str()), entry.second.c_str()) << entry.first;
  EXPECT_TRUE(CLogCapture::Lines().empty());
}

// Lines with a key and no text take the text of the last line that had one, even when
// that line was inserted long ago and the parser has read on through many pieces.
TEST_F(GameRefData, key_only_lines_keep_an_early_text_across_pieces) {
  std::string lines = TextRow("KEY_FIRST", "first text");
  int keys = 0;
  for (; lines.size() < 3 * CRefText::kSliceBytes; ++keys) lines += "1\tKEY_" + std::to_string(keys) + "\r\n";
  CTextTable table;
  ASSERT_TRUE(LoadText("KeysOnly.txt", lines, table));
  EXPECT_EQ(table.Size(), static_cast<size_t>(keys) + 1);
  EXPECT_STREQ(table.Find("KEY_FIRST"), "first text");
  for (int i = 0; i < keys; ++i) ASSERT_STREQ(table.Find(("KEY_" + std::to_string(i)).c_str()), "first text") << i;
}

// Lines read before the parser moves on and not inserted yet keep their key and text:
// behind a first line with neither that ends just before the first piece does (the
// oldest line waiting then needs nothing), and behind a line too long to read (the load
// fails, the lines before still count).
TEST_F(GameRefData, lines_waiting_when_the_text_moves_on) {
  const size_t pieceEnd = (CRefText::kSliceBytes - 2) / 2;
  const std::string longLine = "1" + std::string(pieceEnd - 50 - 3, 'x') + "\r\n";
  const std::string keyed = TextRow("KEY_A", "text A") + TextRow("KEY_B", "text B") + TextRow("KEY_C", "text C");
  CTextTable table;
  ASSERT_TRUE(LoadText("Late.txt", longLine + keyed + keyed, table));
  EXPECT_EQ(table.Size(), 4u);
  EXPECT_STREQ(table.Find(""), "");
  EXPECT_STREQ(table.Find("KEY_A"), "text A");
  EXPECT_STREQ(table.Find("KEY_C"), "text C");

  const std::string tooLong = "1\t" + std::string(0x100000, 'y') + "\r\n";
  CTextTable partial;
  EXPECT_FALSE(LoadText("TooLong.txt", keyed + tooLong + TextRow("KEY_D", "text D"), partial));
  EXPECT_EQ(partial.Size(), 3u);
  EXPECT_STREQ(partial.Find("KEY_B"), "text B");
  EXPECT_STREQ(partial.Find("KEY_C"), "text C");
  ASSERT_EQ(CLogCapture::Lines().size(), 1u);
  EXPECT_EQ(CLogCapture::Lines()[0].second,
            "^2Text RefData file KV_GameRefData\\TooLong.txt has a line longer than 1048575 bytes");
}

TEST_F(GameRefData, clear_texts_keeps_records) {
  CGameRefData data;
  ASSERT_TRUE(data.Load());
  ASSERT_STREQ(data.GetText("SN_ITEM_SWORD"), "Sword");
  data.ClearTexts();
  EXPECT_STREQ(data.GetText("SN_ITEM_SWORD"), "");
  EXPECT_STREQ(data.GetText("UI_OK"), "");
  ASSERT_NE(data.FindItem(1001), nullptr);
  EXPECT_STREQ(data.FindItem(1001)->nameKey, "SN_ITEM_SWORD");
  for (const CGameRefData::RefDataMemory& kind : data.MemoryByKind()) {
    if (std::string(kind.kind) == "texts") {
      EXPECT_EQ(kind.records, 0u);
    }
  }
}

// One step among thirteen fails: its file is missing, or it stops on an over-long line
// or token. The load reports failure with the step's lines, and the steps after it
// still run.
TEST_F(GameRefData, one_failing_step_among_thirteen) {
  const std::string longText(0x100000, 'z');
  struct Case {
    const char* file;
    std::string content;  // empty: the file is missing
    LogLines messages;
  } cases[] = {
      {"MagicOption.txt", "",
       {{0x01000000u, "RefData file : KV_GameRefData\\MagicOption.txt missing!"},
        {0x02000000u, "^2failed to load KV_GameRefData\\MagicOption.txt"}}},
      {"TextUISystem.txt", "",
       {{0x01000000u, "Text RefData file KV_GameRefData\\TextUISystem.txt missing!"},
        {0x02000000u, "^2failed to load KV_GameRefData\\TextUISystem.txt"}}},
      {"CharacterData.txt", "",
       {{0x02000000u, "^2failed to load KV_GameRefData\\CharacterData.txt"},
        {0x02000000u, "^2failed to load KV_GameRefData\\CharacterData.txt"}}},
      {"ItemData_2.txt", "",
       {{0x01000000u, "RefData file : KV_GameRefData\\ItemData_2.txt missing!"},
        {0x02000000u, "^2failed to load KV_GameRefData\\ItemData_2.txt"},
        {0x02000000u, "^2failed to load KV_GameRefData\\ItemData.txt"}}},
      {"TextQuest.txt", TextRow("SN_QNO_FIRST", "The first quest") + TextRow("SN_LONG", longText),
       {{0x02000000u, "^2Text RefData file KV_GameRefData\\TextQuest.txt has a line longer than 1048575 bytes"},
        {0x02000000u, "^2failed to load KV_GameRefData\\TextQuest.txt"}}},
      {"SiegeFortress.txt", FortressRow(1, 3, "FORTRESS_B") + FortressRow(1, 4, longText),
       {{0x02000000u, "^2RefData file : KV_GameRefData\\SiegeFortress.txt has a token longer than 1048575 bytes"},
        {0x02000000u, "^2failed to load KV_GameRefData\\SiegeFortress.txt"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    dir.WriteCompleteSet();
    if (c.content.empty()) dir.Remove(c.file);
    else dir.Write(c.file, c.content);
    CLogCapture::Lines().clear();
    CGameRefData data;
    EXPECT_FALSE(data.Load());
    EXPECT_EQ(CLogCapture::Lines(), c.messages);
    std::vector<const RefServerEventID*> events;
    data.GetServerEventList(events);
    EXPECT_EQ(events.size(), 2u) << "the last step ran";
    EXPECT_NE(data.FindQuest(10), nullptr);
    EXPECT_TRUE(boxes.Texts().empty());
  }
}

TEST_F(GameRefData, shared_instance_retries_after_failure) {
  dir.Remove("LevelData.txt");
  CLogCapture::Lines().clear();
  EXPECT_EQ(CGameRefData::GetInstance(), nullptr);
  ASSERT_FALSE(CLogCapture::Lines().empty());
  EXPECT_EQ(CLogCapture::Lines().back(), std::make_pair(0x02000000u, std::string("failed to initialize reference data !!!")));

  dir.WriteCompleteSet();
  CGameRefData* shared = CGameRefData::GetInstance();
  ASSERT_NE(shared, nullptr);
  EXPECT_NE(shared->FindItem(1001), nullptr);
  dir.Remove("ItemData.txt");
  EXPECT_EQ(CGameRefData::GetInstance(), shared) << "loaded once, kept";
}

// The game log page's set is offered to the shared instance, which holds that one set
// instead of reading the files. Clearing one holder's texts leaves the other's, and the
// set lives as long as either holder, whichever goes first.
TEST_F(GameRefData, holders_share_one_set_and_clear_only_their_own_texts) {
  auto page = std::make_unique<CGameRefData>();
  ASSERT_TRUE(page->Load());
  page->OfferToInstance();
  dir.Remove("ItemData.txt");  // reading the files now would fail
  CLogCapture::Lines().clear();
  CGameRefData* shared = CGameRefData::GetInstance();
  ASSERT_NE(shared, nullptr);
  EXPECT_TRUE(CLogCapture::Lines().empty());
  EXPECT_EQ(shared->FindItem(1001), page->FindItem(1001)) << "one set, not a copy";
  page->ClearTexts();
  EXPECT_STREQ(page->GetText("SN_MOB_WOLF"), "");
  EXPECT_STREQ(shared->GetText("SN_MOB_WOLF"), "Wolf");
  page.reset();
  EXPECT_STREQ(shared->GetText("SN_MOB_WOLF"), "Wolf");
  EXPECT_STREQ(shared->FindSkill(3002)->GetNameKey(), "SN_SKILL_B4");

  CGameRefData::DestroyInstance();
  dir.WriteCompleteSet();
  page = std::make_unique<CGameRefData>();
  ASSERT_TRUE(page->Load());
  page->OfferToInstance();
  ASSERT_NE(CGameRefData::GetInstance(), nullptr);
  CGameRefData::DestroyInstance();
  EXPECT_STREQ(page->GetText("SN_MOB_WOLF"), "Wolf");
  page.reset();
  dir.Remove("ItemData.txt");
  EXPECT_EQ(CGameRefData::GetInstance(), nullptr) << "a set whose holders are gone is not offered";
}

TEST_F(GameRefData, record_file_ending_inside_a_record_shows_the_report) {
  std::string quests = QuestRow(10, "QNO_FIRST") + "0\t11\tQNO_CUT\r\n";
  dir.Write("QuestData.txt", quests);
  dir.Write("LevelData.txt", KindRow(9, {{0, "1"}}) + "2\t0\r\n");
  CGameRefData data;
  EXPECT_FALSE(data.Load());
  ASSERT_EQ(boxes.Texts().size(), 2u) << "one box per failing file; OK goes on";
  const std::string head =
      "Debug Assertion Failed.\n\nExpression : false\nLine : 894\nFile : KV_GameRefData\n\nCallStack:\n";
  for (const std::string& text : boxes.Texts()) EXPECT_EQ(text.compare(0, head.size(), head), 0) << text;
  LogLines expected = {{0x02000000u, "^2failed to load KV_GameRefData\\QuestData.txt"},
                       {0x02000000u, "^2failed to load KV_GameRefData\\LevelData.txt"}};
  EXPECT_EQ(CLogCapture::Lines(), expected);
  EXPECT_NE(data.FindQuest(10), nullptr);
  EXPECT_EQ(data.FindQuest(11), nullptr);
  EXPECT_NE(data.FindItem(1001), nullptr) << "later steps ran";
  EXPECT_TRUE(AssertionReported());
}

TEST_F(GameRefData, memory_by_kind_names_every_kind) {
  CGameRefData data;
  ASSERT_TRUE(data.Load());
  std::vector<std::pair<std::string, size_t>> counts;
  std::map<std::string, size_t> kept;
  for (const CGameRefData::RefDataMemory& kind : data.MemoryByKind()) {
    counts.emplace_back(kind.kind, kind.records);
    kept[kind.kind] = kind.kept;
    if (kind.records) {
      EXPECT_GE(kind.bytes, kind.kept) << kind.kind;
    }
  }
  // Number fields, and texts with their terminators: two quests (identifier and code
  // name), three fortresses (flag, identifier, code name), three levels (the level
  // byte), four texts (key and text).
  EXPECT_EQ(kept["quests"], 2 * 4 + sizeof "QNO_FIRST" + sizeof "QNO_SECOND");
  EXPECT_EQ(kept["fortresses"], 3 * 5 + sizeof "FORTRESS_B" + sizeof "FORTRESS_OFF" + sizeof "FORTRESS_A");
  EXPECT_EQ(kept["levels"], 3u);
  EXPECT_EQ(kept["texts"], sizeof "SN_ITEM_SWORD" + sizeof "Sword" + sizeof "SN_MOB_WOLF" + sizeof "Wolf" +
                               sizeof "UI_OK" + sizeof "OK" + sizeof "SN_QNO_FIRST" + sizeof "The first quest");
  std::vector<std::pair<std::string, size_t>> expected = {
      {"items", 3},  {"characters", 2},    {"skills", 2},     {"masteries", 1},
      {"quests", 2}, {"magic options", 2}, {"magic option assignments", 1},
      {"levels", 3}, {"fortresses", 3},    {"server events", 2}, {"texts", 4}};
  EXPECT_EQ(counts, expected);
}

}  // namespace
