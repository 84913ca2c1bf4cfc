#include <gtest/gtest.h>

#include "engine/step.h"
#include "lab_fixture.h"
#include "recording_canvas.h"

namespace quorvan::testing {
namespace {

class RunControl : public LabTest {
 protected:
  void SetUp() override {
    LabTest::SetUp();
    startLab();
    lab->setCanvas(&canvas);
  }
  // Both lines all A, as if "Random" had made them, with the run reset.
  void allALine(int length) {
    lab->setText(Ctl::Edit1, std::to_string(length));
    lab->fullReset();
    lab->lattice.directLine.fill(A);
    lab->lattice.dualLine.fill(A);
  }
  int runUntilStopped(int maxTicks = 10000) {
    int ticks = 0;
    while (lab->timerEnabled(Ctl::Timer1) && ticks < maxTicks) {
      lab->timerTick(Ctl::Timer1);
      ++ticks;
    }
    return ticks;
  }
  RecordingCanvas canvas;
};

TEST_F(RunControl, StartUpStateIsStoppedFeedingViewWithNotDraw) {
  EXPECT_EQ(lab->controls.text(Ctl::StatusBar1), "0");
  EXPECT_FALSE(lab->checked(Ctl::CheckBox33));
  EXPECT_TRUE(lab->checked(Ctl::CheckBox43));
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_EQ(lab->lattice.stepsPerCall, 1);
  EXPECT_EQ(lab->lattice.borderMode, Circle);
  EXPECT_EQ(lab->controls.itemIndex(Ctl::RadioGroup12), 2);
  EXPECT_TRUE(lab->controls.enabled(Ctl::CheckBox29));
  EXPECT_FALSE(lab->controls.enabled(Ctl::CheckBox34));
  EXPECT_TRUE(lab->lattice.mask.left[0] && lab->lattice.mask.left[1] && lab->lattice.mask.right[0]);
  int checkedBoxes = 0;
  for (int d = 1; d <= MaxDistance; ++d)
    checkedBoxes += lab->checked(leftMaskBox(d)) + lab->checked(rightMaskBox(d));
  EXPECT_EQ(checkedBoxes, 3);
}

TEST_F(RunControl, AllALineEndsAtStepThreeWithoutDrawingTheLastState) {
  lab->setChecked(Ctl::CheckBox33, true);  // ordinary view
  allALine(11);
  canvas.calls.clear();
  lab->Button6Click();
  runUntilStopped();
  EXPECT_EQ(lab->lattice.stepCount, 3);
  EXPECT_EQ(lab->controls.text(Ctl::Label25), "2");
  EXPECT_EQ(lab->controls.text(Ctl::Label34), "2");
  EXPECT_EQ(lab->controls.text(Ctl::StatusBar1), "3");
  bool rowDrawn[4] = {};
  for (const auto& c : canvas.calls)
    if (c.shape == RecordingCanvas::Fill && c.box.top % 30 == 0 && c.box.top / 30 < 4)
      rowDrawn[c.box.top / 30] = true;
  EXPECT_TRUE(rowDrawn[1]);
  EXPECT_TRUE(rowDrawn[2]) << "the finishing step is drawn once";
  EXPECT_FALSE(rowDrawn[3]) << "the end of the run leaves without a pass";
  EXPECT_EQ(lab->controls.text(Ctl::Label24), "1") << "no marks at all: the matrices agree";
}

TEST_F(RunControl, ResultLabelsCompareWholeAndHalvedBalances) {
  LatticeState& s = lab->lattice;
  s.directBalance[0] = 3;  // halved: 1
  s.dualBalance[0] = -3;
  s.directFinishStep = 5;
  s.dualFinishStep = 4;
  lab->endOfRun();
  EXPECT_EQ(lab->controls.text(Ctl::Label3), "1");
  EXPECT_EQ(lab->controls.text(Ctl::Label18), "-1");
  EXPECT_EQ(lab->controls.text(Ctl::Label29), "Yes");
  EXPECT_EQ(lab->controls.text(Ctl::Label35), "Yes") << "|5 - 4| equals the halved balance";
  EXPECT_EQ(lab->controls.text(Ctl::Label131), "qH");
  EXPECT_EQ(lab->controls.text(Ctl::Label56), "3");

  // A later run with balance 0 writes its own label and leaves "qH" standing.
  s.directBalance[0] = 0;
  s.dualBalance[0] = 2;
  s.directFinishStep = 6;
  s.dualFinishStep = 6;
  s.initialLine.fill(B);
  s.directFinal.fill(A);
  s.dualFinal.fill(A);
  lab->endOfRun();
  EXPECT_EQ(lab->controls.text(Ctl::Label29), "No");
  EXPECT_EQ(lab->controls.text(Ctl::Label35), "Yes");
  EXPECT_EQ(lab->controls.text(Ctl::Label112), "Yes");
  EXPECT_EQ(lab->controls.text(Ctl::Label128), "PP");
  EXPECT_EQ(lab->controls.text(Ctl::Label131), "qH");
  EXPECT_EQ(lab->controls.text(Ctl::Label132), "");
}

TEST_F(RunControl, BackwardStepAfterForwardStepGivesTheLineBack) {
  lab->Button58Click();
  lab->Button140Click();
  lab->Button1Click();
  lab->Button1Click();
  const Line direct = lab->lattice.directLine;
  const Line dual = lab->lattice.dualLine;
  const std::int32_t steps = lab->lattice.stepCount;
  lab->Button1Click();
  lab->userClick(Ctl::Button72);  // 8 back, 7 forward: net one step back
  EXPECT_EQ(lab->lattice.directLine, direct);
  EXPECT_EQ(lab->lattice.stepCount, steps);
  (void)dual;  // the dual line is never exchanged and keeps advancing

  Line before = lab->lattice.directLine;
  lab->Button1Click();
  lab->backwardStep();
  EXPECT_EQ(lab->lattice.directLine, before);
  EXPECT_EQ(lab->lattice.stepCount, steps);
}

TEST_F(RunControl, ReverseExchangesTheDirectLineAndTurnsTime) {
  lab->Button58Click();
  lab->Button140Click();
  lab->Button1Click();
  Line expected = lab->lattice.directLine;
  exchangeCB(expected, lab->lattice.lineLength);
  lab->userClick(Ctl::Button10);
  EXPECT_EQ(lab->lattice.directLine, expected);
  EXPECT_EQ(lab->controls.text(Ctl::Label21), "-");
  EXPECT_EQ(lab->controls[Ctl::GroupBoxManage].colour, GroupColour::Highlight);
  lab->userClick(Ctl::Button10);
  EXPECT_EQ(lab->controls.text(Ctl::Label21), "+");
}

TEST_F(RunControl, LengthSpinnerClearsAndStopsButKeepsTheCells) {
  lab->Button6Click();
  lab->lattice.directLine[12] = B;
  lab->userSpin(Ctl::UpDown2, 13);
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_EQ(lab->lattice.lineLength, 13);
  EXPECT_EQ(lab->controls.text(Ctl::Edit1), "13");
  EXPECT_EQ(lab->lattice.squareCols, 13);
  EXPECT_EQ(lab->lattice.directLine[12], B);
  EXPECT_EQ(lab->lattice.directLine[11], C) << "a never-written cell holds C";
  lab->userType(Ctl::Edit1, "25x");
  EXPECT_EQ(lab->lattice.lineLength, 25);
  EXPECT_EQ(lab->lattice.squareRows, 25);
  EXPECT_EQ(lab->controls.position(Ctl::UpDown2), 25);
}

TEST_F(RunControl, StepsPerCallFollowsEditAndSpinner) {
  lab->userType(Ctl::Edit2, "4");
  EXPECT_EQ(lab->lattice.stepsPerCall, 4);
  EXPECT_EQ(lab->controls.position(Ctl::UpDown1), 4);
  lab->Button58Click();
  lab->Button140Click();
  lab->Button2Click();
  EXPECT_EQ(lab->lattice.stepCount, 4);
  lab->Button1Click();
  EXPECT_EQ(lab->lattice.stepCount, 5) << "One st. is a single step";
  lab->userSpin(Ctl::UpDown1, 2);
  EXPECT_EQ(lab->controls.text(Ctl::Edit2), "2");
  EXPECT_EQ(lab->lattice.stepsPerCall, 2);
}

}  // namespace
}  // namespace quorvan::testing
