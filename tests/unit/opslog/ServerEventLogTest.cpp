#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opslog/RelayLogChoices.h"
#include "opslog/ServerEventTexts.h"
#include "unit/opslog/RelayLogTestSupport.h"
#include "unit/refdata/RefDataFiles.h"

namespace {

ServerEventLogRow Row(uint32_t logId, uint8_t logType = 1, const std::string& description = "^3stage %s cleared^0") {
  ServerEventLogRow r;
  r.logId = logId;
  r.time = TestTime(2026, 11, 2, 7, 5, 9, kRelayFraction);
  r.serverEventId = 7;
  r.logType = logType;
  r.description = description;
  return r;
}

TEST(ServerEventTexts, cells_of_every_log_type_and_the_fallback) {
  const char* names[256] = {};
  names[1] = "Start!";
  names[2] = "End!";
  names[3] = "Completion";
  names[4] = "Reward";
  for (int type = 0; type < 256; ++type) {
    SCOPED_TRACE(type);
    EXPECT_EQ(ServerEventRowCells(Row(42, static_cast<uint8_t>(type))),
              (ServerEventCells{"42", "2026-11-02 07:05:09", "7", names[type] ? names[type] : "UnknownLogType",
                                "^3stage %s cleared^0"}));
  }
}

TEST(ServerEventTexts, numbers_as_percent_d_and_the_description_within_1024_bytes) {
  struct Case {
    uint32_t logId;
    uint8_t eventId;
    size_t descriptionSize;
    const char* id;
    const char* event;
    size_t shown;
  } cases[] = {
      {0, 0, 0, "0", "0", 0},
      {2147483647u, 255, 1023, "2147483647", "255", 1023},
      {2147483648u, 128, 1024, "-2147483648", "128", 1023},
      {0xFFFFFFFFu, 1, 65535, "-1", "1", 1023},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    ServerEventLogRow row = Row(c.logId, 3, std::string(c.descriptionSize, 'd'));
    row.serverEventId = c.eventId;
    ServerEventCells cells = ServerEventRowCells(row);
    EXPECT_EQ(cells[0], c.id);
    EXPECT_EQ(cells[2], c.event);
    EXPECT_EQ(cells[4], std::string(c.shown, 'd'));
  }
}

TEST(ServerEventTexts, name_keys_up_to_nine_digits_and_names_from_the_text_table) {
  struct Case {
    int32_t id;
    const char* key;
  } cases[] = {
      {7, "SN_SERVER_EVENT_MISSION_7"},
      {0, "SN_SERVER_EVENT_MISSION_0"},
      {999999999, "SN_SERVER_EVENT_MISSION_999999999"},
      {1000000000, ""},
      {-12345678, "SN_SERVER_EVENT_MISSION_-12345678"},
      {-123456789, ""},
      {INT32_MIN, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(ServerEventNameKey(c.id), c.key);
  }

  EXPECT_TRUE(ServerEventEntries(nullptr).empty());
  CScratchDir dir;
  dir.WriteCompleteSet();
  dir.Write("RefServerEventID.txt", "12\r\n7\r\n1000000000\r\n3\r\n");
  dir.Write("TextUISystem.txt", TextRow("SN_SERVER_EVENT_MISSION_7", "Monster Invasion") +
                                    TextRow("SN_SERVER_EVENT_MISSION_12", "Fishing Contest") +
                                    TextRow("SN_SERVER_EVENT_MISSION_1000000000", "Never keyed") +
                                    TextRow("SN_SERVER_EVENT_MISSION_", "Empty key"));
  CGameRefData data;
  ASSERT_TRUE(data.Load());
  std::vector<std::string> entries;
  for (const ChoiceEntry& e : ServerEventEntries(&data)) entries.push_back(e.text + "=" + std::to_string(e.data));
  EXPECT_EQ(entries, (std::vector<std::string>{"=3", "Monster Invasion=7", "Fishing Contest=12", "=1000000000"}));
}

TEST(ServerEventTexts, categories_in_the_order_they_are_added) {
  std::vector<std::string> categories;
  for (const LogChoice& c : kServerEventCategories)
    categories.push_back(c.text + std::string("=") + std::to_string(c.data));
  EXPECT_EQ(categories, (std::vector<std::string>{"Start And End=0", "Completion=1", "Reward=2", "All=255"}));
}

}  // namespace
