#include "tables/store.h"

#include "analysis_fixture.h"
#include "lab/library_menus.h"

namespace quorvan {
namespace {

using testing_support::AnalysisLab;
using testing_support::readBytes;
using testing_support::writeBytes;

class StoreTest : public AnalysisLab {
 protected:
  ResolutionTable& t1() { return lab->store.table1; }
  void fill(ResolutionTable& t, int columns, int rows) {
    t.columnCount = columns;
    t.rowCount = rows;
    for (int i = 0; i < rows; ++i)
      for (int j = 0; j < TableColumns; ++j) t.rows[i][j] = static_cast<PointValue>((i + j) % 6);
  }
  std::vector<unsigned char> header(std::int32_t pointCount, std::int32_t columns, std::int32_t rows) {
    std::vector<unsigned char> b(44, 0);
    putInt32(b.data(), pointCount);
    for (int k = 0; k < 8; ++k) putInt32(b.data() + 4 + 4 * k, 10 + k);
    putInt32(b.data() + 36, columns);
    putInt32(b.data() + 40, rows);
    return b;
  }
};

TEST_F(StoreTest, TempRoundTripGivesBackTheTableWithGeometryOffsets) {
  fill(t1(), 5, 30);
  t1().rowMarks.fill(3);
  t1().offsets = {9, 9, 9, 9, 9, 9, 9, 9};
  lab->geometry.pointCount = 6;
  lab->geometry.pointOffsets = {0, -2, -1, 1, 2, 3, 40, 41, 42, 43};
  lab->userClick(Ctl::Button139);
  EXPECT_EQ(text(Ctl::Label278), "1000");
  const ResolutionTable saved = t1();

  fill(t1(), 2, 3);
  lab->geometry.pointCount = 4;
  lab->userClick(Ctl::ReadtempN11);
  EXPECT_EQ(lab->geometry.pointCount, 6);
  EXPECT_EQ(lab->geometry.pointOffsets[6], 40);  // the geometry's offsets are not touched
  EXPECT_EQ(text(Ctl::Edit34), "0");
  EXPECT_EQ(t1().columnCount, 5);
  EXPECT_EQ(t1().rowCount, 30);
  EXPECT_EQ(t1().rows, saved.rows);
  EXPECT_EQ(t1().offsets, (std::array<std::int32_t, 8>{0, -2, -1, 1, 2, 3, 40, 41}));
  for (int i = 0; i < 30; ++i) ASSERT_EQ(t1().rowMarks[i], -1);
  EXPECT_EQ(t1().rowMarks[30], 3);
  // And the load shows table 1.
  EXPECT_EQ(lines(Ctl::RichEdit4).size(), 30u);
  EXPECT_EQ(text(Ctl::Label198), "6");
}

TEST_F(StoreTest, FileHoldsOnlyTheFirst8000RowBytes) {
  fill(lab->store.table2, 9, 900);
  lab->geometry.pointCount = 9;
  lab->geometry.pointOffsets = {0, -4, -3, -2, -1, 1, 2, 3, 4, 0};
  lab->userClick(Ctl::Write21);
  const auto file = readBytes(dir / "RT" / "rt2.dat");
  ASSERT_EQ(file.size(), 8044u);
  EXPECT_EQ(getInt32(file.data() + 4 + 28), 3);  // offset 7; offset 8 is stored nowhere
  EXPECT_EQ(getInt32(file.data() + 40), 900);
  EXPECT_EQ(file[44 + 9 * 888 + 7], (888 + 7) % 6);

  // Read back into table 1, which held 0xEE everywhere before.
  for (auto& r : t1().rows) r.fill(0xEE);
  std::filesystem::copy_file(dir / "RT" / "rt2.dat", dir / "RT" / "rtemp.dat",
                             std::filesystem::copy_options::overwrite_existing);
  lab->userClick(Ctl::ReadtempN11);
  EXPECT_EQ(t1().rowCount, 900);
  EXPECT_EQ(t1().rows[888][7], (888 + 7) % 6);
  EXPECT_EQ(t1().rows[888][8], 0xEE);
  EXPECT_EQ(t1().rows[889][0], 0xEE);
  EXPECT_EQ(t1().rows[899][8], 0xEE);
}

TEST_F(StoreTest, SavesNeverCreateAFile) {
  std::filesystem::remove(dir / "RT" / "rtU.dat");
  lab->userClick(Ctl::WriteU1);
  EXPECT_FALSE(std::filesystem::exists(dir / "RT" / "rtU.dat"));
  std::filesystem::remove_all(dir / "RT");
  lab->userClick(Ctl::Write11);
  EXPECT_FALSE(std::filesystem::exists(dir / "RT"));
}

TEST_F(StoreTest, MissingFileLoadStillClearsMarksAndShows) {
  fill(t1(), 3, 4);
  t1().rowMarks.fill(2);
  lab->geometry.pointCount = 7;
  lab->loadLibraryTable(15);  // "Re N=6" / "1  3,7": absent here
  EXPECT_EQ(lab->geometry.pointCount, 7);
  EXPECT_EQ(t1().rowCount, 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(t1().rowMarks[i], -1);
  EXPECT_EQ(t1().rowMarks[4], 2);
  EXPECT_EQ(lines(Ctl::RichEdit4).size(), 4u);
}

TEST_F(StoreTest, ShortFileFillsOnlyTheFieldsItReaches) {
  fill(t1(), 3, 2);
  t1().offsets.fill(-5);
  auto bytes = header(5, 4, 7);
  bytes.resize(4 + 4 * 3 + 2);  // pointCount, offsets 0..2, half of offset 3
  std::filesystem::create_directories(dir / "RT_5");
  writeBytes(dir / "RT_5" / "r_3_3.dat", bytes);
  lab->loadLibraryTable(2);  // "Re N=5" / "(3,3)"
  EXPECT_EQ(lab->geometry.pointCount, 5);
  EXPECT_EQ(t1().offsets, (std::array<std::int32_t, 8>{10, 11, 12, -5, -5, -5, -5, -5}));
  EXPECT_EQ(t1().columnCount, 3);
  EXPECT_EQ(t1().rowCount, 2);

  // Up to the middle of row 1.
  bytes = header(5, 4, 7);
  bytes.insert(bytes.end(), {1, 1, 1, 1, 1, 1, 1, 1, 1, 4, 4});
  writeBytes(dir / "RT_5" / "r_3_3.dat", bytes);
  lab->loadLibraryTable(2);
  EXPECT_EQ(t1().rowCount, 7);
  EXPECT_EQ(t1().rows[1][1], 4);
  EXPECT_EQ(t1().rows[1][2], (1 + 2) % 6);
}

// Headers beyond the arrays are brought inside them.
TEST_F(StoreTest, LoadClampsCountsBeyondTheArrays) {
  struct Case {
    std::int32_t columns, rows, wantColumns, wantRows;
  };
  for (const Case& c : {Case{50, 5000, 9, 1000}, Case{-3, -8, 0, 0}, Case{9, 1000, 9, 1000}}) {
    auto bytes = header(4, c.columns, c.rows);
    bytes.resize(8044, 0);
    writeBytes(dir / "RT" / "rtemp.dat", bytes);
    lab->userClick(Ctl::ReadtempN11);
    EXPECT_EQ(t1().columnCount, c.wantColumns);
    EXPECT_EQ(t1().rowCount, c.wantRows);
    EXPECT_EQ(lines(Ctl::RichEdit4).size(), static_cast<std::size_t>(c.wantRows));
  }
}

TEST_F(StoreTest, LibraryMarksDependOnTheMenu) {
  std::filesystem::create_directories(dir / "RT_5");
  std::filesystem::create_directories(dir / "RT_6");
  auto bytes = header(5, 5, 2);
  bytes.resize(8044, 0);
  writeBytes(dir / "RT_5" / "r_3_3.dat", bytes);
  writeBytes(dir / "RT_6" / "r_3_7.dat", bytes);
  lab->loadLibraryTable(2);  // "(3,3)": marks as they were (0 after start-up)
  EXPECT_EQ(lines(Ctl::RichEdit4),
            (std::vector<std::string>{"  0    0  0  0  0     0", "  0    0  0  0  0     0"}));
  lab->loadLibraryTable(15);  // "1  3,7": marks cleared
  EXPECT_EQ(lines(Ctl::RichEdit4), (std::vector<std::string>{"  0    0  0  0  0", "  0    0  0  0  0"}));
  lab->loadLibraryTable(-1);  // no such item
  lab->loadLibraryTable(53);
  EXPECT_EQ(t1().rowCount, 2);
}

TEST(Library, MenusInOrderWithTheirSeparators) {
  const auto items = libraryItems();
  ASSERT_EQ(items.size(), 53u);
  int perMenu[6] = {};
  const Ctl menus[6] = {Ctl::MenuReN4, Ctl::MenuReN5,  Ctl::MenuReN6n,
                        Ctl::MenuReN6, Ctl::MenuReN6S, Ctl::MenuPlus};
  int separators = 0, clearing = 0;
  for (const auto& it : items) {
    for (int m = 0; m < 6; ++m) perMenu[m] += it.menu == menus[m];
    separators += it.separatorAfter;
    clearing += it.clearsMarks;
    if (it.clearsMarks) {
      EXPECT_EQ(it.menu, Ctl::MenuReN6) << it.caption;
    }
  }
  EXPECT_EQ((std::vector<int>(perMenu, perMenu + 6)), (std::vector<int>{2, 10, 3, 14, 14, 10}));
  EXPECT_EQ(separators, 8);
  EXPECT_EQ(clearing, 14);
  EXPECT_STREQ(items[8].caption, "(3,5) + (5,3)");
  EXPECT_STREQ(items[8].file, "RT_5/Ur_3_5.dat");
  EXPECT_STREQ(items[52].caption, "04");
  EXPECT_STREQ(items[52].file, "RT_6/Zr04.dat");
}

TEST(TableRows, AppendResetAndFind) {
  auto t = std::make_unique<ResolutionTable>();
  TableRow probe{};
  EXPECT_EQ(findRow(*t, probe), -1);  // empty
  t->rowCount = 3;
  EXPECT_EQ(findRow(*t, probe), 0);  // no columns: the first row matches

  resetTable(*t, 3);
  const PointValue a[3] = {1, 2, 3}, b[3] = {1, 2, 4};
  t->rows[1][3] = 9;
  appendRow(*t, a, 3);
  appendRow(*t, b, 3);
  EXPECT_EQ(t->rows[1][3], 9);          // positions past the combination stay
  probe = {1, 2, 4, 5, 5, 5, 5, 5, 5};  // values past columnCount do not matter
  EXPECT_EQ(findRow(*t, probe), 1);
  probe[2] = 5;
  EXPECT_EQ(findRow(*t, probe), -1);

  resetTable(*t, 12);
  EXPECT_EQ(t->columnCount, 9);
  resetTable(*t, -1);
  EXPECT_EQ(t->columnCount, 0);
  // The 1001st row is dropped.
  resetTable(*t, 3);
  for (int i = 0; i < TableRows + 5; ++i) appendRow(*t, a, 3);
  EXPECT_EQ(t->rowCount, TableRows);
  const PointValue nine[12] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  resetTable(*t, 0);
  appendRow(*t, nine, 12);  // no more than a row holds
  EXPECT_EQ(t->rowCount, 1);
}

TEST(TableRows, TransformUsesTableOnesColumnCount) {
  auto s = std::make_unique<TableStore>();
  s->table1.columnCount = 3;
  s->sourceRow = {0, 4, 2, 1};
  s->probeRow = {7, 7, 7, 7};
  transformRow(*s, 3);
  EXPECT_EQ(s->probeRow, (TableRow{3, 1, 5, 7}));
  s->sourceRow = {3, 4, 5};
  transformRow(*s, 1);
  EXPECT_EQ(s->probeRow, (TableRow{5, 3, 4, 7}));
  s->sourceRow = {9, 0, 0};
  transformRow(*s, 2);
  EXPECT_EQ(s->probeRow[0], 5);  // left as it was
  EXPECT_EQ(s->probeRow[1], 2);
  const TableRow before = s->probeRow;
  transformRow(*s, 0);
  transformRow(*s, 6);
  EXPECT_EQ(s->probeRow, before);
}

// With the identity the five kinds form a group: kind 4 is kind 1 then 3,
// kind 5 is kind 2 then 3, and kind 2 undoes kind 1.
TEST(TableRows, SymmetriesComposeAsAGroup) {
  for (int v = 0; v < 6; ++v) {
    EXPECT_EQ(kSymmetry[4][v], kSymmetry[3][kSymmetry[1][v]]);
    EXPECT_EQ(kSymmetry[5][v], kSymmetry[3][kSymmetry[2][v]]);
    EXPECT_EQ(kSymmetry[2][kSymmetry[1][v]], v);
    EXPECT_EQ(kSymmetry[3][kSymmetry[3][v]], v);
  }
}

}  // namespace
}  // namespace quorvan
