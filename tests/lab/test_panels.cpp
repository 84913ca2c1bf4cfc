#include "tables/panel_text.h"

#include "analysis_fixture.h"

namespace quorvan {
namespace {

using testing_support::AnalysisLab;
using PanelTest = AnalysisLab;

TEST(RowText, GapsAndMarksOfEachShow) {
  const PointValue row[3] = {0, 4, 2};
  struct Case {
    const char* gap;
    std::int32_t mark;
    const char* markGap;
    const char* text;
  };
  const Case cases[] = {
      {"  ", -1, "     ", "  0   -1  2"},  {"  ", 7, "     ", "  0   -1  2     7"},
      {" ", -1, "    ", "  0  -1  2"},     {" ", 7, "    ", "  0  -1  2    7"},
      {" ", 0, "    ", "  0  -1  2    0"},
  };
  for (const Case& c : cases) {
    std::string out;
    appendRowText(out, row, 3, c.gap, c.mark, c.markGap);
    EXPECT_EQ(out, c.text);
  }
  std::string odd;
  appendPointValue(odd, 5);
  appendPointValue(odd, 200);  // a foreign byte still prints, as its number
  EXPECT_EQ(odd, " -2 -197");
}

TEST_F(PanelTest, ShowsPrintRowsMarksAndCompareLabels) {
  ResolutionTable& t2 = lab->store.table2;
  t2.columnCount = 3;
  t2.rowCount = 2;
  t2.rows[0] = {0, 4, 2};
  t2.rows[1] = {5, 5, 5};
  t2.rowMarks[0] = -1;
  t2.rowMarks[1] = 12;
  t2.offsets = {1, 2, 3, 4, 5, 6, 7, 8};
  lab->geometry.pointCount = 3;
  lab->userClick(Ctl::Button131);
  EXPECT_EQ(lines(Ctl::RichEdit5), (std::vector<std::string>{"  0  -1  2", " -2  -2 -2    12"}));
  EXPECT_EQ(text(Ctl::Label199), "3");
  EXPECT_EQ(text(Ctl::Label208), "1");
  EXPECT_EQ(text(Ctl::Label210), "3");
  for (Ctl l : {Ctl::Label211, Ctl::Label212, Ctl::Label213, Ctl::Label214, Ctl::Label215})
    EXPECT_EQ(text(l), "");
  EXPECT_EQ(text(Ctl::Label196), "3");
  EXPECT_EQ(text(Ctl::Label197), "2");

  lab->geometry.pointCount = 8;
  lab->userClick(Ctl::Button131);
  EXPECT_EQ(text(Ctl::Label215), "8");

  lab->store.tableU = t2;
  lab->store.tableU.rowCount = 1;
  lab->userClick(Ctl::Button133);
  EXPECT_EQ(lines(Ctl::RichEdit6), std::vector<std::string>{"  0  -1  2"});
  EXPECT_EQ(text(Ctl::Label216), "1");
}

TEST_F(PanelTest, EmptyTableEmptiesItsPanelAndStillUpdatesLabels) {
  lab->store.table1.columnCount = 6;
  lab->store.table1.offsets[7] = -9;
  lab->geometry.pointCount = 8;
  lab->userClick(Ctl::Button130);
  EXPECT_TRUE(lines(Ctl::RichEdit4).empty());
  EXPECT_EQ(lab->controls[Ctl::RichEdit4].lineCount, 0);
  EXPECT_EQ(text(Ctl::Label194), "6");
  EXPECT_EQ(text(Ctl::Label195), "0");
  EXPECT_EQ(text(Ctl::Label207), "-9");
}

TEST_F(PanelTest, LayoutItemsExcludeEachOther) {
  const Ctl lower[3] = {Ctl::RichEdit7, Ctl::RichEdit8, Ctl::RichEdit9};
  for (Ctl p : lower) lab->controls.setVisible(p, false);
  lab->userClick(Ctl::N7);
  EXPECT_TRUE(lab->checked(Ctl::N7));
  EXPECT_TRUE(lab->controls.visible(Ctl::Image9));
  // Unchecking changes nothing but the mark.
  lab->userClick(Ctl::N7);
  EXPECT_FALSE(lab->checked(Ctl::N7));
  for (Ctl p : lower) EXPECT_TRUE(lab->controls.visible(p));
  EXPECT_EQ(lines(Ctl::RichEdit9), std::vector<std::string>{"Resolution Table (=5 (-2))"});
  EXPECT_EQ(lines(Ctl::RichEdit4), std::vector<std::string>{"Resolution Table (=0)"});

  lab->userClick(Ctl::N7);
  lab->userClick(Ctl::ResT0c1c11);
  EXPECT_FALSE(lab->checked(Ctl::N7));
  for (Ctl p : lower) EXPECT_FALSE(lab->controls.visible(p));
  EXPECT_FALSE(lab->controls.visible(Ctl::Image9));
  EXPECT_EQ(lines(Ctl::RichEdit5), std::vector<std::string>{"(=0) 0 column = -1"});
  EXPECT_EQ(lines(Ctl::RichEdit6), std::vector<std::string>{"(=0) 0 column = +1"});

  // "Res 0 => 1,2,3" starts checked: the first click unchecks it only.
  lab->userClick(Ctl::N7);
  lab->userClick(Ctl::Res01231);
  EXPECT_FALSE(lab->checked(Ctl::Res01231));
  EXPECT_TRUE(lab->checked(Ctl::N7));
  lab->userClick(Ctl::Res01231);
  EXPECT_FALSE(lab->checked(Ctl::N7));
  EXPECT_FALSE(lab->checked(Ctl::ResT0c1c11));
  for (Ctl p : lower) EXPECT_FALSE(lab->controls.visible(p));
  EXPECT_EQ(lines(Ctl::RichEdit8), std::vector<std::string>{"Resolution Table (=4 (-1))"});  // lines kept

  for (Ctl item : {Ctl::N0colomn1, Ctl::ResNfbleN11, Ctl::ResTableN21, Ctl::Cytcr1}) {
    const bool before = lab->checked(item);
    lab->userClick(item);
    EXPECT_NE(lab->checked(item), before);
  }
}

}  // namespace
}  // namespace quorvan
