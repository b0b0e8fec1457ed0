#include "gamelog/ConsoleOpText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "gamelog/ItemTextPieces.h"
#include "unit/gamelog/GameLogRefData.h"

namespace {

using std::string;

TEST(ConsoleOpTitle, every_keyword_and_action_suffix) {
  const struct {
    string keyword;
    string title;
  } cases[] = {
      {"MCP", "Edit Character Position"},
      {"MCN", "Edit Character Name"},
      {"MGN", "Edit Character Nick"},
      {"MCG", "Edit Guild Information"},
      {"DEC", "Delete Character"},
      {"MCS", "Edit Character Stat"},
      {"MCK", "Edit Character PK Information"},
      {"MCO", "Edit Character Occupation"},
      {"MII", "Edit Character Inventory Item"},
      {"MCI", "Edit Chest Item"},
      {"MGI", "Edit Guild Chest Item"},
      {"MII_D", "Edit Character Inventory Item(Delete)"},
      {"MII_A", "Edit Character Inventory Item(Add)"},
      {"MCI_M", "Edit Chest Item(Modify)"},
      {"MGI_G", "Edit Guild Chest Item(Gold Modify)"},
      {"MGI_DELETE", "Edit Guild Chest Item(Delete)"},  // only positions 3 and 4 count
      {"MII_X", "Edit Character Inventory Item"},
      {"MII_", "Edit Character Inventory Item"},
      {"MCIA_D", "Edit Chest Item"},
      {"MCPX", ""},  // whole-field keywords take no extension
      {"mcp", ""},
      {"MC", "Invalid Operation Keyword"},
      {"", "Invalid Operation Keyword"},
      {string("MC\0P", 4), "Invalid Operation Keyword"},  // read up to the zero byte
      {string("MCP\0X", 5), "Edit Character Position"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keyword);
    EXPECT_EQ(ConsoleOpTitle(c.keyword), c.title);
  }
}

GameLogCharRecord EditRecord(const string& keyword, const string& text) {
  GameLogCharRecord r;
  r.eventId = 199;
  r.position = keyword;
  r.text = text;
  return r;
}

TEST(ConsoleOpDescription, layouts_of_each_keyword) {
  const struct {
    string keyword, text, description;
  } cases[] = {
      {"MCP", "a,b,c,d,e", "a RegionID : b (x:c,y:d,z:e)"},
      {"MCP", "Hero,25000,-12.5,0,88", "Hero RegionID : 25000 (x:-12.5,y:0,z:88)"},
      {"MCP", "a,b", "a RegionID : b (x:,y:,z:)"},
      {"MCP", "a,b,c,d,e,f,g", "a RegionID : b (x:c,y:d,z:e)"},
      {"MCP", ",,,,", " RegionID :  (x:,y:,z:)"},
      {"MCG", "Knights,3,1200", "GuildName Knights (Lv:3 / SP:1200)"},
      {"MCG", "Knights,3", "GuildName Knights (Lv:3 / SP:)"},
      {"MCG", "Knights", "GuildName Knights"},
      {"MCG", "", "GuildName "},
      {"MCK", "Hero,1,5,30", "Hero (Daily:1, Total:5, PenaltyPoint:30)"},
      {"MCK", "Hero", "Hero (Daily:, Total:, PenaltyPoint:)"},
      {"MCS", "Hero,40,42,80,20,3,1,1000000,-5",
       "Hero (CurLv:40, MaxLv:42, Str:80, Int:20, RemainStat:3, RemainSkill:1, RemainGold:1000000, ExpOffset:-5)"},
      {"MCS", "Hero,40",
       "Hero (CurLv:40, MaxLv:, Str:, Int:, RemainStat:, RemainSkill:, RemainGold:, ExpOffset:)"},
      {"MCP", "100%,%s,%n,%d,%%", "100% RegionID : %s (x:%n,y:%d,z:%%)"},
      {"MCP", string("a,b\0,c,d,e", 10), "a RegionID : b (x:,y:,z:)"},  // the text ends at its zero byte
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keyword + " " + c.text);
    string description = "given";
    ConsoleOpDescription(EditRecord(c.keyword, c.text), &description);
    EXPECT_EQ(description, c.description);
  }
}

TEST(ConsoleOpDescription, other_keywords_leave_the_description_alone) {
  for (const char* keyword : {"MCN", "MGN", "DEC", "MCO", "MII_D", "MCPX", "MC", "", "mcs"}) {
    SCOPED_TRACE(keyword);
    string description = "a,b,c";
    ConsoleOpDescription(EditRecord(keyword, "x,y,z"), &description);
    EXPECT_EQ(description, "a,b,c");
  }
}

TEST(ConsoleOpDescription, long_texts_are_cut_to_a_line) {
  string description;
  ConsoleOpDescription(EditRecord("MCG", string(5000, 'G')), &description);
  EXPECT_EQ(description, "GuildName " + string(1013, 'G'));
  ConsoleOpDescription(EditRecord("MCK", string(1017, 'k') + ",1,2,3"), &description);
  EXPECT_EQ(description, string(1017, 'k') + " (Dail");
  ASSERT_EQ(description.size(), 1023u);
}

TEST(CommaSplit, first_comma_pair_and_all_fields) {
  const struct {
    string text;
    std::pair<string, string> split;
    std::vector<string> fields;
  } cases[] = {
      {"12,30", {"12", "30"}, {"12", "30"}},
      {"12,30,7", {"12", "30,7"}, {"12", "30", "7"}},
      {"1230", {"", ""}, {"1230"}},
      {"", {"", ""}, {""}},
      {",", {"", ""}, {"", ""}},
      {",5", {"", "5"}, {"", "5"}},
      {"5,", {"5", ""}, {"5", ""}},
      {"a,,b", {"a", ",b"}, {"a", "", "b"}},
      {string("1\0,2", 4), {"", ""}, {"1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TextSplit split = SplitAtFirst(c.text, ',');
    EXPECT_EQ(std::make_pair(split.before, split.after), c.split);
    EXPECT_EQ(CommaFields(c.text), c.fields);
  }
}

TEST(SubObjectNameKey, each_fourcc_kind_with_found_and_missing_records) {
  const CGameRefData& ref = GameLogRefData();
  const struct {
    uint32_t fourcc;
    uint32_t id;
    string key;
  } cases[] = {
      {0x42464931, 1001, "SN_ITEM_SWORD"},  // BFI1
      {0x55494C31, 1002, "SN_ITEM_GOLD"},   // UIL1
      {0x55495531, 1001, "SN_ITEM_SWORD"},  // UIU1
      {0x55514C31, 10, "SN_QNO_FIRST"},     // UQL1
      {0x55534C31, 3001, "SN_SKILL_A62"},   // USL1
      {0x55535531, 3002, "SN_SKILL_B4"},    // USU1, named by column 4 behind "xxx"
      {0x42464931, 10, "Unknown "},         // a quest identifier is no item
      {0x55494C31, 999, "Unknown "},
      {0x55495531, 3001, "Unknown "},
      {0x55514C31, 1001, "Unknown "},
      {0x55534C31, 10, "Unknown "},
      {0x55535531, 999, "Unknown "},
      {0x55534C32, 3001, "Unknown "},  // USL2: no such kind
      {0, 1001, "Unknown "},
      {0x31494642, 1001, "Unknown "},  // BFI1 with its bytes reversed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(FourCCText(c.fourcc) + " " + std::to_string(c.id));
    EXPECT_EQ(SubObjectNameKey(ref, c.id, c.fourcc), c.key);
  }
  EXPECT_STREQ(ref.GetText(SubObjectNameKey(ref, 999, 0x55514C31).c_str()), "");
}

TEST(FourCCText, bytes_from_the_top_with_zero_bytes_as_blanks) {
  const struct {
    uint32_t value;
    string text;
  } cases[] = {
      {0x55514C31, "UQL1"}, {0x42464931, "BFI1"}, {0, "    "},
      {0x41000042, "A  B"}, {0x00414243, " ABC"}, {0x25732564, "%s%d"},
      {0xFF7F0901, "\xFF\x7F\x09\x01"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FourCCText(c.value), c.text);
  }
}

}  // namespace
