#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "msg/AnswerTable.h"
#include "msg/MassiveMsgBuilder.h"

namespace {

struct Page {
  std::vector<std::string> taken;
  void First(CMsg*, CMassiveMsg*) { taken.push_back("first"); }
  void Second(CMsg*, CMassiveMsg*) { taken.push_back("second"); }
};

// Identifiers at both ends of the range and beside the handled ones: each is taken by
// its own handler or by none, whether it comes as one record or in parts.
TEST(AnswerTable, dispatches_each_identifier_to_its_own_handler_at_the_ends) {
  CAnswerTable<Page> table;
  table.Set(0x8001, &Page::First);
  table.Set(65534, &Page::Second);
  table.Set(0, &Page::First);
  table.Set(0x8001, &Page::Second);  // replaces
  table.Set(65535, &Page::First);    // has no slot
  table.Set(0x4000, nullptr);        // handles nothing
  const struct {
    uint16_t id;
    const char* handler;  // null: not taken
  } cases[] = {{0, "first"},         {1, nullptr},          {0x8000, nullptr}, {0x8001, "second"},
               {0x8002, nullptr},    {0x4000, nullptr},     {65533, nullptr},  {65534, "second"},
               {65535, nullptr},     {0xB404, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "identifier " << c.id);
    for (bool massive : {false, true}) {
      Page page;
      CMsg msg;
      msg.Init(c.id);
      MassiveMsgBuilder builder(c.id);
      const bool taken = massive ? table.Dispatch(&page, nullptr, builder.Build()) : table.Dispatch(&page, &msg, nullptr);
      EXPECT_EQ(taken, c.handler != nullptr);
      EXPECT_EQ(page.taken, c.handler ? std::vector<std::string>{c.handler} : std::vector<std::string>{});
    }
  }
  Page page;
  EXPECT_TRUE(table.Dispatch(&page, nullptr, nullptr));
  EXPECT_TRUE(page.taken.empty());
}

}  // namespace
