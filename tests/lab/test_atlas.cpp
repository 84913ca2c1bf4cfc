// The mask atlas: its cells, their parsing, and results that do not depend
// on how many threads compute them.
#include <gtest/gtest.h>

#include "lab/atlas.h"

namespace quorvan {
namespace {

TEST(Atlas, TheChartIsTheUpperRightTriangleOfOddCodes) {
  const auto cells = atlasCells();
  EXPECT_EQ(cells.size(), 210u);  // 20 odd codes: 20 * 21 / 2
  EXPECT_EQ(cells.front().left, 1);
  EXPECT_EQ(cells.front().right, 1);
  EXPECT_EQ(cells.back().left, 39);
  EXPECT_EQ(cells.back().right, 39);
  for (const AtlasCell& c : cells) EXPECT_GE(c.left, c.right);
}

TEST(Atlas, CellListsNameOnlyCellsOfTheChart) {
  std::string error;
  const auto ok = parseAtlasCells("3:1,39:39", error);
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->size(), 2u);
  EXPECT_EQ((*ok)[0].left, 3);
  EXPECT_EQ((*ok)[0].right, 1);
  for (const char* bad : {"", "3", "3:", "2:1", "1:3", "41:1", "3:1,", "3:1x", "-1:-1", "99999999999:1"})
    EXPECT_FALSE(parseAtlasCells(bad, error)) << bad;
}

TEST(Atlas, ResultsAreTheSameOnOneThreadOrTwo) {
  std::string error;
  const auto cells = *parseAtlasCells("1:1,3:1,5:3,7:7,31:31", error);
  const auto one = runAtlas(cells, 40, 1000, 1);
  const auto two = runAtlas(cells, 40, 1000, 2);
  EXPECT_EQ(one, two);
  // L1 R1 gives three points, the start-up mask four; 31:31 has eleven.
  EXPECT_EQ(one[0].pointCount, 3);
  EXPECT_EQ(one[1].pointCount, 4);
  EXPECT_TRUE(one[4].outside);
  EXPECT_EQ(one[4].trials, 0);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_GT(one[i].trials, 0);
    EXPECT_GT(one[i].table1Rows, 0);
    EXPECT_EQ(one[i].ambiguous, one[i].firstAmbiguousTrial > 0);
    EXPECT_TRUE(one[i].halted || one[i].trials == 40);
  }
}

}  // namespace
}  // namespace quorvan
