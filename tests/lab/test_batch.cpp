// Batch statistics: "Timer10", the batch end test and the labels of Panel1.
#include <gtest/gtest.h>

#include "lab/scheduler.h"
#include "lab_fixture.h"

namespace quorvan::testing {
namespace {

class Batch : public LabTest {
 protected:
  void SetUp() override {
    LabTest::SetUp();
    startLab();
  }
  // An all-A direct line (its dual all B), reset as "Random" leaves a run.
  void allALine(int length) {
    lab->setText(Ctl::Edit1, std::to_string(length));
    lab->fullReset();
    lab->lattice.directLine.fill(A);
    lab->lattice.initialLine.fill(A);
    lab->lattice.dualLine.fill(B);
  }
  int stepsUntilOver() {
    lab->userClick(Ctl::Button6);
    int steps = 0;
    while (lab->timerEnabled(Ctl::Timer1) && steps < 100) {
      lab->timerTick(Ctl::Timer1);
      ++steps;
    }
    return lab->lattice.stepCount;
  }
  const std::string& text(Ctl id) { return lab->controls.text(id); }
};

TEST_F(Batch, AnAllALineEndsItsBatchRunAtStepTwoAndAnOrdinaryRunAtThree) {
  allALine(11);
  EXPECT_EQ(stepsUntilOver(), 3);
  lab->userClick(Ctl::Timer101);
  allALine(11);
  EXPECT_EQ(stepsUntilOver(), 2);
  EXPECT_EQ(lab->batch.batchRuns, 1);
  // Cell 0 rested for two steps: a balance of 4, halved 2.
  EXPECT_EQ(lab->batch.nonZeroBalanceRuns, 1);
  EXPECT_EQ(lab->batch.balance2to4Runs, 1);
  EXPECT_TRUE(lab->timerEnabled(Ctl::Timer10));
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
  EXPECT_EQ(text(Ctl::Label10), "1");
  EXPECT_EQ(text(Ctl::Label89), "1");
  EXPECT_EQ(text(Ctl::Label93), "2");
  // Averages of classes without a run stay as they were.
  EXPECT_EQ(text(Ctl::Label88), "X");
  EXPECT_EQ(text(Ctl::Label73), "X");
  EXPECT_EQ(text(Ctl::Label72), "0");
  EXPECT_EQ(text(Ctl::Label109), "20");
  EXPECT_EQ(text(Ctl::Label110), "40");
  EXPECT_EQ(text(Ctl::Label107), "3");  // L1 L2
  EXPECT_EQ(text(Ctl::Label108), "1");  // R1
}

TEST_F(Batch, TheSecondClickStillZeroesAndStartsOneOrdinaryRun) {
  lab->userClick(Ctl::Timer101);
  lab->batch.batchRuns = 17;
  lab->batch.oddSteps = 40;
  lab->userClick(Ctl::Timer101);
  EXPECT_FALSE(lab->checked(Ctl::Timer101));
  EXPECT_EQ(lab->batch.batchRuns, 0);
  EXPECT_EQ(lab->batch.oddSteps, 0);
  ASSERT_TRUE(lab->timerEnabled(Ctl::Timer10));
  lab->timerTick(Ctl::Timer10);
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer10));
  EXPECT_TRUE(lab->timerEnabled(Ctl::Timer1));
  const int length = lab->lattice.lineLength;
  EXPECT_GE(length, 20);
  EXPECT_LE(length, 39);
  EXPECT_EQ(lab->drawing.cellWidth, 500 / length);
  EXPECT_EQ(text(Ctl::Edit1), std::to_string(length));
  EXPECT_GE(lab->initial.bCellCount, 2);
  EXPECT_LT(lab->initial.bCellCount, length / 2);
}

TEST_F(Batch, TheThousandAndFirstRunEndsTheBatchAndEvery128thReseeds) {
  lab->userClick(Ctl::Timer101);
  lab->batch.batchRuns = 127;
  allALine(11);
  stepsUntilOver();
  Generator reseeded;
  reseeded.reseedFromClock(1000);
  EXPECT_EQ(lab->generator.randomState, reseeded.randomState);

  lab->batch.batchRuns = 999;
  allALine(11);
  stepsUntilOver();
  EXPECT_EQ(text(Ctl::Label10), "1000");
  EXPECT_TRUE(lab->timerEnabled(Ctl::Timer10));
  const BatchCounters before = lab->batch;
  allALine(11);
  stepsUntilOver();
  EXPECT_EQ(lab->batch.batchRuns, 1001);
  EXPECT_EQ(text(Ctl::Label10), "1000");
  EXPECT_EQ(lab->batch.balance2to4Runs, before.balance2to4Runs) << "the run past the batch is not counted";
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer10));
  EXPECT_FALSE(lab->timerEnabled(Ctl::Timer1));
}

// A few runs on the timers as the window runs them: each ended run lands in
// exactly one class, and "Stop" ends the batch.
TEST_F(Batch, RunsOnTheTimersLandInOneClassEach) {
  lab->userClick(Ctl::Timer101);
  TimerScheduler timers(*lab);
  timers.run(2'000'000, [&] { return lab->batch.batchRuns >= 6; });
  ASSERT_EQ(lab->batch.batchRuns, 6);
  const BatchCounters& b = lab->batch;
  EXPECT_EQ(b.zeroBalanceRuns + b.nonZeroBalanceRuns + b.unfinishedRuns, 6);
  EXPECT_EQ(b.zeroBalanceRuns, b.keptRuns + b.threeRuns + b.evenRuns + b.oddRuns);
  EXPECT_EQ(b.nonZeroBalanceRuns, b.balance1Runs + b.balance2to4Runs + b.balance5upRuns);
  lab->userClick(Ctl::Button7);
  EXPECT_FALSE(lab->checked(Ctl::Timer101));
  EXPECT_FALSE(timers.fireNext());
}

}  // namespace
}  // namespace quorvan::testing
