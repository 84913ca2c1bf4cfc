#include <gtest/gtest.h>

#include "lab_fixture.h"
#include "recording_canvas.h"
#include "render/drawing_pass.h"

namespace quorvan::testing {
namespace {

class Drawing : public LabTest {
 protected:
  void SetUp() override {
    LabTest::SetUp();
    startLab();
    lab->setCanvas(&canvas);
  }
  RecordingCanvas canvas;
};

TEST_F(Drawing, OrdinaryCellsSitInTheirRowOfTime) {
  lab->setChecked(Ctl::CheckBox33, true);
  lab->Button58Click();  // draws row 0
  lab->Button140Click();
  canvas.calls.clear();
  lab->Button1Click();
  int fills = 0, duals = 0;
  for (const auto& c : canvas.calls) {
    if (c.shape == RecordingCanvas::Fill) {
      const int q = static_cast<int>(c.box.left / 30);
      EXPECT_EQ(c.box.left, 30 * q);
      EXPECT_EQ(c.box.right, 30 * q + 30);
      EXPECT_EQ(c.box.top, 30);
      EXPECT_EQ(c.box.bottom, 60);
      const CellState cell = lab->lattice.directLine[q];
      EXPECT_EQ(c.colour, cell == C ? kRed : cell == B ? kBlue : kButtonFace);
      ++fills;
    } else {
      EXPECT_EQ(c.box.top, 31);
      ++duals;
    }
  }
  EXPECT_EQ(fills, 11);
  EXPECT_GT(duals, 0);
}

TEST_F(Drawing, FeedingViewMarksWithNotDrawButDrawsNothing) {
  // Start-up leaves the feeding view with "Not Draw" checked and its line,
  // one B at cell 5, ready.
  canvas.calls.clear();
  lab->Button1Click();  // cell 5 becomes C with weight 1: row 0
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_EQ(lab->lattice.directCMarks[0][5], 1);
  EXPECT_EQ(lab->lattice.directCMarkStep[0][5], 1);
  EXPECT_EQ(lab->lattice.markRows, 0);
  for (int q = 0; q < 11; ++q)
    EXPECT_EQ(lab->lattice.dualCMarks[0][q], q != 5) << "dual cells but 5 are C at weight 1";
}

TEST_F(Drawing, MarkRulesForAAndMarkRows) {
  LatticeState s;
  s.lineLength = 3;
  s.directLine = {A, C, A};
  s.directWeight = {1, 9, 2};  // half weights 0, 4, 1
  s.markRowLimit = 100;
  DrawSwitches sw;
  sw.mA = sw.mC = true;
  sw.notDraw = true;
  NullCanvas null;
  std::int32_t notReturned = 0;
  drawingPass(s, sw, DrawingGeometry{}, null, false, notReturned);
  EXPECT_EQ(s.directAMarks[0][0], 0) << "half weight 0 gives no A mark";
  EXPECT_EQ(s.directAMarks[0][2], 1) << "half weight 1 marks row 0";
  EXPECT_EQ(s.directCMarks[4][1], 1);
  EXPECT_EQ(s.markRows, 4);
  s.directWeight[1] = 2;
  drawingPass(s, sw, DrawingGeometry{}, null, false, notReturned);
  EXPECT_EQ(s.markRows, 1) << "markRows follows the last C drawn, down as well as up";
}

TEST_F(Drawing, CutOffCountsOncePerPassAndOnlyDuringATest) {
  LatticeState s;
  s.lineLength = 4;
  s.directLine = {C, C, C, A};
  s.dualLine = {C, C, A, A};
  s.directWeight = {10, 12, 14, 0};
  s.dualWeight = {10, 10, 0, 0};
  s.markRowLimit = 5;
  DrawSwitches sw;
  sw.mC = sw.mdC = true;
  NullCanvas null;
  std::int32_t notReturned = 0;
  drawingPass(s, sw, DrawingGeometry{}, null, false, notReturned);
  EXPECT_EQ(notReturned, 0);
  EXPECT_EQ(s.directFinished, 0) << "outside a test the run goes on";
  EXPECT_EQ(s.directCMarks[5][0], 0);
  drawingPass(s, sw, DrawingGeometry{}, null, true, notReturned);
  EXPECT_EQ(notReturned, 1) << "five cells hit the limit, one count";
  // The dual line's hit sets the direct flag back to 1 after it was raised.
  EXPECT_EQ(s.directFinished, 1);
  EXPECT_EQ(s.dualFinished, 2);
  EXPECT_EQ(s.markRows, 7);
}

TEST_F(Drawing, FinishedFlagsStopDrawingAndNeverWrap) {
  LatticeState s;
  s.lineLength = 2;
  s.directFinished = 1;
  DrawSwitches sw;
  sw.ordinary = sw.directOrdinary = true;
  RecordingCanvas rec;
  std::int32_t n = 0;
  drawingPass(s, sw, DrawingGeometry{}, rec, false, n);
  EXPECT_EQ(rec.calls.size(), 2u) << "drawn once more after finishing";
  for (int i = 0; i < 600; ++i) drawingPass(s, sw, DrawingGeometry{}, rec, false, n);
  EXPECT_EQ(rec.calls.size(), 2u);
  EXPECT_NE(s.directFinished, 0);
}

// In the feeding view a cell sits three quarters of a cell height lower per
// unit of weight above the scale's base, truncated to whole pixels; the
// direct line's disc is narrowed by a quarter cell each side, the dual
// line's is not.
TEST_F(Drawing, FeedingShapesLandAtThreeQuartersOfACellPerWeight) {
  lab->setChecked(Ctl::CheckBox43, false);  // "Not Draw" off
  lab->userSpin(Ctl::UpDown8, 3);           // weight base 3
  lab->Button58Click();
  for (int i = 0; i < 4; ++i) lab->Button1Click();
  canvas.calls.clear();
  lab->Button1Click();
  const LatticeState& s = lab->lattice;
  int directDiscs = 0, dualDiscs = 0;
  for (const auto& c : canvas.calls) {
    if (c.shape != RecordingCanvas::Disc) continue;
    const int q = static_cast<int>(c.box.left / 30);
    const bool direct = c.box.left % 30 == 30 / 4 + 1;
    const std::int32_t weight = direct ? s.directWeight[q] : s.dualWeight[q];
    const auto row = static_cast<std::int64_t>(0.75 * 30 * (weight - 3));
    EXPECT_EQ(c.box.top, row + (direct ? 2 : 30 / 4 + 2)) << "cell " << q << (direct ? " direct" : " dual");
    ++(direct ? directDiscs : dualDiscs);
  }
  EXPECT_GT(directDiscs, 0);
  EXPECT_GT(dualDiscs, 0);
}

TEST_F(Drawing, TypedCellSizesAndScaleStayOnTheSurface) {
  for (const char* size : {"0", "-40", "100000"}) {
    lab->setText(Ctl::Edit49, size);
    lab->setText(Ctl::Edit50, size);
    lab->setChecked(Ctl::CheckBox33, true);
    lab->Button58Click();
    lab->setChecked(Ctl::CheckBox43, false);
    lab->setChecked(Ctl::CheckBox33, false);
    lab->Button58Click();
    canvas.calls.clear();
    for (int i = 0; i < 20; ++i) lab->Button1Click();
  }
  // Huge cells put shapes far off the surface, at their exact 64-bit place:
  // nothing wrapped around into view.
  ASSERT_FALSE(canvas.calls.empty());
  for (const auto& c : canvas.calls) {
    EXPECT_GE(c.box.left, 0);
    EXPECT_LE(c.box.left, std::int64_t{MaxLength} * 100000);
    EXPECT_GE(c.box.right - c.box.left, 100000 / 2 - 4);
  }
  lab->controls.setChecked(Ctl::F3x1, true);
  lab->controls.setChecked(Ctl::F2x1, true);
  lab->userSpin(Ctl::UpDown8, 9999);
  EXPECT_EQ(lab->controls.text(Ctl::Label225), "9999");
  lab->userSpin(Ctl::UpDown8, 0);
  SUCCEED();
}

}  // namespace
}  // namespace quorvan::testing
