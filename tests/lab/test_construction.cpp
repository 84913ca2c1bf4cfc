#include "analysis/construction.h"

#include "analysis_fixture.h"
#include "tables/store.h"

namespace quorvan {
namespace {

using testing_support::AnalysisLab;
using testing_support::readBytes;

class ConstructionTest : public AnalysisLab {
 protected:
  static std::size_t indexOf(std::initializer_list<int> digits) {
    std::size_t p = 0;
    for (int d : digits) p = p * 6 + d;
    return p;
  }
  void select(int n) { lab->userSelect(Ctl::RadioGroup15, n - 3); }
  void construct() { lab->userClick(Ctl::Button101); }
  int label(Ctl id) { return std::stoi(text(id)); }
};

TEST_F(ConstructionTest, StartUpOptionsListZeroResultsThriceAndSaveTableOne) {
  // N = 4 with three observations, two of result 0.
  table(4)[indexOf({0, 1, 4, 2})] = 0;
  table(4)[indexOf({1, 4, 2, 3})] = 0;
  table(4)[indexOf({2, 2, 2, 2})] = 1;
  lab->geometry.pointOffsets = {0, -2, -1, 1, 70, 71, 72, 73, 74, 75};
  construct();
  const std::vector<std::string> expected = {"  0  1 -1  2", "  1 -1  2 -0"};
  EXPECT_EQ(lines(Ctl::RichEdit4), expected);
  EXPECT_EQ(lines(Ctl::RichEdit5), expected);
  EXPECT_EQ(lines(Ctl::RichEdit6), expected);
  EXPECT_TRUE(lines(Ctl::RichEdit7).empty());
  const ResolutionTable& t1 = lab->store.table1;
  EXPECT_EQ(t1.columnCount, 4);
  ASSERT_EQ(t1.rowCount, 2);
  EXPECT_EQ(t1.rows[1][1], 4);

  const auto file = readBytes(dir / "RT" / "rt1.dat");
  ASSERT_EQ(file.size(), 8044u);
  EXPECT_EQ(getInt32(file.data()), 4);
  EXPECT_EQ(getInt32(file.data() + 4 + 4 * 7), 73);  // offset 7 from the geometry
  EXPECT_EQ(getInt32(file.data() + 36), 4);
  EXPECT_EQ(getInt32(file.data() + 40), 2);
  EXPECT_EQ(file[44 + 9 + 3], 3);
  EXPECT_EQ(label(Ctl::Label169), 2);
  EXPECT_EQ(label(Ctl::Label170), 1);
  EXPECT_EQ(label(Ctl::Label156), 0);  // no Total below N = 5
}

TEST_F(ConstructionTest, LinesOmitPointZeroWithoutItsOptions) {
  table(4)[indexOf({1, 4, 2, 3})] = 0;
  lab->controls.setChecked(Ctl::N0colomn1, false);
  construct();
  EXPECT_EQ(lines(Ctl::RichEdit4), std::vector<std::string>{" -1  2 -0"});

  select(3);
  table(3)[indexOf({5, 0, 1})] = 0;
  lab->controls.setChecked(Ctl::N0colomn1, true);
  construct();
  EXPECT_EQ(lines(Ctl::RichEdit4), std::vector<std::string>{" -2    0  1"});  // gap after point 0
}

TEST_F(ConstructionTest, ClassPanelsAndTheNarrowCopyRoute) {
  select(4);
  table(4)[indexOf({0, 0, 0, 0})] = 1;
  table(4)[indexOf({0, 0, 0, 1})] = 2;
  table(4)[indexOf({0, 0, 0, 2})] = 3;
  table(4)[indexOf({0, 0, 0, 3})] = 5;
  table(4)[indexOf({1, 0, 0, 0})] = 0;
  table(4)[indexOf({4, 0, 0, 0})] = 0;
  table(4)[indexOf({2, 0, 0, 0})] = 0;
  lab->userClick(Ctl::N7);
  construct();
  EXPECT_EQ(lines(Ctl::RichEdit4).size(), 3u);
  EXPECT_EQ(lines(Ctl::RichEdit5), std::vector<std::string>{"  0  0  0  0"});
  EXPECT_EQ(lines(Ctl::RichEdit6), std::vector<std::string>{"  0  0  0  1"});
  EXPECT_EQ(lines(Ctl::RichEdit7), std::vector<std::string>{"  0  0  0  2"});
  EXPECT_TRUE(lines(Ctl::RichEdit8).empty());
  EXPECT_EQ(lines(Ctl::RichEdit9), std::vector<std::string>{"  0  0  0 -0"});

  // Back to the default route without "Res 0 => 1,2,3": panel 2 takes the
  // zeros whose point 0 is 1, panel 3 those whose point 0 is -1.
  lab->controls.setChecked(Ctl::N7, false);
  lab->controls.setChecked(Ctl::Res01231, false);
  construct();
  EXPECT_EQ(lines(Ctl::RichEdit4).size(), 3u);
  EXPECT_EQ(lines(Ctl::RichEdit5), std::vector<std::string>{"  1  0  0  0"});
  EXPECT_EQ(lines(Ctl::RichEdit6), std::vector<std::string>{" -1  0  0  0"});
  EXPECT_EQ(lines(Ctl::RichEdit7), std::vector<std::string>{"  0  0  0  2"});
}

TEST_F(ConstructionTest, FivePointsCompleteBySymmetryAndCountTotal) {
  select(5);
  table(5)[indexOf({1, 0, 0, 0, 0})] = 0;
  construct();
  ConstructionState& c = lab->construction;
  EXPECT_EQ(c.lastZeroFirstIsOne, 1);
  EXPECT_EQ(text(Ctl::Label193), "1");
  EXPECT_EQ(c.total, 1);  // the kind-1 image (2,1,1,1,1) holds 1
  const auto& s = c.symmetricForN(5);
  EXPECT_EQ(s[indexOf({1, 0, 0, 0, 0})], 0);
  EXPECT_EQ(s[indexOf({2, 1, 1, 1, 1})], 1);
  EXPECT_EQ(s[indexOf({0, 2, 2, 2, 2})], 2);
  EXPECT_EQ(s[indexOf({4, 3, 3, 3, 3})], 3);
  EXPECT_EQ(s[indexOf({5, 4, 4, 4, 4})], 4);
  EXPECT_EQ(s[indexOf({3, 5, 5, 5, 5})], 5);
  EXPECT_EQ(c.unionCounts[0], 1);
  // Only the observation itself is listed for N = 5.
  EXPECT_EQ(lines(Ctl::RichEdit4), std::vector<std::string>{"  1  0  0  0  0"});
  EXPECT_EQ(label(Ctl::Label168), 4);  // four 0s at points 1..4
  EXPECT_EQ(label(Ctl::Label188), 1);  // point 0 is 1
}

TEST_F(ConstructionTest, SixPointsCountZerosInTheCompletion) {
  select(6);
  table(6)[indexOf({0, 1, 2, 3, 4, 5})] = 0;
  construct();
  EXPECT_EQ(lab->construction.total, 1);
  EXPECT_EQ(lab->construction.lastZeroFirstIsOne, 0);
  EXPECT_EQ(lines(Ctl::RichEdit4).size(), 1u);
}

TEST_F(ConstructionTest, SevenAndMorePointsListImagesObservedWithTheMatchingValue) {
  for (int n = 7; n <= 9; ++n) {
    SCOPED_TRACE(n);
    select(n);
    // Observed: p with 1; its kind-2 image (p mapped 0->2,1->0,2->1) gets
    // 0 and so is listed although never observed.
    std::vector<int> p(n, 1);
    std::size_t ip = 0, image = 0;
    for (int k = 0; k < n; ++k) {
      ip = ip * 6 + p[k];
      image = image * 6 + kSymmetry[2][p[k]];
    }
    table(n)[ip] = 1;
    construct();
    const auto panel = lines(Ctl::RichEdit4);
    ASSERT_EQ(panel.size(), 1u);
    std::string expected;
    for (int k = 0; k < n; ++k) expected += "  0";
    EXPECT_EQ(panel[0], expected);
    EXPECT_EQ(lab->store.table1.rowCount, 0);  // rows come from observations only
    EXPECT_EQ(lab->construction.symmetricForN(n)[image], 0);
    EXPECT_EQ(lab->construction.total, 1);
    // For N = 7 the listed completion zero also raises "U 0".
    EXPECT_EQ(lab->construction.unionCounts[0], n == 7 ? 1 : 0);
  }
}

TEST_F(ConstructionTest, UnionCountsTakeNegatedObservations) {
  select(3);
  table(3)[indexOf({0, 1, 2})] = 3;  // its negation (3,4,5) is unseen: "U 0" counts it
  table(3)[indexOf({1, 1, 1})] = 4;  // negation (4,4,4) holds 1 already: counted once
  table(3)[indexOf({4, 4, 4})] = 1;
  table(3)[indexOf({2, 2, 2})] = 5;  // negation (5,5,5) holds 0: not 2, so counted
  table(3)[indexOf({5, 5, 5})] = 0;
  construct();
  const ConstructionState& c = lab->construction;
  EXPECT_EQ(c.unionCounts[0], 2);  // (5,5,5) and the negation of (0,1,2)
  EXPECT_EQ(c.unionCounts[1], 1);
  EXPECT_EQ(c.unionCounts[2], 1);
  EXPECT_EQ(label(Ctl::Label140), 2);
  EXPECT_EQ(label(Ctl::Label165), 2);
  EXPECT_EQ(c.unionGain, 4);
  EXPECT_EQ(lines(Ctl::RichEdit7), std::vector<std::string>{"  0    1  2"});
}

TEST_F(ConstructionTest, HistogramPointsDependOnN) {
  select(9);
  table(9)[indexOf({1, 2, 2, 2, 2, 2, 2, 3, 4})] = 0;
  construct();
  const ConstructionState& c = lab->construction;
  EXPECT_EQ(c.otherPointHistogram, (std::array<std::int32_t, 6>{0, 0, 6, 0, 0, 0}));
  // Points 0 and 8 count; point 7 does not.
  EXPECT_EQ(c.firstPointHistogram, (std::array<std::int32_t, 6>{0, 1, 0, 0, 1, 0}));

  select(8);
  table(8)[indexOf({1, 2, 2, 2, 2, 2, 2, 3})] = 0;
  construct();
  EXPECT_EQ(c.firstPointHistogram, (std::array<std::int32_t, 6>{0, 1, 0, 1, 0, 0}));
}

TEST_F(ConstructionTest, RepeatedConstructionShowsNoChangeAndKeepsTheBest) {
  table(4)[indexOf({0, 0, 0, 0})] = 0;
  lab->initial.bCellCount = 7;
  lab->lattice.markRows = 41;
  construct();
  EXPECT_EQ(label(Ctl::Label165), 1);
  EXPECT_EQ(label(Ctl::Label222), 1);
  EXPECT_EQ(label(Ctl::Label160), 0);  // best values show before they change
  EXPECT_EQ(label(Ctl::Label223), 1);
  construct();
  for (Ctl d : {Ctl::Label165, Ctl::Label166, Ctl::Label167, Ctl::Label58}) EXPECT_EQ(text(d), "0");
  EXPECT_EQ(label(Ctl::Label159), 42);
  EXPECT_EQ(label(Ctl::Label160), 42);
  EXPECT_EQ(label(Ctl::Label221), 7);
  EXPECT_EQ(label(Ctl::Label223), 7);
  EXPECT_EQ(label(Ctl::Label224), 1);
}

TEST_F(ConstructionTest, NoSelectionEmptiesTablesAndShowsMinusThePrevious) {
  table(4)[indexOf({0, 0, 0, 0})] = 0;
  table(4)[indexOf({0, 0, 0, 1})] = 0;
  lab->controls.setChecked(Ctl::ResTableN21, true);
  construct();
  ASSERT_EQ(lab->store.table2.rowCount, 2);
  lab->userToggle(Ctl::CheckBox41, false);  // no "Npoint" item
  construct();
  EXPECT_EQ(lab->store.table1.rowCount, 0);
  EXPECT_EQ(lab->store.table2.rowCount, 0);
  EXPECT_EQ(getInt32(readBytes(dir / "RT" / "rt2.dat").data() + 40), 0);
  EXPECT_EQ(label(Ctl::Label169), 0);
  EXPECT_EQ(label(Ctl::Label165), -2);
  for (Ctl p : {Ctl::RichEdit4, Ctl::RichEdit5, Ctl::RichEdit6}) EXPECT_TRUE(lines(p).empty());
}

TEST_F(ConstructionTest, UncheckedTablesKeepTheirRows) {
  lab->store.table1.rowCount = 5;
  lab->controls.setChecked(Ctl::ResNfbleN11, false);
  table(4)[indexOf({0, 0, 0, 0})] = 0;
  construct();
  EXPECT_EQ(lab->store.table1.rowCount, 5);
}

// More result-0 combinations than a table holds: the table stops at its
// 1000th row, the panels still list every one.
TEST_F(ConstructionTest, TableFillsToItsLastRowPanelsListEverything) {
  select(5);
  for (int p = 0; p < 1200; ++p) table(5)[p * 5] = 0;
  construct();
  EXPECT_EQ(lab->store.table1.rowCount, TableRows);
  EXPECT_EQ(lab->construction.valueCounts[0], 1200);
  EXPECT_EQ(lines(Ctl::RichEdit4).size(), 1200u);
}

// The fast passes against a plain reading of every combination, for random
// tables of every N.
TEST_F(ConstructionTest, AgreesWithAPlainPassOverEveryCombination) {
  std::uint32_t seed = 12345;
  auto rnd = [&] { return (seed = seed * 1103515245u + 12345u) >> 8; };
  for (int n = 3; n <= 8; ++n) {
    SCOPED_TRACE(n);
    select(n);
    auto& t = table(n);
    for (int i = 0; i < 60; ++i) t[rnd() % t.size()] = static_cast<std::uint8_t>(rnd() % 6);
    ConstructionOptions opt;
    opt.zeroToAll = false;
    constructTables(n, t.data(), lab->construction, opt);
    // Plain: valueCounts, unionCounts and the panel-0 line count.
    std::array<int, 6> counts{};
    std::array<int, 3> unions{};
    std::vector<std::uint8_t> s;
    if (n >= 5) {
      s = t;
      std::vector<int> d(n);
      for (std::size_t p = 0; p < t.size(); ++p) {
        if (t[p] > 5) continue;
        std::size_t q = p;
        for (int k = n - 1; k >= 0; --k) {
          d[k] = q % 6;
          q /= 6;
        }
        for (int g = 1; g <= 5; ++g) {
          std::size_t im = 0;
          for (int k = 0; k < n; ++k) im = im * 6 + kSymmetry[g][d[k]];
          s[im] = kSymmetry[g][t[p]];
        }
      }
    }
    int zeroLines = 0;
    for (std::size_t p = 0; p < t.size(); ++p) {
      if (t[p] <= 5) ++counts[t[p]];
      std::size_t q = p, neg = 0, w = 1;
      for (int k = 0; k < n; ++k) {
        neg += kSymmetry[3][q % 6] * w;
        q /= 6;
        w *= 6;
      }
      for (int c = 0; c < 3; ++c) unions[c] += t[p] == c || t[neg] == c + 3;
      zeroLines += (n >= 7 ? s[p] : t[p]) == 0;
    }
    if (n == 7) unions[0] += zeroLines;
    for (int v = 0; v < 6; ++v) EXPECT_EQ(lab->construction.valueCounts[v], counts[v]);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(lab->construction.unionCounts[c], unions[c]);
    EXPECT_EQ(lab->construction.panels.lines[0], zeroLines);
    if (n >= 5) {
      EXPECT_TRUE(lab->construction.symmetricForN(n) == s);
    }
  }
}

}  // namespace
}  // namespace quorvan

#include "lab_fixture.h"

namespace quorvan {
namespace {

// The whole road after start-up: trials of the automatic test are analysed
// and constructed one after another into table 1 and "RT/rt1.dat".
class StartedLab : public quorvan::testing::LabTest {
 protected:
  void SetUp() override {
    LabTest::SetUp();
    startLab();
  }
};

TEST_F(StartedLab, TrialsAccumulateIntoTableOneAndItsFile) {
  EXPECT_EQ(lab->geometry.pointCount, 4);
  EXPECT_EQ(lab->controls.text(Ctl::Edit35), "-2");
  EXPECT_FALSE(lab->controls.visible(Ctl::Edit39));
  EXPECT_EQ(lab->controls.text(Ctl::Label107), "3");
  EXPECT_EQ(lab->controls.text(Ctl::Label108), "1");

  lab->userClick(Ctl::Button125);
  for (int i = 0; i < 2'000'000 && lab->analysesRun < 15; ++i) {
    if (lab->timerEnabled(Ctl::Timer1))
      lab->timerTick(Ctl::Timer1);
    else if (lab->timerEnabled(Ctl::Timer11))
      lab->timerTick(Ctl::Timer11);
    else
      break;  // an ambiguity stopped the test
  }
  ASSERT_GT(lab->analysesRun, 1);
  const auto& t = lab->patterns.forN(4);
  int zeros = 0, seen = 0;
  for (auto e : t) {
    zeros += e == 0;
    seen += e != NotSeen;
  }
  EXPECT_GT(seen, 0);
  const ResolutionTable& t1 = lab->store.table1;
  EXPECT_EQ(t1.rowCount, std::min(zeros, TableRows));
  EXPECT_EQ(lab->controls[Ctl::RichEdit4].lineCount, zeros);
  EXPECT_EQ(std::stoi(lab->controls.text(Ctl::Label169)), zeros);
  const auto file = testing_support::readBytes(dir / "RT" / "rt1.dat");
  ASSERT_EQ(file.size(), TableFileBytes);
  EXPECT_EQ(getInt32(file.data() + 40), t1.rowCount);
  for (int i = 0; i < t1.rowCount; ++i)
    for (int j = 0; j < 4; ++j) {
      ASSERT_EQ(file[44 + 9 * i + j], t1.rows[i][j]);
      ASSERT_EQ(t[((t1.rows[i][0] * 6 + t1.rows[i][1]) * 6 + t1.rows[i][2]) * 6 + t1.rows[i][3]], 0);
    }
}

}  // namespace
}  // namespace quorvan
