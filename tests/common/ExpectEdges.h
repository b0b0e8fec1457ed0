#pragma once
// The four edges of anything that has left, top, right and bottom: a RECT, a tab's box.
#include <gtest/gtest.h>

template <class Box, class Edge>
void ExpectEdges(const Box& box, Edge left, Edge top, Edge right, Edge bottom) {
  EXPECT_EQ(left, box.left);
  EXPECT_EQ(top, box.top);
  EXPECT_EQ(right, box.right);
  EXPECT_EQ(bottom, box.bottom);
}
