// "Show initial": what its edits show when it opens, what typing into them
// stores, and "DO".
#include <gtest/gtest.h>

#include "lab_fixture.h"

namespace quorvan::testing {
namespace {

class ShowInitial : public LabTest {
 protected:
  void SetUp() override {
    LabTest::SetUp();
    startLab();
  }
  const std::string& text(Ctl id) { return lab->controls.text(id); }
  void open() { lab->userClick(Ctl::FShowinitial1); }
};

TEST_F(ShowInitial, OpeningAtStartUpShowsTheCountsTheSquareAndTheEntries) {
  open();
  EXPECT_EQ(text(Ctl::Form3Edit1), "0");
  EXPECT_EQ(text(Ctl::Form3Edit2), "1");
  EXPECT_EQ(text(Ctl::Form3Edit11), "11");
  EXPECT_EQ(text(Ctl::Form3Edit7), "5") << "the start-up line's B position";
  EXPECT_EQ(lab->initial.bCellList.length, 1);
  // Opening again after a change shows the new values, entries 0..7 of B.
  lab->initial.bCellList.positions[7] = -3;
  lab->initial.bCellList.companions[5] = 77;
  lab->initial.cCellList.companions[1] = 12;
  open();
  EXPECT_EQ(text(Ctl::Form3Edit34), "-3");
  EXPECT_EQ(text(Ctl::Form3Edit20), "77");
  EXPECT_EQ(text(Ctl::Form3Edit6), "12");
}

TEST_F(ShowInitial, TypedValuesParseAsLeadingNumbersAndEntriesKeepSixteenBits) {
  open();
  struct Case {
    Ctl edit;
    const char* typed;
    std::function<std::int32_t(const Laboratory&)> stored;
    std::int32_t expected;
  };
  const Case cases[] = {
      {Ctl::Form3Edit2, "12x", [](const Laboratory& l) { return l.initial.bCellCount; }, 12},
      {Ctl::Form3Edit2, "x12", [](const Laboratory& l) { return l.initial.bCellCount; }, 0},
      {Ctl::Form3Edit1, " 3", [](const Laboratory& l) { return l.initial.cCellCount; }, 3},
      {Ctl::Form3Edit1, " 3", [](const Laboratory& l) { return l.initial.cCellList.length; }, 3},
      {Ctl::Form3Edit3, "70000", [](const Laboratory& l) { return l.initial.cCellList.positions[0]; }, 4464},
      {Ctl::Form3Edit4, "-70000", [](const Laboratory& l) { return l.initial.cCellList.companions[0]; },
       -4464},
      {Ctl::Form3Edit5, "32768", [](const Laboratory& l) { return l.initial.cCellList.positions[1]; },
       -32768},
      {Ctl::Form3Edit8, "9", [](const Laboratory& l) { return l.initial.bCellList.companions[0]; }, 9},
      {Ctl::Form3Edit10, "8", [](const Laboratory& l) { return l.initial.bCellList.companions[1]; }, 8},
      {Ctl::Form3Edit11, "40", [](const Laboratory& l) { return l.lattice.squareCols; }, 40},
      {Ctl::Form3Edit11, "40", [](const Laboratory& l) { return l.lattice.squareRows; }, 11},
      {Ctl::Form3Edit11, "40", [](const Laboratory& l) { return l.lattice.lineLength; }, 11},
      {Ctl::Form3Edit11, "-5", [](const Laboratory& l) { return l.lattice.squareCols; }, 0},
  };
  for (const Case& c : cases) {
    lab->userType(c.edit, "");
    lab->userType(c.edit, c.typed);
    EXPECT_EQ(c.stored(*lab), c.expected) << controlName(c.edit) << " \"" << c.typed << '"';
  }
}

TEST_F(ShowInitial, UnboundEditsStoreNothingAndReopeningRewritesThem) {
  lab->initial.bCellList.positions[2] = 6;
  open();
  EXPECT_EQ(text(Ctl::Form3Edit26), "6");
  lab->userType(Ctl::Form3Edit26, "99");
  lab->userType(Ctl::Form3Edit12, "42");  // a C row with no entry behind it
  EXPECT_EQ(lab->initial.bCellList.positions[2], 6);
  open();
  EXPECT_EQ(text(Ctl::Form3Edit26), "6") << "the typed value is lost";
  EXPECT_EQ(text(Ctl::Form3Edit12), "42") << "an unbound edit keeps whatever it shows";
}

TEST_F(ShowInitial, HugeCountsKeepTheListsInsideTheirCapacity) {
  open();
  lab->userType(Ctl::Form3Edit2, "70000");
  EXPECT_EQ(lab->initial.bCellCount, 70000);
  EXPECT_EQ(lab->initial.bCellList.length, PositionListCapacity);
  lab->userType(Ctl::Form3Edit1, "-9");
  EXPECT_EQ(lab->initial.cCellList.length, 0);
  open();
  EXPECT_EQ(text(Ctl::Form3Edit2), "70000");
  lab->userClick(Ctl::Button58);  // "Random" draws with them and stays in the line
  for (int q = 0; q < 11; ++q) EXPECT_NE(lab->lattice.directLine[q], C);
}

TEST_F(ShowInitial, DoStopsTheAutomatonZeroesTheCounterAndKeepsTheLine) {
  lab->userToggle(Ctl::CheckBox33, true);
  lab->userClick(Ctl::Button6);
  for (int i = 0; i < 4; ++i) lab->timerTick(Ctl::Timer1);
  ASSERT_TRUE(lab->timerEnabled(Ctl::Timer1));
  lab->userClick(Ctl::Timer101);
  const Line line = lab->lattice.directLine;
  open();
  lab->userClick(Ctl::Form3Button1);
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_FALSE(lab->checked(Ctl::Timer101)) << "the full stop";
  EXPECT_EQ(lab->lattice.stepCount, 0);
  EXPECT_EQ(lab->controls.text(Ctl::StatusBar1), "0");
  EXPECT_EQ(lab->lattice.directLine, line);
  EXPECT_EQ(lab->initial.cCellList.length, 0);
  EXPECT_EQ(lab->initial.bCellList.length, 8);
}

}  // namespace
}  // namespace quorvan::testing
