#include "gamelog/CharEventText.h"

#include <gtest/gtest.h>

#include <string>

#include "unit/gamelog/GameLogRefData.h"
#include "unit/gamelog/GameLogTestSupport.h"

namespace {

using std::string;

const char kText[] = "free %s text %n 100%";

const char kPlace[] = "Town (120, 45)", kTime[] = "2026-11-02 07:05:09";

// The event's record, at the time CharRecord gives.
GameLogCharRecord Record(uint8_t id, uint32_t d1 = 0, uint32_t d2 = 0, const string& text = kText,
                         const string& position = kPlace) {
  return CharRecord(id, d1, d2, position, text);
}

CharEventCells Format(const GameLogCharRecord& record) { return FormatCharEvent(record, GameLogRefData()); }

uint32_t Halves(uint16_t lo, uint16_t hi) { return static_cast<uint32_t>(hi) << 16 | lo; }

// Rows without a rule: the first, an empty name and the last of them.
TEST(CharEvent, names_that_keep_the_text_as_description) {
  const struct {
    uint8_t id;
    string name;
  } cases[] = {
      {3, "Character Deleted(Permanently)"},
      {60, "Tried To Create Guild"},
      {64, ""},
      {237, "SiegeFortressReward:[^2Used^0]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(Format(Record(c.id, 7, 9)),
              (CharEventCells{c.name, kText, kPlace, kTime}));
  }
}

// Below, between and above the rows (the lookup's bounds are the code table's own test).
TEST(CharEvent, identifiers_without_a_row_take_the_fallback_name) {
  for (int id : {0, 8, 99, 241, 255}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(Format(Record(static_cast<uint8_t>(id), 1, 2)),
              (CharEventCells{"Unknown Event Log [^2" + std::to_string(id) + "^0]", kText, kPlace, kTime}));
  }
}

TEST(CharEvent, golden_rows_of_each_rule) {
  const string ip = "^4127^0.^40^0.^40^0.^41^0";
  const struct {
    uint8_t id;
    uint32_t d1, d2;
    string text, name, description;
  } cases[] = {
      {1, 1234, 0x0100007F, "Hero", "Character Created!", "JID: ^41234^0, CharName: ^2Hero^0, IP: ^4" + ip + "^0"},
      {2, 0xFFFFFFFF, 0xFFFFFFFF, "%s", "Character Deleted(Temp)",
       "JID: ^4-1^0, CharName: ^2%s^0, IP: ^4^4255^0.^4255^0.^4255^0.^4255^0^0"},
      {4, 0, 0x0A01A8C0, "", "^2Logged in Successfully^0", "IP: ^4^4192^0.^4168^0.^41^0.^410^0^0"},
      {5, 77, Halves(2, 7), "", "^6Failed to Log in^0", "JID: ^477^0, Char Slot: ^42^0, ErrorCode: ^27^0"},
      {5, 77, Halves(255, 65535), "", "^6Failed to Log in^0", "JID: ^477^0, Char Slot: ^4255^0, ErrorCode: ^265535^0"},
      {7, 1234, 0x0100007F, "", "Character Deletion Canceled", "JID: ^41234^0, IP: ^4" + ip + "^0"},
      {9, 0, 0, "1,000%", "^9Enter World^0", "Gold: ^41,000%^0"},
      {11, 1, 0, "500", "Character Teleport", "Portal Scroll Used[Remained Gold: ^4500^0]"},
      {11, 2, 9, "500", "Character Teleport", "ThiefTown Portal Scroll Used[Remained Gold: ^4500^0]"},
      {11, 3, 0, "500", "Character Teleport", "Teleport Post Used[Remained Gold: ^4500^0]"},
      {11, 4, 2, "5", "Character Teleport", "ReversePortal Scroll Used(Last Portal Pos)[Remained Gold: ^45^0]"},
      {11, 4, 3, "5", "Character Teleport", "ReversePortal Scroll Used(Last Killed Pos)[Remained Gold: ^45^0]"},
      {11, 4, 7, "5", "Character Teleport", "ReversePortal Scroll Used(Optional Pos)[Remained Gold: ^45^0]"},
      {11, 4, 0, "5", "Character Teleport", "ReversePortal Scroll Used(?][Remained Gold: ^45^0]"},
      {11, 4, 4, "5", "Character Teleport", "ReversePortal Scroll Used(?][Remained Gold: ^45^0]"},
      {11, 0, 2, "5", "Character Teleport", "By Unknown Method[Remained Gold: ^45^0]"},
      {21, 1, 0, "Priest", "Character Resurrect", "At Died Position"},
      {21, 2, 0, "Priest", "Character Resurrect", "At Town"},
      {21, 3, 0, "Priest", "Character Resurrect", "By ^2Priest^0 Character"},
      {21, 0, 0, "Priest", "Character Resurrect", "By Unknown Method (-_-;)"},
      {22, 29, 30, "", "Level Up", "From ^429^0 To ^430^0"},
      {22, 30, 30, "", "Level Down", "From ^430^0 To ^430^0"},
      {22, 0xFFFFFFFF, 1, "", "Level Down", "From ^4-1^0 To ^41^0"},  // compared unsigned
      {23, 45, 46, "", "Exp %Increased", "From 45.00 % To 46.00 %"},
      {23, 45000, 46100, "", "Exp %Increased", "From 45.00 % To 46.10 %"},
      {23, 99, 100, "", "Exp %Increased", "From 0.00 % To 0.10 %"},
      {23, 99, 99, "", "Exp %Decreased", "From 99.00 % To 99.00 %"},
      {23, 100, 50, "", "Exp %Decreased", "From 0.10 % To 0.00 %"},
      {23, 46, 46, "", "Exp %Decreased", "From 46.00 % To 46.00 %"},
      {23, 12345, 0, "", "Exp %Decreased", "From 12.30 % To 0.00 %"},
      {24, 800, 3, "", "SP Invest TO ^4HP^0", "HP: ^4800^0, Remained SP: ^43^0"},
      {25, 600, 0xFFFFFFFE, "", "SP Invest TO ^4MP^0", "MP: ^4600^0, Remained SP: ^4-2^0"},
      {26, 257, 5, "12,30", "Reinforce Skill Mastery[^2Sword Mastery^0, Level: ^45^0]",
       "Used SP: ^412^0 (Remained SP: ^430^0)"},
      {26, 999, 5, "1230", "Reinforce Skill Mastery[^2unknown mastery^0, Level: ^45^0]",
       "Used SP: ^4^0 (Remained SP: ^4^0)"},
      {26, 258, 6, "1,2,3", "Reinforce Skill Mastery[^2^0, Level: ^46^0]", "Used SP: ^41^0 (Remained SP: ^42,3^0)"},
      {27, 998, 999, "4,5", "Learn Skill[^2Unknown Skill:999^0]", "Used SP: ^44^0 (Remained SP: ^45^0)"},
      {27, 998, 3001, "", "Learn Skill[^2Blade Dance^0]-Level^47^0", "Used SP: ^4^0 (Remained SP: ^4^0)"},
      {27, 3002, 999, "", "Reinforce Skill[^2Iron Wall^0(Level - ^43^0) ==> ^2Unknown Skill:999^0]",
       "Used SP: ^4^0 (Remained SP: ^4^0)"},
      {27, 3001, 3003, "", "Reinforce Skill[^2Blade Dance^0(Level - ^47^0) ==> ^2^0(Level - ^412^0)]",
       "Used SP: ^4^0 (Remained SP: ^4^0)"},
      {28, 3002, 2, "t", "Withdraw Skill : [^2Iron Wall^0], TO 2Lvl", "t"},
      {28, 0xFFFFFFFF, 2, "t", "Withdraw Skill : Unknown Skill[^2-1^0], TO 2Lvl", "t"},
      {29, 257, Halves(10, 4), "t", "Withdraw Skill Mastery : [^2Sword Mastery^0], From ^410^0Lvl To ^44^0Lvl", "t"},
      {29, 300, Halves(65535, 0), "t",
       "Withdraw Skill Mastery : Unknown Mastery[^4300^0], From ^465535^0Lvl To ^40^0Lvl", "t"},
      {62, 0xFFFFFFFF, 0, "t", "Failed To Create Guild", "ErrorCode: ^2-1^0"},
      {63, 1, 0, "t", "Tried To Dissmiss Guild", "t"},
      {63, 0, 0, "t", "Guild was Dismissed", "t"},
      {65, 4000000000u, 3, "Knights", "Guild[4000000000: Knights] was level up to 3", "Knights"},
      {67, 0, 0, "Mira", "Guild Member Invitation [^2Mira^0]", "Mira"},
      {67, 0, 0, "", "Guild Member Invitation", ""},
      {68, 0, 0, "Knights", "Join [^2Knights^0] Guild", "Knights"},
      {68, 0, 0, "", "Join [^2Unknown..^0] Guild", "Unknown.."},
      {69, 12, 0, "t", "Failed To Invite Guild Member", "ErrorCode: ^212^0"},
      {71, 1, 0, "Mira", "Purge Guild Member: ^2Mira^0", "Mira"},
      {71, 1, 0, "", "Purge Guild Member: ^2Unknown..^0", "Unknown.."},
      {71, 0, 0, "Mira", "Purged From Guild", "Mira"},
      {75, 0, 0, "Knights vs Rooks", "GuildWar Begun", "^2Knights vs Rooks^0"},
      {76, 42, 0, "t", "Declared GuildWar Surrender", "Surrendered GuildID[42]"},
      {77, 43, 0, "Rooks won", "GuildWarEnded", "GuildWarlD[43] ^2Rooks won^0"},
      {78, 3000000000u, 0, "Knights", "Guild [3000000000: Knights] Chest was occupied", "Knights"},
      {79, 7, 0, "Knights", "Guild [7: Knights] Chest was released", "Knights"},
      {81, 1, 0, "t", "Guild Member Recalled", "^2callee^0"},
      {81, 0, 0, "t", "Guild Member Recalled", "^2caller^0"},
      {84, 0, 5, "t", "Guild Mercenary Ability Changed", "^2[None]^0 ==> ^2[Defense][Hit/Dodge]^0"},
      {84, 0x1F, 0xE0, "t", "Guild Mercenary Ability Changed",
       "^2[Defense][Offense][Hit/Dodge][Life][Endurance]^0 ==> ^2^0"},
      {84, 0x102, 0x100, "t", "Guild Mercenary Ability Changed", "^2[Offense]^0 ==> ^2[None]^0"},
      {84, 0x08, 0x12, "t", "Guild Mercenary Ability Changed", "^2[Life]^0 ==> ^2[Offense][Endurance]^0"},
      {85, 0, 0, "Mira", "Guild Master Delegation", "^1Mira"},
      {90, 1, Halves(3, 4), "", "^2^6Trader^0^0 Level Up", "From ^43^0 To^44^0"},
      {90, 0x102, Halves(4, 4), "", "^2^2Robber^0^0 Level Down", "From ^44^0 To^44^0"},
      {90, 3, Halves(5, 1), "", "^2^8Hunter^0^0 Level Down", "From ^45^0 To^41^0"},
      {90, 0, Halves(1, 2), "", "^2No Activated Job^0 Level Up", "From ^41^0 To^42^0"},
      {91, 3, Halves(10, 20), "", "^2^8Hunter^0^0 Exp % Increased", "From ^410^0 %% To ^420^0 %%"},
      {91, 4, Halves(20, 20), "", "^2No Activated Job^0 Exp % Decreased", "From ^420^0 %% To ^420^0 %%"},
      {100, 2002, 1500, "t", "PET [^2Pack Ox^0] Destroyed Forcibly", "Loss in gold: ^41500^0 Golds"},
      {100, 2003, 0xFFFFFFFF, "t", "PET [^2^0] Destroyed Forcibly", "Loss in gold: ^4-1^0 Golds"},
      {100, 2001, 1500, "t", "PET [^2Horse 100% %s^0] Destroyed Forcibly", "t"},
      {100, 999, 1500, "t", "PET [^2Unknown COS^0] Destroyed Forcibly", "t"},
      {101, 2002, 2001, "t", "PET[^2Horse 100% %s^0] Killed By Other Character", "t"},
      {101, 2001, 999, "t", "PET[^2Unknown COS^0] Killed By Other Character", "t"},
      {200, 10, 0, "t", "^410^0[^2The first quest^0] Started", "t"},
      {200, 11, 0, "t", "^411^0[^2^0] Started", "t"},
      {200, 999, 0, "t", "^4999^0[^2Unknown Quest^0] Started", "t"},
      {201, 10, 3, "t", "^410^0[^2The first quest^0] Completed, Completed Count : ^43^0", "t"},
      {202, 10, 0, "t", "^410^0[^2The first quest^0] Aborted", "t"},
      {203, 10, 2, "t", "^410^0[^2The first quest^0] Step Changed, Step = ^42^0", "t"},
      {204, 10, 0, "t", "^410^0[^2The first quest^0] Reward", "t"},
      {204, 0xFFFFFFFF, 0, "t", "^4-1^0[^2Unknown Quest^0] Reward", "t"},
      {210, 2001, 0, "t", "Create PET TYPE[^2COS_HORSE^0]", "t"},
      {210, 2003, 0, "t", "Create PET TYPE[^2COS_%s_CAT^0]", "t"},
      {210, 999, 0, "t", "Create PET TYPE[^2999^0]", "t"},
      {211, 2002, 0, "Ox%d", "PET activated [Ox%d] codename[^2COS_CARGO^0]", "Ox%d"},
      {211, 999, 0, "Ox", "PET activated [Ox] codename[^2999^0]", "Ox"},
      {212, 2002, 0, "Ox", "PET deactivated [Ox] codename[^2COS_CARGO^0]", "Ox"},
      {212, 999, 0, "Ox", "PET deactivated [Ox] codename[^2999^0]", "Ox"},
      {214, 100, 0xFFFFFFFF, "t", "PET exp changed [^2100^0 -> ^2-1^0]", "t"},
      {217, 0, 0, "Ox", "Pet Revived NAME:[^2Ox^0]", "Ox"},
      {232, 0, 0, "12%", "Collect Tax:[^212%^0]", "12%"},
      {233, 3, 0, "t", "Hired NPC:[^2Siege Smith^0]", "t"},
      {233, 7, 0, "t", "Hired NPC:[^2Siege Tamer^0]", "t"},
      {233, 1, 0, "t", "Hired NPC:[^2Siege Battle Manager^0]", "t"},
      {233, 0x108, 0, "t", "Hired Siege NPC", "t"},
      {240, 15, 0xFFFFFFFF, "t", "Event Skill Exp [^2240^0]", "Give Skill Exp: [^215^0],  Remain Skill Point [^2-1^0]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + " " + std::to_string(c.d1) + " " + std::to_string(c.d2) + " " + c.text);
    CharEventCells cells = Format(Record(c.id, c.d1, c.d2, c.text));
    EXPECT_EQ(cells[kCharEventName], c.name);
    EXPECT_EQ(cells[kCharEventDescription], c.description);
    EXPECT_EQ(cells[kCharEventPosition], kPlace);
  }
}

TEST(CharEvent, experience_save_up_and_buff_reasons) {
  const struct {
    uint32_t reason;
    string saveUp, buff;
  } cases[] = {
      {0, "Exp SaveUp Activated", "Exp Buff Activated"},
      {9, "Exp SaveUp Deactivated by Banned", "Exp Buff Deactivated by Banned"},
      {10, "Unhandled Reason (SaveUp)", "Unhandled Reason (SaveUp)"},
      {0xFFFFFFFF, "Unhandled Reason (SaveUp)", "Unhandled Reason (SaveUp)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    EXPECT_EQ(Format(Record(114, c.reason)), (CharEventCells{c.saveUp, kText, kPlace, kTime}));
    EXPECT_EQ(Format(Record(115, c.reason)), (CharEventCells{c.buff, kText, kPlace, kTime}));
  }
}

TEST(CharEvent, console_edits_take_the_operation_title_as_position) {
  const struct {
    string keyword, text, description, position;
  } cases[] = {
      {"MCP", "a,b,c,d,e", "a RegionID : b (x:c,y:d,z:e)", "Edit Character Position"},
      {"MCS", "Hero,1", "Hero (CurLv:1, MaxLv:, Str:, Int:, RemainStat:, RemainSkill:, RemainGold:, ExpOffset:)",
       "Edit Character Stat"},
      {"MII_D", "x,y", "x,y", "Edit Character Inventory Item(Delete)"},
      {"MCPX", "a,b", "a,b", "^3###^0"},
      {"M", "a,b", "a,b", "Invalid Operation Keyword"},
      {"", "", "", "Invalid Operation Keyword"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keyword);
    EXPECT_EQ(Format(Record(199, 1, 2, c.text, c.keyword)),
              (CharEventCells{"KDC", c.description, c.position, kTime}));
  }
}

TEST(CharEvent, cells_are_cut_to_a_line_and_an_empty_position_is_marked) {
  const string big(5000, 'x');
  const struct {
    uint8_t id;
    string text, position;
    CharEventCells cells;
  } cases[] = {
      {6, big, big, {"^4Logged out^0", string(1023, 'x'), string(1023, 'x'), kTime}},
      {217, big, "", {"Pet Revived NAME:[^2" + string(1003, 'x'), string(1023, 'x'), "^3###^0", kTime}},
      {6, "%s%n", "%d%%", {"^4Logged out^0", "%s%n", "%d%%", kTime}},
      {6, string("ab\0cd", 5), string("\0cd", 3), {"^4Logged out^0", "ab", "^3###^0", kTime}},
      {68, string(1023, 'k'), "p", {"Join [^2" + string(1015, 'k'), string(1023, 'k'), "p", kTime}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(Format(Record(c.id, 0, 0, c.text, c.position)), c.cells);
  }

  GameLogCharRecord r = Record(6);
  r.time = TestTime(-1, 12, 31, 23, 59, 58, 4000000000u);
  EXPECT_EQ(Format(r)[kCharEventTime], "-1-12-31 23:59:58");
}

}  // namespace
