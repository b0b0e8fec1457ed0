// Where the tabs go: row wrapping at the strip's edge.
#include <gtest/gtest.h>

#include <vector>

#include "common/ExpectEdges.h"
#include "plugin/TabLayout.h"

namespace {

TEST(TabLayout, tabs_follow_each_other_and_wrap_at_the_edge) {
  std::vector<TabBox> boxes;
  EXPECT_EQ(2, LayoutTabRows({40, 50, 60}, 120, boxes));
  ASSERT_EQ(3u, boxes.size());
  ExpectEdges(boxes[0], 1, 4, 53, 18);
  ExpectEdges(boxes[1], 53, 4, 115, 18);
  ExpectEdges(boxes[2], 1, 22, 73, 36);
  // Reaching the edge exactly is enough: 1 + 52 + 55 = 108.
  EXPECT_EQ(2, LayoutTabRows({40, 43}, 108, boxes));
  EXPECT_EQ(1, LayoutTabRows({40, 43}, 109, boxes));
}

TEST(TabLayout, caption_wider_than_the_strip_stays_on_its_row) {
  std::vector<TabBox> boxes;
  EXPECT_EQ(1, LayoutTabRows({40, 200}, 120, boxes));
  ExpectEdges(boxes[1], 53, 4, 265, 18);
}

TEST(TabLayout, tab_opening_a_row_never_leaves_it_empty) {
  std::vector<TabBox> boxes;
  EXPECT_EQ(1, LayoutTabRows({110}, 120, boxes));
  ExpectEdges(boxes[0], 1, 4, 123, 18);
  EXPECT_EQ(1, LayoutTabRows({}, 120, boxes));
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
