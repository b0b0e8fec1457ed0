// The one lookup of every text table: a code below, between or above the rows finds
// nothing and reads only inside the table; keywords and choices look up the same way.
#include <gtest/gtest.h>

#include <string_view>

#include "base/CodeTable.h"

namespace {

struct NumberRow {
  uint8_t code;
  const char* text;
};
constexpr NumberRow kNumbers[] = {{3, "three"}, {7, "seven"}, {200, "two hundred"}};
static_assert(CodesAscend(kNumbers), "");

struct KeywordRow {
  std::string_view code;
  int value;
};
constexpr KeywordRow kKeywords[] = {{"DEC", 1}, {"MCP", 2}, {"MII", 3}};
static_assert(CodesAscend(kKeywords), "");

constexpr LogChoice kChoices[] = {{"GM Command", 1}, {"Notice", 11}};
static_assert(CodesAscend(kChoices), "");

TEST(CodeTable, finds_each_row_and_nothing_below_between_or_above) {
  for (const NumberRow& row : kNumbers) EXPECT_EQ(FindCodeRow(kNumbers, row.code), &row) << int(row.code);
  for (unsigned code : {0u, 2u, 4u, 6u, 8u, 199u, 201u, 255u, 256u + 3, 0xFFFFFFFFu})
    EXPECT_EQ(FindCodeRow(kNumbers, code), nullptr) << code;

  EXPECT_EQ(FindCodeRow(kKeywords, std::string_view("MCP")), &kKeywords[1]);
  for (std::string_view key : {"", "A", "DE", "DECX", "MCQ", "MII_", "ZZZ"})
    EXPECT_EQ(FindCodeRow(kKeywords, key), nullptr) << key;

  EXPECT_EQ(FindCodeRow(kChoices, 11u), &kChoices[1]);
  EXPECT_EQ(FindCodeRow(kChoices, 10u), nullptr);
  EXPECT_EQ(FindCodeRow(kChoices, 12u), nullptr);
}

// The tables assert this at compile time; here it runs, so a faulty check shows.
TEST(CodeTable, order_check_refuses_a_row_out_of_place_or_twice) {
  const NumberRow swapped[] = {{7, ""}, {3, ""}};
  const NumberRow twice[] = {{3, ""}, {7, ""}, {7, ""}};
  const KeywordRow keywords[] = {{"MCP", 0}, {"MCO", 0}};
  EXPECT_FALSE(CodesAscend(swapped));
  EXPECT_FALSE(CodesAscend(twice));
  EXPECT_FALSE(CodesAscend(keywords));
}

}  // namespace
