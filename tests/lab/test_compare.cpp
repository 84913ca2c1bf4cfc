// The comparison and the copies, driven through their controls.
#include <random>

#include "analysis_fixture.h"
#include "tables/comparison.h"
#include "tables/store.h"

namespace quorvan {
namespace {

using testing_support::AnalysisLab;
using testing_support::readBytes;

class CompareTest : public AnalysisLab {
 protected:
  ResolutionTable& t1() { return lab->store.table1; }
  ResolutionTable& t2() { return lab->store.table2; }
  ResolutionTable& tu() { return lab->store.tableU; }
  static void set(ResolutionTable& t, int columns, std::initializer_list<std::initializer_list<int>> rows) {
    t.columnCount = columns;
    t.rowCount = 0;
    for (auto r : rows) {
      int j = 0;
      for (int v : r) t.rows[t.rowCount][j++] = static_cast<PointValue>(v);
      ++t.rowCount;
    }
  }
  static std::vector<int> marks(const ResolutionTable& t) {
    return {t.rowMarks.begin(), t.rowMarks.begin() + t.rowCount};
  }
  static std::vector<std::vector<int>> rows(const ResolutionTable& t) {
    std::vector<std::vector<int>> out;
    for (int i = 0; i < t.rowCount; ++i) out.emplace_back(t.rows[i].begin(), t.rows[i].begin() + t.columnCount);
    return out;
  }
  void chOn() { lab->userClick(Ctl::Cytcr1); }
};

TEST_F(CompareTest, EmptyTablesGiveAnEmptyUnionOfTheirWidth) {
  set(t1(), 4, {});
  set(t2(), 4, {});
  tu().rowCount = 7;
  chOn();
  lab->userClick(Ctl::Button141);
  EXPECT_EQ(text(Ctl::Label218), "0");
  EXPECT_EQ(tu().columnCount, 4);
  EXPECT_EQ(tu().rowCount, 0);
  EXPECT_EQ(text(Ctl::Label216), "0");
  EXPECT_TRUE(seen.empty());
}

TEST_F(CompareTest, ATableAgainstItselfPairsEveryRowAndKeepsItWhole) {
  set(t1(), 4, {{0, 1, 2, 3}, {5, 5, 5, 5}, {1, 0, 4, 2}});
  lab->store.table2 = t1();
  lab->userClick(Ctl::Button141);
  EXPECT_EQ(marks(t1()), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(marks(t2()), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(text(Ctl::Label218), "3");
  EXPECT_EQ(rows(tu()), rows(t2()));
  EXPECT_EQ(marks(tu()), (std::vector<int>{-1, -1, -1}));
  // The panels show the pair numbers after their gaps.
  EXPECT_EQ(lines(Ctl::RichEdit4)[1], " -2   -2 -2 -2     1");
  EXPECT_EQ(lines(Ctl::RichEdit5)[2], "  1   0 -1  2    2");
}

TEST_F(CompareTest, PairingCountsTheUnionAndTheLaterDuplicateWins) {
  set(t1(), 3, {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}});
  set(t2(), 3, {{1, 1, 1}, {4, 4, 4}, {1, 1, 1}});
  lab->userClick(Ctl::Button141);
  EXPECT_EQ(marks(t1()), (std::vector<int>{-1, 1, -1}));
  EXPECT_EQ(marks(t2()), (std::vector<int>{0, -1, 1}));
  EXPECT_EQ(text(Ctl::Label218), "4");  // 3 + 3 - 2 pairs
  EXPECT_EQ(rows(tu()), (std::vector<std::vector<int>>{{1, 1, 1}, {1, 1, 1}}));
}

// Each row is the other's image under kind 3; with table 2 empty only the
// passes over table 1 find anything, as "IS AMB 1" first and "IS AMB 2" last.
TEST_F(CompareTest, SymmetryPassesReportImagesInTheirOrder) {
  set(t1(), 3, {{0, 0, 0}, {3, 3, 3}});
  set(t2(), 3, {});
  chOn();
  lab->userClick(Ctl::Button141);
  EXPECT_EQ(seen, (std::vector<std::string>{"IS AMB 1", "IS AMB 1", "IS AMB 2", "IS AMB 2"}));
}

TEST_F(CompareTest, ThreePointTablesAreNotUnitedButUIsShownAndWritten) {
  set(t1(), 3, {{0, 1, 2}});
  set(t2(), 3, {{0, 1, 2}});
  set(tu(), 2, {{5, 5}, {4, 4}});
  chOn();
  lab->userClick(Ctl::Button132);
  EXPECT_EQ(rows(tu()), (std::vector<std::vector<int>>{{5, 5}, {4, 4}}));
  EXPECT_EQ(lines(Ctl::RichEdit6).size(), 2u);
  const auto file = readBytes(dir / "RT/rtU.dat");
  EXPECT_EQ(getInt32(file.data() + 36), 2);
  EXPECT_EQ(getInt32(file.data() + 40), 2);
}

TEST_F(CompareTest, UnionIsSortedWithTheSharedCombinationsNumbered) {
  set(t1(), 4, {{5, 0, 0, 0}, {0, 0, 1, 2}, {2, 2, 2, 2}});
  set(t2(), 4, {{2, 2, 2, 2}, {0, 0, 0, 3}, {5, 0, 0, 0}});
  chOn();
  lab->userClick(Ctl::Button132);
  EXPECT_EQ(rows(tu()),
            (std::vector<std::vector<int>>{{0, 0, 0, 3}, {0, 0, 1, 2}, {2, 2, 2, 2}, {5, 0, 0, 0}}));
  EXPECT_EQ(marks(tu()), (std::vector<int>{-1, -1, 0, 1}));
  EXPECT_EQ(text(Ctl::Label218), "4");
  EXPECT_EQ(getInt32(readBytes(dir / "RT/rtU.dat").data() + 40), 4);
}

// The fast union and symmetry passes answer as a literal walk with findRow
// would, including duplicate rows, a table 2 of another width and values
// outside 0..5 that a foreign file may hold.
TEST_F(CompareTest, IndexedSearchesAgreeWithFindRow) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 40; ++trial) {
    TableStore& s = lab->store;
    const int n = 4 + trial % 3;
    for (ResolutionTable* t : {&s.table1, &s.table2}) {
      t->columnCount = t == &s.table2 && trial % 5 == 4 ? n - 1 : n;
      t->rowCount = static_cast<std::int32_t>(rng() % 300);
      for (int i = 0; i < t->rowCount; ++i)
        for (int j = 0; j < TableColumns; ++j) t->rows[i][j] = static_cast<PointValue>(rng() % (trial % 7 ? 3 : 7));
      for (int i = 0; i < t->rowCount; ++i) t->rowMarks[i] = rng() % 2 ? 0 : -1;
    }
    // literal
    TableStore expected = s;
    {
      std::fill(expected.tableU.rowMarks.begin(), expected.tableU.rowMarks.end(), -1);
      expected.tableU.columnCount = n;
      expected.tableU.rowCount = 0;
      std::int32_t c = 0;
      for (std::int32_t p = 0; p < kPow6[n]; ++p) {
        for (int j = 0, q = p; j < n; ++j, q /= 6) expected.probeRow[n - 1 - j] = static_cast<PointValue>(q % 6);
        std::int32_t i = findRow(expected.table1, expected.probeRow);
        const ResolutionTable* from = &expected.table1;
        if (i < 0) {
          i = findRow(expected.table2, expected.probeRow);
          from = &expected.table2;
        }
        if (i < 0 || expected.tableU.rowCount >= TableRows) continue;
        if (from->rowMarks[i] >= 0) expected.tableU.rowMarks[expected.tableU.rowCount] = c++;
        appendRow(expected.tableU, expected.probeRow.data(), n);
      }
    }
    std::int32_t wanted = 0;
    ASSERT_TRUE(uniteIntoU(s, wanted));
    ASSERT_EQ(rows(s.tableU), rows(expected.tableU)) << trial;
    ASSERT_EQ(s.tableU.rowMarks, expected.tableU.rowMarks) << trial;
    ASSERT_EQ(s.probeRow, expected.probeRow) << trial;

    std::vector<int> literalHits, hits;
    const ResolutionTable* sources[3] = {&expected.table1, &expected.table2, &expected.table1};
    for (int pass = 0; pass < 3; ++pass) {
      for (int r = 0; r < sources[pass]->rowCount; ++r) {
        expected.sourceRow = sources[pass]->rows[r];
        for (int kind = 1; kind <= 5; ++kind) {
          transformRow(expected, kind);
          const bool in1 = findRow(expected.table1, expected.probeRow) >= 0;
          const bool in2 = findRow(expected.table2, expected.probeRow) >= 0;
          if (pass < 2 ? in1 : in2) literalHits.push_back(1);
          if (pass < 2 ? in2 : in1) literalHits.push_back(2);
        }
      }
    }
    symmetryPasses(s, [&](int which) { hits.push_back(which); });
    ASSERT_EQ(hits, literalHits) << trial;
  }
}

TEST_F(CompareTest, AFullUnionKeepsAThousandRowsAndSaysSo) {
  TableStore& s = lab->store;
  s.table1.columnCount = s.table2.columnCount = 6;
  s.table1.rowCount = s.table2.rowCount = 1000;
  // 2000 different combinations: the base-6 digits of 0..999 and 1000..1999.
  for (int i = 0; i < 1000; ++i) {
    for (int j = 5, a = i, b = i + 1000; j >= 0; --j, a /= 6, b /= 6) {
      s.table1.rows[i][j] = static_cast<PointValue>(a % 6);
      s.table2.rows[i][j] = static_cast<PointValue>(b % 6);
    }
  }
  chOn();
  lab->userClick(Ctl::Button132);
  EXPECT_EQ(tu().rowCount, 1000);
  EXPECT_EQ(text(Ctl::StatusBar1), "Table U full: 1000 of 2000 combinations of the union kept");
  EXPECT_EQ(tu().rows[999][5], 3);  // 999 = 4343 in base 6: the union stopped in order
}

TEST_F(CompareTest, CopiesMoveRowsMarksAndOffsetsAsEachSays) {
  set(t1(), 4, {{0, 1, 2, 3}, {4, 5, 0, 1}});
  t1().rowMarks[0] = 8;
  t1().rowMarks[1] = -1;
  t1().offsets = {0, -2, -1, 1, 0, 0, 0, 0};
  t2().rowMarks.fill(6);
  lab->userClick(Ctl::Copy1toInv2);
  EXPECT_EQ(rows(t2()), (std::vector<std::vector<int>>{{0, 3, 2, 1}, {4, 1, 0, 5}}));
  EXPECT_EQ(marks(t2()), (std::vector<int>{6, 6}));
  EXPECT_EQ(t2().offsets, t1().offsets);

  lab->userClick(Ctl::Button137);  // "1 => 2": marks and offsets too, RichEdit4 emptied
  EXPECT_EQ(rows(t2()), rows(t1()));
  EXPECT_EQ(marks(t2()), (std::vector<int>{8, -1}));
  EXPECT_EQ(lab->controls[Ctl::RichEdit4].lineCount, 0);
  EXPECT_EQ(lines(Ctl::RichEdit5), (std::vector<std::string>{"  0   1  2 -0    8", " -1  -2  0  1"}));

  // "Copy 1 => U" keeps U's marks; "Copy U => 2" clears as many marks of
  // table 2 as it held, so a longer U shows table 2's old marks beyond them.
  set(tu(), 4, {});
  tu().rowMarks.fill(3);
  lab->userClick(Ctl::Copy1toU);
  EXPECT_EQ(marks(tu()), (std::vector<int>{3, 3}));
  set(t2(), 4, {{1, 1, 1, 1}});
  t2().rowMarks[1] = 9;
  lab->userClick(Ctl::Button136);  // "2 <= U"
  EXPECT_EQ(marks(t2()), (std::vector<int>{-1, 9}));
  EXPECT_EQ(lab->controls[Ctl::RichEdit6].lineCount, 0);

  t1().rowMarks.fill(5);
  set(tu(), 3, {{2, 2, 2}});
  lab->userClick(Ctl::CopyUto1);
  EXPECT_EQ(rows(t1()), (std::vector<std::vector<int>>{{2, 2, 2}}));
  EXPECT_EQ(t1().rowMarks[0], -1);
  EXPECT_EQ(t1().rowMarks[1], -1);  // the old second row's mark, cleared too
  EXPECT_EQ(t1().rowMarks[2], 5);
  EXPECT_EQ(lab->controls[Ctl::RichEdit5].lineCount, 0);

  t2().offsets = {7, 7, 7, 7, 7, 7, 7, 7};
  lab->userClick(Ctl::Copy2to1);
  EXPECT_EQ(rows(t1()), rows(t2()));
  EXPECT_EQ(t1().offsets, t2().offsets);
}

// Three tables through the temp file: with "+tem" the first intersection is
// what the second reads back; without it, the table that "R1 -> temp" left.
TEST_F(CompareTest, ThreeTableIntersectionThroughTheTempFile) {
  const auto run = [&](bool tem) {
    set(t1(), 4, {{0, 0, 0, 0}, {1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}});
    lab->userClick(Ctl::Button139);  // the third table: 0000 1111 2222 3333 in the temp file
    set(t1(), 4, {{1, 1, 1, 1}, {2, 2, 2, 2}, {4, 4, 4, 4}});
    set(t2(), 4, {{4, 4, 4, 4}, {2, 2, 2, 2}, {1, 1, 1, 1}, {5, 5, 5, 5}});
    if (lab->checked(Ctl::CheckBox39) != tem) lab->userToggle(Ctl::CheckBox39, tem);
    lab->userClick(Ctl::Button135);
    return rows(tu());
  };
  EXPECT_EQ(run(true), (std::vector<std::vector<int>>{{4, 4, 4, 4}, {2, 2, 2, 2}, {1, 1, 1, 1}}));
  EXPECT_EQ(run(false), (std::vector<std::vector<int>>{{2, 2, 2, 2}, {1, 1, 1, 1}}));
}

}  // namespace
}  // namespace quorvan
