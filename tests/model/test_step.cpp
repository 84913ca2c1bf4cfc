#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "engine/step.h"

namespace quorvan {
namespace {

std::unique_ptr<LatticeState> lattice(int length, Mask mask = {}) {
  auto s = std::make_unique<LatticeState>();
  s->lineLength = length;
  s->mask = mask;
  return s;
}

Mask defaultMask() {
  Mask m;
  m.left[0] = m.left[1] = m.right[0] = true;
  return m;
}

Line lineOf(std::initializer_list<CellState> cells) {
  Line l{};
  int q = 0;
  for (CellState c : cells) l[q++] = c;
  return l;
}

TEST(StepRule, DefaultMaskSeedSpreadsAndDualFollows) {
  auto s = lattice(11, defaultMask());
  s->directLine.fill(0);
  s->dualLine.fill(0);
  for (int q = 0; q < 11; ++q) {
    s->directLine[q] = q == 5 ? B : A;
    s->dualLine[q] = q == 5 ? A : B;
  }
  stepLattice(*s);
  for (int q = 0; q < 11; ++q) {
    EXPECT_EQ(s->directLine[q], q == 5 ? C : A) << q;
    EXPECT_EQ(s->dualLine[q], q == 5 ? A : C) << q;
    EXPECT_EQ(s->directBalance[q], q == 5 ? -1 : 2) << q;
    EXPECT_EQ(s->directWeight[q], q == 5 ? 1 : 2) << q;
  }
  EXPECT_EQ(s->stepCount, 1);
  stepLattice(*s);
  for (int q = 0; q < 11; ++q) {
    const CellState expected = q == 5 ? B : (q == 4 || q == 6 || q == 7) ? C : A;
    EXPECT_EQ(s->directLine[q], expected) << q;
    EXPECT_EQ(s->dualLine[q], q == 5 ? C : B) << q;
  }
  EXPECT_EQ(s->directStateCount[C], 3);
  EXPECT_EQ(s->directStateCount[B], 1);
  EXPECT_EQ(s->directStateCount[A], 7);
}

TEST(StepRule, AllAFinishesAtStepTwoNotOne) {
  auto s = lattice(7, defaultMask());
  s->directLine.fill(A);
  s->dualLine.fill(A);
  stepLattice(*s);
  EXPECT_EQ(s->directFinished, 0) << "no C after step 1 is not yet a finish";
  stepLattice(*s);
  EXPECT_EQ(s->directFinished, 1);
  EXPECT_EQ(s->directFinishStep, 2);
  EXPECT_EQ(s->directSnapshotTaken, 1);
  EXPECT_EQ(s->directFinal, s->directLine);
  // Finished: the line still moves but its accumulators stop.
  const auto balance = s->directBalance;
  stepLattice(*s);
  EXPECT_EQ(s->directBalance, balance);
  EXPECT_EQ(s->directFinishStep, 2);
}

TEST(StepRule, FrozenBorderSeesOnlyInsideNeighboursUpToSix) {
  struct Case {
    const char* what;
    bool left1, right1, far;
    int cell;
    CellState expected;  // the cell starts as A: C when fed
  };
  const Case cases[] = {
      {"right 1 does not reach back to cell 0", false, true, false, 1, A},
      {"left 1 sees cell 0", true, false, false, 1, C},
      {"distances 7..11 never feed", false, false, true, 1, A},
  };
  for (const Case& c : cases) {
    Mask m;
    m.left[0] = c.left1;
    m.right[0] = c.right1;
    if (c.far)
      for (int k = 6; k < 11; ++k) m.left[k] = m.right[k] = true;
    Line line = lineOf({C, A, A, A, A});
    Line next{};
    advanceLine(line, next, 5, FrozenA, m);
    EXPECT_EQ(line[c.cell], c.expected) << c.what;
  }
  // On a line long enough to hold every distance, a C cell at 0 feeds cell d
  // through the left box of distance d only while d is at most 6.
  for (int d = 1; d <= MaxDistance; ++d) {
    Mask m;
    m.left[d - 1] = true;
    Line line{};
    line.fill(A);
    line[0] = C;
    Line next{};
    advanceLine(line, next, 12, FrozenA, m);
    EXPECT_EQ(line[d], d <= 6 ? C : A) << "left " << d;
  }
  // With right 1 only, the last cell has no right neighbour and is never fed.
  Mask right1;
  right1.right[0] = true;
  Line line = lineOf({C, C, C, C, A});
  Line next{};
  advanceLine(line, next, 5, FrozenA, right1);
  EXPECT_EQ(line[4], A);
}

TEST(StepRule, CircleWrapsDistancesBeyondTheLength) {
  Mask m;
  m.left[6] = true;  // left 7 on a line of 5: (1 - 7) mod 5 = 4
  Line line = lineOf({A, A, A, A, C});
  Line next{};
  advanceLine(line, next, 5, Circle, m);
  EXPECT_EQ(line[1], C);
  EXPECT_EQ(line[0], A);
}

TEST(StepRule, ReversedTimeNeverFinishesByItself) {
  auto s = lattice(5, defaultMask());
  s->directLine.fill(A);
  s->dualLine.fill(A);
  s->reverseTime = 1;
  for (int i = 0; i < 5; ++i) stepLattice(*s);
  EXPECT_EQ(s->stepCount, -5);
  EXPECT_EQ(s->directFinished, 0);
}

// Exchanging C and B, advancing once and exchanging back undoes an advance,
// for any line, mask and border.
TEST(StepRule, ExchangeAdvanceExchangeUndoesAnAdvance) {
  std::mt19937 rng(20261210);
  for (int trial = 0; trial < 3000; ++trial) {
    const int length = 1 + static_cast<int>(rng() % MaxLength);
    Mask m;
    for (int k = 0; k < MaxDistance; ++k) {
      m.left[k] = rng() % 3 == 0;
      m.right[k] = rng() % 3 == 0;
    }
    const std::int32_t border = rng() % 2 ? Circle : FrozenA;
    Line before{};
    for (int q = 0; q < length; ++q) before[q] = static_cast<CellState>(rng() % 3);
    Line line = before, next{};
    advanceLine(line, next, length, border, m);
    exchangeCB(line, length);
    advanceLine(line, next, length, border, m);
    exchangeCB(line, length);
    ASSERT_EQ(line, before) << "trial " << trial << " length " << length << " border " << border;
  }
}

TEST(StepRule, EmptyLineIsLeftAlone) {
  auto s = lattice(0, defaultMask());
  stepLattice(*s);
  stepLattice(*s);
  EXPECT_EQ(s->directFinished, 1) << "an empty line holds no C";
}

}  // namespace
}  // namespace quorvan
