#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "initial/generator.h"
#include "lab_fixture.h"

namespace quorvan::testing {
namespace {

TEST(Generator, FirstTenValuesFromStateOne) {
  Generator g;
  const std::int32_t expected[] = {346, 130, 10982, 1090, 11656, 7117, 17595, 6415, 22948, 31126};
  for (std::int32_t v : expected) EXPECT_EQ(g.nextRandom(), v);
  g.reseedFromClock(12345);
  Generator h;
  h.randomState = 12345;
  h.nextRandom();
  EXPECT_EQ(g.randomState, h.randomState) << "a reseed discards one value";
}

std::vector<unsigned char> fileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class RandomLine : public LabTest {};

TEST_F(RandomLine, StartUpLineHasItsSeedAtFiveAndIsSaved) {
  startLab();
  const LatticeState& s = lab->lattice;
  ASSERT_EQ(s.lineLength, 11);
  for (int q = 0; q < 11; ++q) {
    EXPECT_EQ(s.directLine[q], q == 5 ? B : A) << q;
    EXPECT_EQ(s.dualLine[q], q == 5 ? A : B) << q;
    EXPECT_EQ(s.initialLine[q], s.directLine[q]);
  }
  EXPECT_EQ(lab->generator.randomState, [] {
    Generator g;
    g.nextRandom();
    g.nextRandom();
    return g.randomState;
  }()) << "start-up draws one position and one coin";
  const auto bytes = fileBytes(dir / "CA/ca5.dat");
  ASSERT_EQ(bytes.size(), 154u);
  EXPECT_EQ(bytes[0], 11);
  EXPECT_EQ(bytes[1] | bytes[2] | bytes[3], 0);
  for (int q = 0; q < 150; ++q) EXPECT_EQ(bytes[4 + q], s.directLine[q]) << q;
}

TEST_F(RandomLine, OddCoinTakesTheComplementAndRepeatsCountOnce) {
  startLab();
  // Find a state whose draws repeat a position and end on an odd coin.
  lab->setText(Ctl::Edit1, "4");
  lab->setText(Ctl::Edit7, "6");
  Generator probe = lab->generator;
  for (int tries = 0;; ++tries) {
    ASSERT_LT(tries, 100000);
    Generator g = probe;
    bool seen[4] = {};
    int distinct = 0;
    for (int i = 0; i < 6; ++i) {
      const int p = g.nextRandom() % 4;
      if (!seen[p]) ++distinct, seen[p] = true;
    }
    if (distinct == 3 && (g.nextRandom() & 1)) {
      lab->generator = probe;
      lab->Button58Click();
      const LatticeState& s = lab->lattice;
      EXPECT_EQ(lab->initial.bCellList.length, 1) << "4 cells less 3 distinct drawn positions";
      int bCount = 0;
      for (int q = 0; q < 4; ++q) {
        bCount += s.directLine[q] == B;
        EXPECT_EQ(s.directLine[q] == B, !seen[q]) << q;
      }
      EXPECT_EQ(bCount, 1);
      return;
    }
    probe.nextRandom();
  }
}

TEST_F(RandomLine, CPositionsAreDrawnFirstButPlaceNoCell) {
  startLab();
  lab->setText(Ctl::Edit6, "3");
  Generator g = lab->generator;
  lab->Button58Click();
  std::int32_t c[3];
  for (auto& v : c) v = g.nextRandom() % 11;
  const std::int32_t b = g.nextRandom() % 11;
  const bool odd = g.nextRandom() & 1;
  EXPECT_EQ(lab->initial.cCellList.length, 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(lab->initial.cCellList.positions[i], c[i]);
  for (int q = 0; q < 11; ++q) {
    EXPECT_NE(lab->lattice.directLine[q], C);
    EXPECT_EQ(lab->lattice.directLine[q] == B, odd ? q != b : q == b) << q;
  }
}

TEST_F(RandomLine, OutOfRangeCountsAndLengthsStayInsideTheArrays) {
  startLab();
  lab->setText(Ctl::Edit7, "100000");
  lab->Button58Click();
  EXPECT_EQ(lab->initial.bCellList.length == PositionListCapacity || lab->initial.bCellList.length <= 11,
            true);
  lab->setText(Ctl::Edit7, "-4");
  lab->Button58Click();
  EXPECT_LE(lab->initial.bCellList.length, 11);

  lab->userType(Ctl::Edit1, "500");
  EXPECT_EQ(lab->lattice.lineLength, MaxLength) << "held at the longest line";
  EXPECT_EQ(lab->controls.position(Ctl::UpDown2), MaxLength);
  lab->Button58Click();

  lab->userType(Ctl::Edit1, "0");
  EXPECT_EQ(lab->lattice.lineLength, 0);
  const std::uint32_t before = lab->generator.randomState;
  lab->Button58Click();
  EXPECT_EQ(lab->generator.randomState, before) << "an empty line draws nothing";
  // An empty line runs like a line without C: it ends at step 3.
  for (int i = 0; i < 10 && lab->timerEnabled(Ctl::Timer1); ++i) lab->timerTick(Ctl::Timer1);
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_EQ(lab->lattice.stepCount, 3);

  lab->userType(Ctl::Edit1, "-7");
  EXPECT_EQ(lab->lattice.lineLength, 0);
}

TEST_F(RandomLine, MissingLineFileIsLeftMissing) {
  std::filesystem::remove(dir / "CA/ca5.dat");
  startLab();
  EXPECT_FALSE(std::filesystem::exists(dir / "CA/ca5.dat"));
}

}  // namespace
}  // namespace quorvan::testing
