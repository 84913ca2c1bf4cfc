// Batch statistics: "Timer10" runs random lines one after another and
// counts how their runs end in the labels of Panel1.
#include <algorithm>

#include "lab/laboratory.h"

namespace quorvan {

void Laboratory::Timer101Click() {
  controls.setChecked(Ctl::Timer101, !controls.checked(Ctl::Timer101));
  batch = BatchCounters{};
  setTimer(Ctl::Timer10, true);
}

void Laboratory::Timer10Timer() {
  const BatchRunShape shape = drawBatchRun(generator);
  setNumber(Ctl::Edit1, shape.length);
  drawing.cellWidth = drawing.cellHeight = 500 / shape.length;
  setNumber(Ctl::Edit7, shape.seeds);
  Button58Click();
  Button6Click();
  setTimer(Ctl::Timer10, false);
}

void Laboratory::endOfBatchRun() {
  ++batch.batchRuns;
  if (batch.batchRuns % 128 == 0) generator.reseedFromClock(clockSeconds());
  if (batch.batchRuns > kBatchSize) {
    showBatchLabels();
    setTimer(Ctl::Timer1, false);
    setTimer(Ctl::Timer10, false);
    return;
  }
  countBatchRun(batch, lattice);
  setTimer(Ctl::Timer1, false);
  setTimer(Ctl::Timer10, true);
  showBatchLabels();
}

void Laboratory::showBatchLabels() {
  const BatchCounters& b = batch;
  setLabel(Ctl::Label10, std::min(b.batchRuns, kBatchSize));
  setLabel(Ctl::Label31, b.unfinishedRuns);
  setLabel(Ctl::Label70, b.zeroBalanceRuns);
  setLabel(Ctl::Label71, b.nonZeroBalanceRuns);
  // A class's average stays as it was until the class has a run.
  const auto counted = [this](Ctl runsLabel, Ctl averageLabel, std::int32_t runs, std::int32_t steps) {
    setLabel(runsLabel, runs);
    if (runs > 0) setLabel(averageLabel, batchAverage(steps, runs));
  };
  counted(Ctl::Label87, Ctl::Label88, b.balance1Runs, b.balance1Steps);
  counted(Ctl::Label89, Ctl::Label93, b.balance2to4Runs, b.balance2to4Steps);
  counted(Ctl::Label94, Ctl::Label95, b.balance5upRuns, b.balance5upSteps);
  counted(Ctl::Label72, Ctl::Label73, b.keptRuns, b.keptSteps);
  setLabel(Ctl::Label75, b.threeRuns);
  counted(Ctl::Label79, Ctl::Label82, b.evenRuns, b.evenSteps);
  counted(Ctl::Label84, Ctl::Label85, b.oddRuns, b.oddSteps);
  setLabel(Ctl::Label109, kBatchMinLength);
  setLabel(Ctl::Label110, kBatchLengthBound);
  std::int32_t left = 0, right = 0;
  for (int d = 1; d <= 5; ++d) {
    if (controls.checked(leftMaskBox(d))) left |= 1 << (d - 1);
    if (controls.checked(rightMaskBox(d))) right |= 1 << (d - 1);
  }
  setLabel(Ctl::Label107, left);
  setLabel(Ctl::Label108, right);
}

}  // namespace quorvan
