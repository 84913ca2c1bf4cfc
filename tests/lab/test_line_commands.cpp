// The line commands of "Initial" and "File2" beside "Random", the toggling
// items, and editing cells with the mouse.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "engine/step.h"
#include "lab_fixture.h"
#include "recording_canvas.h"

namespace quorvan::testing {
namespace {

class LineCommands : public LabTest {
 protected:
  void SetUp() override {
    LabTest::SetUp();
    startLab();
  }
  LatticeState& s() { return lab->lattice; }
  void setLine(std::initializer_list<CellState> cells) {
    lab->userType(Ctl::Edit1, std::to_string(cells.size()));
    int q = 0;
    for (CellState c : cells) s().directLine[q++] = c;
  }
};

TEST_F(LineCommands, BlockLineHasItsBCellsAtTheLeftIsSavedAndDoesNotRun) {
  lab->userType(Ctl::Edit1, "9");
  lab->userType(Ctl::Edit7, "4");
  for (int i = 0; i < 3; ++i) lab->userClick(Ctl::Button1);
  Generator g = lab->generator;
  lab->userClick(Ctl::XXX1);
  for (int q = 0; q < 9; ++q) {
    EXPECT_EQ(s().directLine[q], q < 4 ? B : A) << q;
    EXPECT_EQ(s().dualLine[q], q < 4 ? A : B) << q;
    EXPECT_EQ(s().initialLine[q], s().directLine[q]) << q;
  }
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_EQ(s().stepCount, 0);
  EXPECT_EQ(lab->controls.text(Ctl::StatusBar1), "0");
  for (int i = 0; i < 4; ++i) g.nextRandom();  // the B list; no complement coin
  EXPECT_EQ(lab->generator.randomState, g.randomState);
  std::ifstream in(dir / "CA/ca5.dat", std::ios::binary);
  const std::vector<char> saved{std::istreambuf_iterator<char>(in), {}};
  ASSERT_EQ(saved.size(), 154u);
  EXPECT_EQ(saved[0], 9);
  EXPECT_EQ(saved[4 + 3], B);
  EXPECT_EQ(saved[4 + 4], A);

  lab->userType(Ctl::Edit7, "500");  // more than the line holds
  lab->userClick(Ctl::XXX1);
  for (int q = 0; q < 9; ++q) EXPECT_EQ(s().directLine[q], B) << q;
  EXPECT_EQ(s().directLine[9], A) << "the slot after the line is left alone";
}

// "Re 15 9 10" from any length, including the one a test trial leaves while
// the length edit still shows 10.
TEST_F(LineCommands, FixedPresetGivesLengthTenWithBAtThreeFourAndNine) {
  for (const char* length : {"0", "11", "131", "10"}) {
    SCOPED_TRACE(length);
    lab->userType(Ctl::Edit1, length);
    if (std::string(length) == "10") s().lineLength = s().squareRows = s().squareCols = 52;
    const Line initial = s().initialLine;
    lab->userClick(Ctl::N159101);
    EXPECT_EQ(s().lineLength, 10);
    EXPECT_EQ(s().squareRows, 10);
    EXPECT_EQ(s().squareCols, 10);
    EXPECT_EQ(lab->controls.text(Ctl::Edit1), "10");
    for (int q = 0; q < 10; ++q) {
      const bool seed = q == 3 || q == 4 || q == 9;
      EXPECT_EQ(s().directLine[q], seed ? B : A) << q;
      EXPECT_EQ(s().dualLine[q], seed ? A : B) << q;
    }
    EXPECT_EQ(s().initialLine, initial);
    EXPECT_EQ(s().stepCount, 0);
  }
}

TEST_F(LineCommands, InversionTurnsBIntoAAndEverythingElseIntoB) {
  setLine({C, B, A, C, A});
  const Line dual = s().dualLine;
  lab->userClick(Ctl::Make1);
  const CellState expected[] = {B, A, B, B, B};
  for (int q = 0; q < 5; ++q) EXPECT_EQ(s().directLine[q], expected[q]) << q;
  EXPECT_EQ(s().dualLine, dual);
  // The square's width may exceed the line ("Show initial" sets it alone),
  // but never the slots.
  lab->userType(Ctl::Form3Edit11, "100000");
  lab->userClick(Ctl::Make1);
  EXPECT_EQ(s().squareCols, MaxLength);
}

TEST_F(LineCommands, ClearAllPaintsOnlyWithNotDrawClear) {
  RecordingCanvas canvas;
  lab->setCanvas(&canvas);
  ASSERT_TRUE(lab->checked(Ctl::CheckBox43));
  lab->userClick(Ctl::Clearall1);
  EXPECT_TRUE(canvas.calls.empty());
  lab->userToggle(Ctl::CheckBox43, false);
  canvas.calls.clear();
  lab->userClick(Ctl::Clearall1);
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0].box.right, 704);
  EXPECT_EQ(canvas.calls[0].box.bottom, 704);
  lab->setCanvas(nullptr);
}

// "Clear", "Line" and the commands that only step end with the square's
// frame; "Line" and the stepping commands leave the step count at 0.
TEST_F(LineCommands, FrameAndStepCommands) {
  RecordingCanvas canvas;
  lab->setCanvas(&canvas);
  lab->userClick(Ctl::Button1);
  lab->userClick(Ctl::Clear1);
  ASSERT_GE(canvas.calls.size(), 3u);
  const auto& bottom = canvas.calls[canvas.calls.size() - 2];
  const auto& right = canvas.calls.back();
  EXPECT_EQ(bottom.shape, RecordingCanvas::Stroke);
  EXPECT_EQ(bottom.colour, kBlack);
  const Box b{0, 60, 60, 60}, r{60, 0, 60, 60};  // 11 * 5 + 5
  EXPECT_EQ(std::tie(bottom.box.left, bottom.box.top, bottom.box.right, bottom.box.bottom),
            std::tie(b.left, b.top, b.right, b.bottom));
  EXPECT_EQ(std::tie(right.box.left, right.box.top, right.box.right, right.box.bottom),
            std::tie(r.left, r.top, r.right, r.bottom));
  EXPECT_EQ(s().stepCount, 1) << "Clear keeps the count";
  lab->setCanvas(nullptr);

  for (Ctl command : {Ctl::Line1, Ctl::LineCenter1, Ctl::N14, Ctl::CBCNtimes1, Ctl::Center1, Ctl::RANDOM2}) {
    SCOPED_TRACE(controlName(command));
    lab->userClick(Ctl::Button6);
    lab->userClick(Ctl::Button140);
    lab->userClick(Ctl::Button1);
    const Line before = s().directLine;
    lab->userClick(command);
    EXPECT_EQ(s().stepCount, 0);
    if (command == Ctl::Line1 || command == Ctl::LineCenter1 || command == Ctl::N14) {
      EXPECT_EQ(s().directLine, before) << "places no cell";
    }
    EXPECT_EQ(lab->timerEnabled(Ctl::Timer1), command == Ctl::CBCNtimes1);
  }
}

TEST_F(LineCommands, GeneratorDrawsOfTheCommandsThatDiscardThem) {
  lab->userType(Ctl::Edit6, "3");
  Generator g = lab->generator;
  lab->userClick(Ctl::N14);
  for (int i = 0; i < 6; ++i) g.nextRandom();
  EXPECT_EQ(lab->generator.randomState, g.randomState) << "2 x cCellCount values";

  lab->userType(Ctl::Edit6, "2000000000");  // held to the lists' capacity
  g = lab->generator;
  lab->userClick(Ctl::N14);
  for (int i = 0; i < 2 * PositionListCapacity; ++i) g.nextRandom();
  EXPECT_EQ(lab->generator.randomState, g.randomState);

  lab->userType(Ctl::Edit1, "3");
  g = lab->generator;
  lab->userClick(Ctl::RANDOM2);
  for (int i = 0; i < 9; ++i)
    if (g.nextRandom() <= 10000) g.nextRandom();
  EXPECT_EQ(lab->generator.randomState, g.randomState) << "one value per square cell, two when small";
}

// Seven backward steps then ten forward steps: the line ends three steps on
// from where it started, and the counter at 0.
TEST_F(LineCommands, CenterStepsSevenBackAndTenOnFromTheCurrentLine) {
  lab->userToggle(Ctl::CheckBox33, true);  // no marks: a plain run
  const Line start = s().directLine;
  lab->userClick(Ctl::Center1);
  EXPECT_EQ(lab->initial.bCellList.length, 1);
  EXPECT_EQ(lab->initial.bCellList.positions[0], 5);
  EXPECT_EQ(lab->initial.bCellList.companions[0], 5);
  Line next{};
  Line expected = start;
  for (int i = 0; i < 7; ++i) {
    exchangeCB(expected, 11);
    advanceLine(expected, next, 11, Circle, s().mask);
    exchangeCB(expected, 11);
  }
  for (int i = 0; i < 10; ++i) advanceLine(expected, next, 11, Circle, s().mask);
  EXPECT_EQ(s().directLine, expected);
  EXPECT_EQ(s().stepCount, 0);
}

// --- toggling items ------------------------------------------------------------

TEST_F(LineCommands, ToggleItemsFlipOnlyTheirOwnMark) {
  EXPECT_TRUE(lab->checked(Ctl::isSMES1));
  for (Ctl item : {Ctl::Mousesoliton1, Ctl::isSMES1, Ctl::notITZ1, Ctl::Nonreversible1, Ctl::randomize2}) {
    const bool before = lab->checked(item);
    const Line line = s().directLine;
    lab->userClick(item);
    EXPECT_EQ(lab->checked(item), !before) << controlName(item);
    lab->userClick(item);
    EXPECT_EQ(lab->checked(item), before) << controlName(item);
    EXPECT_EQ(s().directLine, line);
  }
  const Line line = s().directLine;
  lab->userClick(Ctl::Iesinv1);
  EXPECT_EQ(s().directLine, line);
}

// --- the mouse -------------------------------------------------------------------

TEST_F(LineCommands, PressInTheTopTwoRowsTogglesTheCellInBothLines) {
  setLine({A, B, C, A});
  s().dualLine[0] = B;
  s().dualLine[1] = A;
  s().dualLine[2] = C;
  lab->mouseDown(10, 10);  // cell 0, row 0
  EXPECT_EQ(s().directLine[0], B);
  EXPECT_EQ(s().dualLine[0], A);
  lab->mouseDown(45, 59, MouseButton::Right);  // cell 1, last pixel of row 1
  EXPECT_EQ(s().directLine[1], A) << "a B cell becomes A";
  EXPECT_EQ(s().dualLine[1], B) << "and its dual cell B";
  lab->mouseDown(60, 0);
  EXPECT_EQ(s().directLine[2], A) << "a C cell becomes A";
  EXPECT_EQ(s().dualLine[2], A);
  EXPECT_EQ(s().initialLine[0], A) << "the initial line keeps the generated one";

  const Line direct = s().directLine, dual = s().dualLine;
  struct Miss {
    std::int64_t x, y;
    const char* where;
  };
  const Miss misses[] = {
      {10, 60, "below the top two rows"},
      {120, 10, "right of the last cell"},
      {-5, 10, "left of the client area"},
      {40, -5, "above it"},
      {std::int64_t{1} << 40, 10, "far to the right"},
  };
  for (const Miss& m : misses) {
    lab->mouseDown(m.x, m.y);
    EXPECT_EQ(s().directLine, direct) << m.where;
  }
  lab->userType(Ctl::Edit49, "0");  // no cell width: no cell can be hit
  lab->mouseDown(0, 0);
  lab->userType(Ctl::Edit49, "-30");
  lab->mouseDown(0, 0);
  EXPECT_EQ(s().directLine, direct);
  EXPECT_EQ(s().dualLine, dual);
}

TEST_F(LineCommands, MoveShowsScaledCoordinatesAndReseedsWhenAsked) {
  struct Case {
    std::int64_t x, y, shownX, shownY;
  };
  const Case cases[] = {{0, 0, 0, 0}, {3, 2, 1, 0}, {97, 500, 19, 100}, {-13, -2, -2, 0}};
  const std::uint32_t state = lab->generator.randomState;
  for (const Case& c : cases) {
    lab->mouseMove(c.x, c.y);
    EXPECT_EQ(lab->controls.text(Ctl::LabelMouseX), std::to_string(c.shownX)) << c.x;
    EXPECT_EQ(lab->controls.text(Ctl::LabelMouseY), std::to_string(c.shownY)) << c.y;
  }
  EXPECT_EQ(lab->generator.randomState, state) << "no reseed while randomize is clear";
  lab->userClick(Ctl::randomize2);
  lab->mouseMove(1, 1);
  Generator g;
  g.reseedFromClock(1000);
  EXPECT_EQ(lab->generator.randomState, g.randomState);
}

// --- the hidden pens -----------------------------------------------------------

TEST_F(LineCommands, PensStoreTwiceAndRoundTripWithTheirSpinners) {
  lab->userType(Ctl::Edit3, "7x");
  EXPECT_EQ(lab->initial.penC, 7);
  EXPECT_EQ(lab->initial.penCCopy, 7);
  EXPECT_EQ(lab->controls.position(Ctl::UpDown3), 7);
  lab->userSpin(Ctl::UpDown4, 9);
  EXPECT_EQ(lab->controls.text(Ctl::Edit4), "9");
  EXPECT_EQ(lab->initial.penAfr, 9);
  EXPECT_EQ(lab->initial.penAfrCopy, 9);
  EXPECT_FALSE(lab->controls.visible(Ctl::GroupBoxPenC));
  EXPECT_FALSE(lab->controls.visible(Ctl::GroupBoxPenAfr));
}

}  // namespace
}  // namespace quorvan::testing
