#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opslog/RelayLogChoices.h"
#include "opslog/SiegeLogTexts.h"
#include "unit/opslog/RelayLogTestSupport.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

// A guild name with marks and a format of its own: it must show as sent.
const char kGuild[] = "^1Iron %d Wolves%s^0";

SiegeLogRow Row(uint8_t code, uint32_t data2 = 0, const std::string& text = kGuild) {
  SiegeLogRow r;
  r.head = 0xA1B2C3D4;
  r.time = TestTime(2026, 3, 5, 7, 4, 9, kRelayFraction);
  r.eventCode = code;
  r.data1 = 11;
  r.data2 = data2;
  r.data3 = 33;
  r.text = text;
  return r;
}

TEST(SiegeLogTexts, every_event_code_with_each_description_rule) {
  const std::string g = std::string("^2") + kGuild + "^0";
  struct Case {
    uint8_t code;
    uint32_t data2;
    const char* event;
    std::string description;
  } cases[] = {
      {1, 1, "Siege Start!", ""},
      {2, 1, "Siege End!", ""},
      {3, 0, "Result Change Owner!", ""},
      {3, 1, "Result Change Owner!", "Defense Success! Guild Name : " + g},
      {3, 2, "Result Change Owner!", "Offense Success! Guild Name : " + g},
      {3, 3, "Result Change Owner!", ""},
      {4, 0, "Result Change Temporary Owner", "Temporary Fortress Occupy! Guild Name : " + g},
      {5, 0, "Add Struct", "Siege Struct Name : " + g},
      {6, 0, "Upgrade Struct", "Siege Struct Name : " + g},
      {7, 0, "Repair Struct", "Siege Struct Name : " + g},
      {8, 0, "Remove Struct", "Siege Struct Name : " + g},
      {9, 0, "Enroll Siege Request!", "Enroll Offense Siege Request! Guild Name : " + g},
      {9, 1, "Enroll Siege Request!", "Enroll Defense Siege Request! Guild Name : " + g},
      {9, 7, "Enroll Siege Request!", "Enroll Defense Siege Request! Guild Name : " + g},
      {16, 0, "Cancel Siege Request!", "Cancel Offense Siege Request! Guild Name : " + g},
      {16, 2, "Cancel Siege Request!", "Cancel Defense Siege Request! Guild Name : " + g},
      {17, 12, "Forge Siege Item", "Item Name : " + g + ", Item Num : ^212^0"},
      {18, 12, "Cancel Forge Siege Item", "Item Name : " + g},
      {19, 3, "Collect Forge Siege Item", "Item Name : " + g + ", Item Num : ^23^0"},
      {19, 0xFFFFFFFF, "Collect Forge Siege Item", "Item Name : " + g + ", Item Num : ^2-1^0"},
      {20, 0, "Add Siege Object", "Object Name : " + g},
      {21, 0, "Dead Siege Object", "Object Name : " + g},
      {22, 0, "Remove Siege Object", "Object Name : " + g},
      {23, 5, "Success to add reward", kGuild},
      {24, 5, "Failed to add reward", kGuild},
  };
  std::vector<bool> known(256, false);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << int(c.code) << " data2 " << c.data2);
    known[c.code] = true;
    EXPECT_EQ(SiegeLogRowCells(Row(c.code, c.data2)),
              (SiegeLogCells{c.event, c.description, "2026-03-05 07:04:09"}));
  }
  for (int code = 0; code < 256; ++code) {
    if (known[code]) continue;
    SCOPED_TRACE(code);
    EXPECT_EQ(SiegeLogRowCells(Row(static_cast<uint8_t>(code), 1)),
              (SiegeLogCells{"Unknown Event Log [^2" + std::to_string(code) + "^0]", "", "2026-03-05 07:04:09"}));
  }
}

TEST(SiegeLogTexts, texts_stay_within_their_1024_bytes) {
  struct Case {
    uint8_t code;
    size_t textSize;
    size_t descriptionSize;
  } cases[] = {
      {23, 1023, 1023},  // a reward text that fills the line exactly
      {23, 1024, 1023},
      {24, 70000, 1023},
      {5, 1023 - 24, 1023},  // "Siege Struct Name : ^2" + name + "^0"
      {5, 1024 - 24, 1023},
      {17, 5000, 1023},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << int(c.code) << " text " << c.textSize);
    SiegeLogCells cells = SiegeLogRowCells(Row(c.code, 4, std::string(c.textSize, 'r')));
    EXPECT_EQ(cells[1].size(), c.descriptionSize);
  }
  EXPECT_EQ(SiegeLogRowCells(Row(5, 0, std::string(1023 - 24, 'r')))[1].substr(1023 - 2), "^0");
  SiegeLogRow old = Row(1);
  old.time = TestTime(-1, 12, 31, 23, 59, 58, kRelayFraction);
  EXPECT_EQ(SiegeLogRowCells(old)[2], "-1-12-31 23:59:58");
}

std::vector<std::string> EntryTexts(const std::vector<ChoiceEntry>& entries) {
  std::vector<std::string> texts;
  for (const ChoiceEntry& e : entries) texts.push_back(e.text + "=" + std::to_string(e.data));
  return texts;
}

TEST(SiegeLogChoices, categories_in_list_order) {
  std::vector<std::string> categories;
  for (const LogChoice& c : kSiegeLogCategories) categories.push_back(c.text + std::string("=") + std::to_string(c.data));
  EXPECT_EQ(categories, (std::vector<std::string>{"Start And End=0", "Result Defense And Offense=1",
                                                   "Temporary Result Change Owner=2", "Struct=3", "Request=4",
                                                   "Forge Item=5", "Object=6", "Success And Failed Add Reward=7",
                                                   "All=250"}));
}

TEST(SiegeLogChoices, enabled_fortresses_by_id) {
  EXPECT_TRUE(SiegeFortressEntries(nullptr).empty());
  CScratchDir dir;
  dir.WriteCompleteSet();
  dir.Write("SiegeFortress.txt", FortressRow(1, 30, "FORTRESS_ZULU") + FortressRow(0, 2, "FORTRESS_OFF") +
                                     FortressRow(1, 1, "FORTRESS_ALPHA") + FortressRow(1, 0x10003, "FORTRESS_WIDE"));
  CGameRefData data;
  ASSERT_TRUE(data.Load());
  EXPECT_EQ(EntryTexts(SiegeFortressEntries(&data)),
            (std::vector<std::string>{"FORTRESS_ALPHA=1", "FORTRESS_ZULU=30", "FORTRESS_WIDE=65539"}));
}

}  // namespace
