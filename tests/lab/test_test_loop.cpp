#include <gtest/gtest.h>

#include "lab_fixture.h"

namespace quorvan::testing {
namespace {

class TestLoop : public LabTest {
 protected:
  void SetUp() override {
    LabTest::SetUp();
    startLab();
  }
  bool enabled(Ctl id) { return lab->controls.enabled(id); }
  // Fires whichever timer is on (never both during a test) until `done`.
  template <typename Done>
  void runUntil(Done done, int maxTicks = 2'000'000) {
    for (int i = 0; i < maxTicks && !done(); ++i) {
      if (lab->timerEnabled(Ctl::Timer1))
        lab->timerTick(Ctl::Timer1);
      else if (lab->timerEnabled(Ctl::Timer11))
        lab->timerTick(Ctl::Timer11);
      else
        break;
    }
  }
};

TEST_F(TestLoop, ButtonsFollowStartAndStop) {
  EXPECT_TRUE(enabled(Ctl::Button125));
  EXPECT_FALSE(enabled(Ctl::Button126));
  EXPECT_FALSE(enabled(Ctl::Button124));
  lab->userClick(Ctl::Button125);
  EXPECT_FALSE(enabled(Ctl::Button125));
  EXPECT_TRUE(enabled(Ctl::Button126));
  EXPECT_FALSE(enabled(Ctl::Button124));
  EXPECT_TRUE(lab->test.testRunning);
  EXPECT_TRUE(lab->timerEnabled(Ctl::Timer11));
  lab->userClick(Ctl::Stoptest1);  // the File menu item does the same
  EXPECT_TRUE(enabled(Ctl::Button125));
  EXPECT_FALSE(enabled(Ctl::Button126));
  EXPECT_TRUE(enabled(Ctl::Button124));
  EXPECT_FALSE(lab->test.testRunning);
}

TEST_F(TestLoop, FirstTrialAfterStartUp) {
  lab->userClick(Ctl::Button125);
  lab->timerTick(Ctl::Timer11);
  const LatticeState& s = lab->lattice;
  EXPECT_EQ(s.lineLength, 51);
  EXPECT_EQ(lab->initial.bCellCount, 1);
  EXPECT_EQ(lab->controls.text(Ctl::Edit1), "11") << "the edits show the previous trial";
  EXPECT_EQ(lab->controls.text(Ctl::Label138), "1");
  EXPECT_EQ(lab->initial.bCellList.length, 50) << "position 28 drawn, odd coin";
  for (int q = 0; q < 51; ++q) EXPECT_EQ(s.directLine[q], q == 28 ? A : B) << q;
  EXPECT_TRUE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer11));
}

TEST_F(TestLoop, TrialsRunAndAreAnalysedOneAfterAnother) {
  lab->userClick(Ctl::Button125);
  runUntil([&] { return lab->analysesRun >= 5; });
  EXPECT_EQ(lab->analysesRun, 5);
  EXPECT_EQ(lab->test.trialCount, 5);
  EXPECT_EQ(lab->controls.text(Ctl::Label138), "5");
  EXPECT_TRUE(lab->timerEnabled(Ctl::Timer11)) << "between trials the test timer is on";
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
}

TEST_F(TestLoop, RowLimitCutsATrialOffOnceAndStillAnalysesIt) {
  lab->userType(Ctl::Edit48, "2");
  lab->userClick(Ctl::Button125);
  runUntil([&] { return lab->analysesRun >= 1; });
  ASSERT_EQ(lab->analysesRun, 1);
  EXPECT_EQ(lab->notReturnedRuns, 1);
  EXPECT_EQ(lab->controls.text(Ctl::Label139), "1");
}

TEST_F(TestLoop, StopInTheMiddleOfARunLeavesItUnanalysed) {
  lab->userClick(Ctl::Button125);
  lab->timerTick(Ctl::Timer11);
  lab->timerTick(Ctl::Timer1);
  const std::int32_t steps = lab->lattice.stepCount;
  lab->userClick(Ctl::Button126);
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_EQ(lab->lattice.stepCount, steps);
  EXPECT_EQ(lab->analysesRun, 0);
  EXPECT_EQ(lab->test.trialCount, 1);
}

TEST_F(TestLoop, ClearAndNpointDuringATestZeroTheCounters) {
  lab->userClick(Ctl::Button125);
  runUntil([&] { return lab->analysesRun >= 2; });
  lab->userClick(Ctl::Clearresults1);
  EXPECT_TRUE(lab->test.testRunning) << "clearing neither starts nor stops the test";
  EXPECT_EQ(lab->test.trialCount, 0);
  EXPECT_EQ(lab->controls.text(Ctl::Label156), "X");
  EXPECT_EQ(lab->controls[Ctl::RichEdit4].lineCount, 0);
  lab->timerTick(Ctl::Timer11);
  EXPECT_EQ(lab->controls.text(Ctl::Label138), "1");

  runUntil([&] { return lab->analysesRun >= 4; });
  lab->userSelect(Ctl::RadioGroup15, 2);  // "5"
  EXPECT_EQ(lab->test.trialCount, 0);
  EXPECT_EQ(lab->notReturnedRuns, 0);
  lab->timerTick(Ctl::Timer11);
  EXPECT_EQ(lab->controls.text(Ctl::Label138), "1");
}

TEST_F(TestLoop, ParametersOutsideTheDataModelAreHeldInside) {
  lab->userType(Ctl::Edit45, "400");
  lab->userType(Ctl::Edit46, "100");
  lab->userType(Ctl::Edit47, "90000");
  lab->userType(Ctl::Edit48, "99999");
  EXPECT_EQ(lab->lattice.markRowLimit, 2999);
  lab->userClick(Ctl::Button125);
  lab->timerTick(Ctl::Timer11);
  EXPECT_EQ(lab->lattice.lineLength, MaxLength);
  EXPECT_LE(lab->initial.bCellList.length, PositionListCapacity);
  lab->userType(Ctl::Edit45, "-50");
  lab->userType(Ctl::Edit46, "0");
  lab->userClick(Ctl::Button126);
  lab->userClick(Ctl::Button125);
  lab->timerTick(Ctl::Timer11);
  EXPECT_EQ(lab->lattice.lineLength, 1);
  runUntil([&] { return lab->analysesRun >= 1; });
  EXPECT_EQ(lab->analysesRun, 1);
}

TEST_F(TestLoop, FourPointAmbiguityHaltsTheTestAndTheNextEndedRunResumesIt) {
  // Left 1, left 3 and right 1 meet a contradiction in the first trial.
  lab->userToggle(Ctl::CheckBox5, true);
  lab->userToggle(Ctl::CheckBox4, false);
  ASSERT_EQ(lab->controls.itemIndex(Ctl::RadioGroup15), 1);
  lab->userClick(Ctl::Button125);
  runUntil([] { return false; });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("    AMBIGUITY!!!  "), std::string::npos);
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer11));
  EXPECT_TRUE(lab->test.testRunning) << "halted, not stopped";
  EXPECT_TRUE(lab->controls.enabled(Ctl::Button126));

  // Back to the start-up mask with the table cleared; a hand-made run that
  // ends switches the test timer on again.
  lab->userToggle(Ctl::CheckBox4, true);
  lab->userToggle(Ctl::CheckBox5, false);
  lab->userClick(Ctl::Clearresults1);
  lab->userClick(Ctl::Button58);
  runUntil([&] { return lab->timerEnabled(Ctl::Timer11); });
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_TRUE(lab->timerEnabled(Ctl::Timer11));
  lab->timerTick(Ctl::Timer11);
  EXPECT_EQ(lab->controls.text(Ctl::Label138), "1");
}

TEST_F(TestLoop, TicksDuringAWarningBoxStartNothing) {
  lab->userSelect(Ctl::RadioGroup15, 0);  // three points contradict at once
  int ticksTried = 0;
  onWarning = [&](const std::string&) {
    if (ticksTried++ > 3) return;
    EXPECT_TRUE(lab->busy());
    const std::int32_t trials = lab->test.trialCount, steps = lab->lattice.stepCount;
    const std::uint32_t random = lab->generator.randomState;
    lab->timerTick(Ctl::Timer11);  // the end of the run switched it on
    lab->timerTick(Ctl::Timer1);
    EXPECT_EQ(lab->test.trialCount, trials);
    EXPECT_EQ(lab->lattice.stepCount, steps);
    EXPECT_EQ(lab->generator.randomState, random);
  };
  lab->userClick(Ctl::Button125);
  runUntil([&] { return !shown.empty(); });
  ASSERT_FALSE(shown.empty());
  EXPECT_GT(ticksTried, 0);
  EXPECT_TRUE(lab->timerEnabled(Ctl::Timer11)) << "other N leave the timers as they are";
  EXPECT_FALSE(lab->busy());
}

}  // namespace
}  // namespace quorvan::testing
