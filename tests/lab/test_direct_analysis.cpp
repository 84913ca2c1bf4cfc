#include "analysis/direct_analysis.h"

#include "analysis_fixture.h"

namespace quorvan {
namespace {

using testing_support::AnalysisLab;

class DirectAnalysisTest : public AnalysisLab {
 protected:
  // Every cell of rows 0..rows-1 marked with a value that depends on row
  // and cell, so every combination and its result are known.
  void fullRecord(int rows, int cells) {
    record(rows, cells);
    for (int r = 0; r < rows; ++r)
      for (int x = 0; x < cells; ++x) markValue(r, x, (r + x) % 6);
  }
  int seenEntries(int n) {
    int k = 0;
    for (auto e : table(n)) k += e != NotSeen;
    return k;
  }
};

TEST_F(DirectAnalysisTest, MarksBecomePointValuesByStepPhase) {
  record(1, 8);
  struct Case {
    int step;
    bool dual;
    bool direct;
    int value;
  };
  const Case cases[] = {
      {1, false, true, 0}, {2, false, true, 1}, {4, false, true, 0}, {3, false, true, 2}, {1, true, false, 3},
      {2, true, false, 4}, {4, true, false, 3}, {2, true, true, 4},  // both lines marked: the dual value wins
  };
  int x = 0;
  for (const Case& c : cases) {
    if (c.direct) markDirect(0, x, c.step);
    if (c.dual) markDual(0, x, c.step);
    ++x;
  }
  reduceMarkStepsToPointValues(lab->lattice, lab->grids, 0, 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(lab->grids.valueGrid[0][i], cases[i].value) << i;
  // The step counts stay reduced to (step - 1) mod 3.
  EXPECT_EQ(lab->lattice.directCMarkStep[0][2], 0);
  EXPECT_EQ(lab->lattice.dualCMarkStep[0][5], 1);
  EXPECT_EQ(lab->grids.parityGrid[0][1], 1);  // direct step 2: (2-1) mod 2
  EXPECT_EQ(lab->grids.parityGrid[0][4], 2);  // dual step 1
}

TEST_F(DirectAnalysisTest, StepsOfZeroOrLessGiveNegativeRemainders) {
  record(1, 4);
  markDirect(0, 0, 0);          // (0-1) mod 3 = -1: counts as unmarked
  markDual(0, 1, -1);           // -2 -> dual value 1
  markDual(0, 2, 0);            // -1 -> dual value 2
  markDirect(0, 3, INT32_MIN);  // must not overflow
  reduceMarkStepsToPointValues(lab->lattice, lab->grids, 0, 4);
  EXPECT_EQ(lab->grids.valueGrid[0][0], -1);
  EXPECT_EQ(lab->grids.valueGrid[0][1], 1);
  EXPECT_EQ(lab->grids.valueGrid[0][2], 2);
  EXPECT_EQ(lab->grids.valueGrid[0][3], (std::int64_t{INT32_MIN} - 1) % 3);
}

TEST_F(DirectAnalysisTest, FourPointsSkipTheFirstRowOtherSizesDoNot) {
  // Two rows only: the one observation is row 0 -> row 1.
  fullRecord(2, 6);
  lab->userClick(Ctl::Button119);
  EXPECT_EQ(seenEntries(4), 0);
  EXPECT_EQ(lab->analysesRun, 1);

  lab->userSelect(Ctl::RadioGroup15, 0);  // N = 3
  fullRecord(2, 6);
  lab->userClick(Ctl::Button119);
  EXPECT_EQ(seenEntries(3), 6);
  // Cell 2 of row 0: points at 2, 1, 3 hold 2, 1, 3; row 1 holds 3.
  EXPECT_EQ(table(3)[2 * 36 + 1 * 6 + 3], 3);
}

TEST_F(DirectAnalysisTest, UnmarkedPointsAndResultsContributeNothing) {
  lab->userSelect(Ctl::RadioGroup15, 0);  // N = 3, offsets 0, -1, +1
  record(2, 5);
  for (int x = 0; x < 5; ++x)
    if (x != 2) markValue(0, x, 1);
  markValue(1, 1, 0);              // a result, but point +1 of cell 1 is unmarked
  markValue(1, 4, 2);              // a result with all points (0, 3 and 4 by wrapping)
  lab->userClick(Ctl::Button119);  // cells 0 and 3 have no result
  EXPECT_EQ(seenEntries(3), 1);
  EXPECT_EQ(table(3)[1 * 36 + 1 * 6 + 1], 2);
}

TEST_F(DirectAnalysisTest, AmbiguityKeepsTheOldEntryAndReports) {
  lab->userSelect(Ctl::RadioGroup15, 0);  // N = 3
  record(2, 3);
  for (int x = 0; x < 3; ++x) markValue(0, x, 0);
  markValue(1, 0, 2);
  lab->userClick(Ctl::Button119);
  ASSERT_TRUE(seen.empty());
  EXPECT_EQ(table(3)[0], 2);

  // The same combination again with 2: nothing happens.
  record(2, 3);
  for (int x = 0; x < 3; ++x) markValue(0, x, 0);
  markValue(1, 0, 2);
  lab->userClick(Ctl::Button119);
  EXPECT_TRUE(seen.empty());

  // Then with 0 in two cells: two boxes, the entry stays 2.
  record(2, 3);
  for (int x = 0; x < 3; ++x) markValue(0, x, 0);
  markValue(1, 1, 0);
  markValue(1, 2, 0);
  lab->userClick(Ctl::Button119);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], "Y0 X1   0 0|0    T2 E0");
  EXPECT_EQ(table(3)[0], 2);
}

TEST_F(DirectAnalysisTest, FourPointAmbiguityStopsTheTestAndTheScan) {
  // Rows 1 -> 2 hold the combination twice with different results.
  record(3, 6);
  for (int x = 0; x < 6; ++x) markValue(1, x, 0);
  markValue(2, 1, 1);
  markValue(2, 2, 2);
  markValue(2, 3, 2);
  lab->setTimer(Ctl::Timer1, true);
  lab->setTimer(Ctl::Timer11, true);
  lab->test.trialCount = 9;
  lab->userClick(Ctl::Button119);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "Y2 X2 (2)   0  0  0  0    T1    AMBIGUITY!!!  ");
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer11));
  // The construction still ran.
  EXPECT_EQ(text(Ctl::Label138), "9");
  EXPECT_EQ(text(Ctl::Label159), "3");
}

TEST(AmbiguityText, EachSizeHasItsOwnLayout) {
  Ambiguity a;
  a.row = 4;
  a.cell = 7;
  a.values = {0, 1, 2, 3, 4, 5, 0, 1, 2};
  a.old = 3;
  a.now = 5;
  struct Case {
    int n;
    const char* text;
  };
  const Case cases[] = {
      {3, "Y4 X7   0 1|2    T3 E5"},
      {4, "Y5 X7 (5)   0  1  2  3    T3    AMBIGUITY!!!  "},
      {5, "Y5 X7 (5)    0 1|2|3    T3    AMBIGUITY!!!  "},
      {6, "Y5 X7 (5)    0 1|2|3    T3    AMBIGUITY!!!  "},
      {7, "Y5 X7 (5)    0 1 2 3 4 5 0    AMBIGUITY!!!      T3"},
      {8, "Y5 X7 (5)    0 1 2 3 4 5 0    T3    AMBIGUITY!!!  "},
      {9, "Y5 X7 (5)    0 1 2 3 4 5 0    T3    AMBIGUITY!!!  "},
  };
  for (const Case& c : cases) EXPECT_EQ(ambiguityText(c.n, a), c.text) << c.n;
}

TEST_F(DirectAnalysisTest, NoSelectionBuildsGridAndDumpsButEntersNothing) {
  lab->userToggle(Ctl::CheckBox41, false);  // clears "Npoint"
  ASSERT_EQ(lab->controls.itemIndex(Ctl::RadioGroup15), -1);
  lab->controls.setChecked(Ctl::F3x1, true);
  fullRecord(3, 4);
  const PatternTables before = lab->patterns;
  lab->userClick(Ctl::Button119);
  EXPECT_EQ(lab->grids.valueGrid[2][1], 3);
  EXPECT_EQ(lines(Ctl::RichEdit3).size(), 3u);
  for (int n = 3; n <= 9; ++n) EXPECT_TRUE(table(n) == before.forN(n)) << n;
  EXPECT_EQ(text(Ctl::Label159), "3");  // the construction ran
}

TEST_F(DirectAnalysisTest, DumpsListEveryRowWithItsValues) {
  lab->controls.setChecked(Ctl::F3x1, true);
  lab->controls.setChecked(Ctl::F2x1, true);
  record(11, 3);
  markValue(7, 0, 0);
  markValue(7, 2, 4);
  markValue(10, 1, 5);
  lab->userClick(Ctl::Button119);
  const auto f3 = lines(Ctl::RichEdit3);
  ASSERT_EQ(f3.size(), 11u);
  EXPECT_EQ(f3[7], "  7 -    0 -99 4 ");
  EXPECT_EQ(f3[10], "10 -    -99 5 -99 ");
  const auto f2 = lines(Ctl::RichEdit10);
  ASSERT_EQ(f2.size(), 11u);
  EXPECT_EQ(f2[7], "  7 -    0 -99 3 ");  // direct step 1: 0; dual step 2: 1 + 2
}

TEST(WrappedPosition, WrapsFullyAndRefusesEmptyRows) {
  struct Case {
    std::int64_t x, offset, cols;
    int q;
  };
  const Case cases[] = {
      {0, -1, 11, 10},
      {10, 1, 11, 0},
      {0, -300, 11, 8},
      {5, 1000, 11, 4},
      {0, INT32_MIN, 7, static_cast<int>(((std::int64_t{INT32_MIN} % 7) + 7) % 7)},
      {3, 1, 0, -1},
      {3, 1, -5, -1},
      {0, 200, 1000, -1},  // inside a 1000-column row but past the matrices
  };
  for (const Case& c : cases) EXPECT_EQ(wrappedPosition(c.x, c.offset, c.cols), c.q) << c.offset;
}

TEST_F(DirectAnalysisTest, HugeOffsetsWrapAndZeroColumnsEnterNothing) {
  lab->userSelect(Ctl::RadioGroup15, 0);  // N = 3
  lab->userType(Ctl::Edit35, "-3001");    // -3001 mod 5 = 4: the left neighbour
  lab->userType(Ctl::Edit37, "5001");     // the right neighbour
  fullRecord(2, 5);
  lab->userClick(Ctl::Button119);
  EXPECT_EQ(seenEntries(3), 5);
  EXPECT_EQ(table(3)[2 * 36 + 1 * 6 + 3], 3);  // cell 2, as with offsets -1, +1

  lab->userSelect(Ctl::RadioGroup15, 1);
  lab->userSelect(Ctl::RadioGroup15, 0);
  fullRecord(2, 5);
  lab->lattice.squareCols = 0;
  lab->userClick(Ctl::Button119);
  EXPECT_EQ(seenEntries(3), 0);
}

TEST_F(DirectAnalysisTest, RowCountPastTheMatricesStopsAtTheLastRow) {
  lab->userSelect(Ctl::RadioGroup15, 6);  // N = 9
  record(1, 131);
  lab->lattice.markRows = MaxRows + 500;
  for (int x = 0; x < 131; ++x) {
    markValue(MaxRows - 2, x, x % 6);
    markValue(MaxRows - 1, x, (x + 1) % 6);
  }
  lab->userClick(Ctl::Button119);
  // Cell 10 sees 4, 0 1 2 3, 5 0 1 2 and is followed by 5.
  const int digits[9] = {4, 0, 1, 2, 3, 5, 0, 1, 2};
  std::size_t index = 0;
  for (int d : digits) index = index * 6 + d;
  EXPECT_EQ(table(9)[index], 5);
}

}  // namespace
}  // namespace quorvan
