// The one lookup of every text table: a code below, between or above the rows finds
// nothing and reads only inside the table; keywords and choices look up the same way.
#include "base/CodeTable.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

struct NumberRow {
  uint8_t code;
};
struct KeywordRow {
  std::string_view code;
};

TEST(CodeTable, finds_each_row_and_nothing_below_between_or_above) {
  static constexpr NumberRow numbers[] = {{3}, {7}, {200}};
  static_assert(CodesAscend(numbers), "");
  for (const NumberRow& row : numbers) EXPECT_EQ(FindCodeRow(numbers, row.code), &row) << int(row.code);
  for (unsigned code : {0u, 2u, 4u, 8u, 199u, 201u, 255u, 256u + 3, 0xFFFFFFFFu})
    EXPECT_EQ(FindCodeRow(numbers, code), nullptr) << code;

  static constexpr KeywordRow keywords[] = {{"DEC"}, {"MCP"}, {"MII"}};
  EXPECT_EQ(FindCodeRow(keywords, std::string_view("MCP")), &keywords[1]);
  for (std::string_view key : {"", "DE", "DECX", "MCQ", "MII_", "ZZZ"}) EXPECT_EQ(FindCodeRow(keywords, key), nullptr);

  static constexpr LogChoice choices[] = {{"GM Command", 1}, {"Notice", 11}};
  EXPECT_EQ(FindCodeRow(choices, 11u), &choices[1]);
  EXPECT_EQ(FindCodeRow(choices, 10u), nullptr);
}

// The tables assert this at compile time; here it runs, so a faulty check shows.
TEST(CodeTable, order_check_refuses_a_row_out_of_place_or_twice) {
  const NumberRow swapped[] = {{7}, {3}}, twice[] = {{3}, {7}, {7}};
  const KeywordRow keywords[] = {{"MCP"}, {"MCO"}};
  EXPECT_FALSE(CodesAscend(swapped));
  EXPECT_FALSE(CodesAscend(twice));
  EXPECT_FALSE(CodesAscend(keywords));
}

}  // namespace
