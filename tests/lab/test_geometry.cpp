#include <array>

#include "analysis_fixture.h"

namespace quorvan {
namespace {

using testing_support::AnalysisLab;
using GeometryTest = AnalysisLab;

constexpr Ctl kEdits[10] = {Ctl::Edit34, Ctl::Edit35, Ctl::Edit37, Ctl::Edit38, Ctl::Edit39,
                            Ctl::Edit40, Ctl::Edit41, Ctl::Edit42, Ctl::Edit43, Ctl::Edit44};

std::vector<int> offsets(const Laboratory& lab, int n) {
  return {lab.geometry.pointOffsets.begin(), lab.geometry.pointOffsets.begin() + n};
}

TEST_F(GeometryTest, StartUpShowsFourPointsAndTheMaskCodes) {
  EXPECT_EQ(lab->geometry.pointCount, 4);
  EXPECT_EQ(lab->controls.itemIndex(Ctl::RadioGroup15), 1);
  const char* shown[4] = {"0", "-2", "-1", "1"};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(text(kEdits[k]), shown[k]);
    EXPECT_TRUE(lab->controls.visible(kEdits[k]));
  }
  for (int k = 4; k < 10; ++k) EXPECT_FALSE(lab->controls.visible(kEdits[k])) << k;
  EXPECT_EQ(text(Ctl::Label107), "3");
  EXPECT_EQ(text(Ctl::Label108), "1");
  EXPECT_EQ(text(Ctl::Edit33), "4");
  for (auto e : table(4)) ASSERT_EQ(e, NotSeen);
}

TEST_F(GeometryTest, MaskBoxDerivesGeometryInEitherOrderAndClearsTheNewTable) {
  table(5)[7] = 2;
  lab->userToggle(leftMaskBox(3), true);
  EXPECT_EQ(lab->geometry.pointCount, 5);
  EXPECT_EQ(offsets(*lab, 5), (std::vector<int>{0, -3, -2, -1, 1}));
  EXPECT_EQ(lab->controls.itemIndex(Ctl::RadioGroup15), 2);
  EXPECT_EQ(table(5)[7], NotSeen);
  EXPECT_EQ(text(Ctl::Label107), "7");
  EXPECT_TRUE(lab->controls.visible(Ctl::Edit39));
  EXPECT_FALSE(lab->controls.visible(Ctl::Edit40));

  // "<<" lists the same points from the right; N does not change, so the
  // table keeps what it holds.
  table(5)[7] = 2;
  lab->userToggle(Ctl::CheckBox45, true);
  EXPECT_FALSE(lab->checked(Ctl::CheckBox41));
  EXPECT_EQ(offsets(*lab, 5), (std::vector<int>{0, 1, -1, -2, -3}));
  EXPECT_EQ(lab->geometry.pointCount, 5);
  EXPECT_EQ(table(5)[7], 2);
  EXPECT_EQ(text(Ctl::Edit35), "1");
}

TEST_F(GeometryTest, MaskWithoutAutoOnlyRecomputesTheCodes) {
  lab->userToggle(Ctl::CheckBox46, false);
  lab->userToggle(rightMaskBox(10), true);
  EXPECT_EQ(text(Ctl::Label108), "513");
  EXPECT_EQ(lab->geometry.pointCount, 4);
  EXPECT_EQ(offsets(*lab, 4), (std::vector<int>{0, -2, -1, 1}));
}

TEST_F(GeometryTest, ItemDefaultsLeaveTheUnusedSlotsAsTheyWere) {
  lab->geometry.pointOffsets[7] = 70;
  lab->geometry.pointOffsets[9] = 90;
  lab->userSelect(Ctl::RadioGroup15, 4);  // "7"
  EXPECT_EQ(offsets(*lab, 7), (std::vector<int>{0, -3, -2, -1, 1, 2, 3}));
  EXPECT_EQ(lab->geometry.pointOffsets[7], 70);
  lab->userSelect(Ctl::RadioGroup15, 0);  // "3"
  EXPECT_EQ(offsets(*lab, 3), (std::vector<int>{0, -1, 1}));
  EXPECT_EQ(lab->geometry.pointOffsets[3], -1);  // kept from "7"
  EXPECT_EQ(text(Ctl::Edit38), "-1");
  EXPECT_EQ(text(Ctl::Edit44), "90");
  for (int k = 3; k < 10; ++k) EXPECT_FALSE(lab->controls.visible(kEdits[k])) << k;
  for (auto e : table(3)) ASSERT_EQ(e, NotSeen);
}

TEST_F(GeometryTest, TypedOffsetsAreReadAsLeadingIntegersAndKeepTheTable) {
  table(4)[3] = 1;
  struct Case {
    const char* typed;
    int offset;
  };
  for (const Case& c : {Case{"abc", 0}, Case{"-7xy", -7}, Case{"  +12", 12}, Case{"", 0}}) {
    lab->userType(Ctl::Edit35, c.typed);
    EXPECT_EQ(lab->geometry.pointOffsets[1], c.offset) << c.typed;
  }
  lab->userType(Ctl::Edit44, "5");  // the tenth slot; there is no Edit36
  EXPECT_EQ(lab->geometry.pointOffsets[9], 5);
  lab->userType(Ctl::Edit37, "8");
  EXPECT_EQ(lab->geometry.pointOffsets[2], 8);
  EXPECT_EQ(table(4)[3], 1);
}

TEST_F(GeometryTest, TypedPointCountRefreshesVisibility) {
  lab->userType(Ctl::Edit33, "10");
  EXPECT_EQ(lab->geometry.pointCount, 10);
  EXPECT_TRUE(lab->controls.visible(Ctl::Edit44));
  EXPECT_EQ(lab->controls.itemIndex(Ctl::RadioGroup15), 1);  // the item is not touched
}

TEST_F(GeometryTest, UncheckingTheOnlyOrderClearsTheSelectionOnly) {
  table(4)[5] = 0;
  lab->userToggle(Ctl::CheckBox41, false);
  EXPECT_EQ(lab->controls.itemIndex(Ctl::RadioGroup15), -1);
  EXPECT_EQ(lab->geometry.pointCount, 4);
  EXPECT_EQ(offsets(*lab, 4), (std::vector<int>{0, -2, -1, 1}));
  EXPECT_EQ(table(4)[5], 0);
  // With no item, "Clear 93" leaves geometry and tables alone.
  lab->Button93Click();
  EXPECT_EQ(table(4)[5], 0);
}

TEST_F(GeometryTest, MaskOfOnePointClearsTheSelection) {
  lab->userToggle(leftMaskBox(1), false);
  lab->userToggle(leftMaskBox(2), false);
  EXPECT_EQ(lab->geometry.pointCount, 2);
  EXPECT_EQ(lab->controls.itemIndex(Ctl::RadioGroup15), -1);
}

// Nine boxes give ten points, item "9"; more boxes keep the first ten
// points and write nothing past the ten slots.
TEST_F(GeometryTest, CrowdedMaskKeepsTheFirstTenPoints) {
  for (int d = 1; d <= 10; ++d) lab->userToggle(leftMaskBox(d), true);
  for (int d = 1; d <= 10; ++d) lab->userToggle(rightMaskBox(d), true);
  EXPECT_EQ(lab->geometry.pointCount, 10);
  EXPECT_EQ(lab->controls.itemIndex(Ctl::RadioGroup15), 6);
  EXPECT_EQ(offsets(*lab, 10), (std::vector<int>{0, -10, -9, -8, -7, -6, -5, -4, -3, -2}));
  EXPECT_TRUE(lab->controls.visible(Ctl::Edit44));
  EXPECT_EQ(text(Ctl::Label107), "1023");
  // Both orders checked at once (only code can do that) still stay inside.
  lab->controls.setChecked(Ctl::CheckBox45, true);
  lab->Button127Click();
  EXPECT_EQ(lab->geometry.pointCount, 10);
}

TEST_F(GeometryTest, ClearZeroesTheTrialCounters) {
  lab->test.trialCount = 12;
  lab->notReturnedRuns = 3;
  lab->userClick(Ctl::Button93);
  EXPECT_EQ(lab->test.trialCount, 0);
  EXPECT_EQ(lab->notReturnedRuns, 0);
}

}  // namespace
}  // namespace quorvan
