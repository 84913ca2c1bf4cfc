// Run control: the length and step edits, the step handler, the end of a run
// with its result labels, and the backward steps.
#include <algorithm>
#include <cstdlib>

#include "engine/run_results.h"
#include "engine/step.h"
#include "initial/random_line.h"
#include "lab/laboratory.h"
#include "lab/parse.h"

namespace quorvan {
namespace {

const char* yesNo(bool v) { return v ? "Yes" : "No"; }

// Steps per call of the step handler are bounded so that a mistyped number
// cannot freeze the window for hours; a million steps is already minutes.
constexpr std::int32_t kMaxStepsPerCall = 1'000'000;

}  // namespace

// A typed length outside 0..131 is held at the nearest end: the lines have
// 150 slots and the spinner offers 0..131, so every later step, draw and
// reset stays inside the arrays. The edit keeps the text as typed.
void Laboratory::Edit1Change() {
  const std::int32_t length = std::clamp(parseLeadingInt(controls.text(Ctl::Edit1)), 0, MaxLength);
  lattice.lineLength = lattice.squareRows = lattice.squareCols = length;
  controls.setPosition(Ctl::UpDown2, length);
}

void Laboratory::UpDown2Click() {
  lattice.squareRows = controls.position(Ctl::UpDown2);
  setNumber(Ctl::Edit1, lattice.squareRows);
  lattice.squareCols = lattice.squareRows;
  Button8Click();
}

void Laboratory::Edit2Change() {
  lattice.stepsPerCall = std::min(parseLeadingInt(controls.text(Ctl::Edit2)), kMaxStepsPerCall);
  controls.setPosition(Ctl::UpDown1, lattice.stepsPerCall);
}

void Laboratory::UpDown1Click() {
  lattice.stepsPerCall = controls.position(Ctl::UpDown1);
  setNumber(Ctl::Edit2, lattice.stepsPerCall);
}

void Laboratory::Timer1Timer() { Button2Click(); }

void Laboratory::Button2Click() {
  LatticeState& s = lattice;
  ++s.stepCallCount;
  const std::int32_t repetitions = s.oneStepFlag ? 1 : s.stepsPerCall;
  // While "Timer10" is checked the batch decides when a run is over.
  const bool batchMode = controls.checked(Ctl::Timer101);
  for (std::int32_t i = 0; i < repetitions; ++i) {
    stepLattice(s);
    if (batchMode) {
      if (batchRunOver(s)) {
        endOfBatchRun();
        return;
      }
    } else if (s.directFinished != 0 && s.dualFinished != 0 && s.stepCount > 2) {
      endOfRun();
      return;
    }
  }
  if (!batchMode || s.stepCount % 32 == 0) setLabel(Ctl::StatusBar1, s.stepCount);
  Button3Click();
}

void Laboratory::analyseFinishedRun() {
  Button119Click();
  // The analysis leaves the step counts of rows 0..markRows reduced in place:
  // those rows no longer hold their reset values.
  const std::int32_t rows = std::min(lattice.markRows, MaxRows - 1) + 1;
  for (int q = 0; q < lattice.cells(); ++q)
    lattice.dirtyRowsByCell[q] = std::max(lattice.dirtyRowsByCell[q], rows);
}

void Laboratory::endOfRun() {
  const LatticeState& s = lattice;
  setTimer(Ctl::Timer1, false);
  if (test.testRunning) setTimer(Ctl::Timer11, true);
  if (controls.itemIndex(Ctl::RadioGroup12) == 2) analyseFinishedRun();

  const RunResults results = summariseRun(s);
  const bool noCellKept = results.noCellKept;
  const bool finalsDiffer = results.finalsDiffer;

  setLabel(Ctl::StatusBar1, s.stepCount);
  const Ctl directLabels[] = {Ctl::Label3, Ctl::Label4, Ctl::Label6, Ctl::Label17};
  const Ctl dualLabels[] = {Ctl::Label18, Ctl::Label23, Ctl::Label26, Ctl::Label27};
  for (int q = 0; q < 4; ++q) {
    setLabel(directLabels[q], s.directBalance[q] / 2);
    setLabel(dualLabels[q], s.dualBalance[q] / 2);
  }
  setLabel(Ctl::Label25, s.directFinishStep);
  setLabel(Ctl::Label34, s.dualFinishStep);

  const std::int64_t balance0 = s.directBalance[0];
  controls.setText(Ctl::Label29, yesNo(std::llabs(balance0) == std::llabs(std::int64_t{s.dualBalance[0]})));
  controls.setText(Ctl::Label33, yesNo(finalsDiffer));
  controls.setText(Ctl::Label112, yesNo(noCellKept));
  const std::int64_t stepGap = std::llabs(std::int64_t{s.directFinishStep} - s.dualFinishStep);
  controls.setText(Ctl::Label35, "No");
  if (stepGap == std::llabs(balance0 / 2)) controls.setText(Ctl::Label35, "Yes");

  if (std::llabs(balance0) > 0)
    controls.setText(Ctl::Label131, "qH");
  else if (finalsDiffer && !noCellKept)
    controls.setText(Ctl::Label130, "PnP");
  else if (noCellKept)
    controls.setText(Ctl::Label128, "PP");
  controls.setText(Ctl::Label132, "");

  setLabel(Ctl::Label37, std::int64_t{s.markRows} + 1);
  setLabel(Ctl::Label56, (std::int64_t{s.directFinishStep} + s.dualFinishStep) / 3);

  controls.setText(Ctl::Label24, results.dualAIsDirectC ? "1" : "0");
  controls.setText(Ctl::Label32, results.dualCIsDirectA ? "1" : "0");
}

void Laboratory::Button1Click() {
  lattice.oneStepFlag = 1;
  Button2Click();
  lattice.oneStepFlag = 0;
}

void Laboratory::Button6Click() { setTimer(Ctl::Timer1, true); }
void Laboratory::Button140Click() { setTimer(Ctl::Timer1, false); }

void Laboratory::Button7Click() {
  controls.setChecked(Ctl::Timer101, false);
  for (Ctl t : {Ctl::Timer10, Ctl::Timer1, Ctl::Timer2, Ctl::Timer3}) setTimer(t, false);
  controls.setEnabled(Ctl::Button6, true);
  controls.setColour(Ctl::GroupBoxManage, GroupColour::ButtonFace);
}

void Laboratory::Button10Click() {
  exchangeCB(lattice.directLine, lattice.cells());
  lattice.reverseTime ^= 1;
  const bool forward = lattice.reverseTime == 0;
  controls.setText(Ctl::Label21, forward ? "+" : "-");
  controls.setColour(Ctl::GroupBoxManage, forward ? GroupColour::Yellow : GroupColour::Highlight);
  Button3Click();
}

// One step back: the rule is undone by exchanging C and B, advancing once and
// exchanging again.
void Laboratory::backwardStep() {
  lattice.oneStepFlag = 1;
  lattice.reverseTime ^= 1;
  exchangeCB(lattice.directLine, lattice.cells());
  Button2Click();
  exchangeCB(lattice.directLine, lattice.cells());
  Button3Click();
  lattice.reverseTime ^= 1;
  lattice.oneStepFlag = 0;
}

void Laboratory::Button72Click() {
  for (int i = 0; i < 8; ++i) backwardStep();
  for (int i = 0; i < 7; ++i) Button1Click();
}

// The upper "-" runs time backwards for one step without exchanging the line.
void Laboratory::Button57Click() {
  lattice.oneStepFlag = 1;
  lattice.reverseTime ^= 1;
  Button2Click();
  Button3Click();
  lattice.reverseTime ^= 1;
  lattice.oneStepFlag = 0;
}

void Laboratory::Button5Click() { resetMarkers(lattice); }

void Laboratory::RadioGroup12Click() {
  if (controls.itemIndex(Ctl::RadioGroup12) != 2) return;
  setChecked(Ctl::CheckBox33, false);
  for (Ctl box :
       {Ctl::CheckBox1, Ctl::CheckBox2, Ctl::CheckBox29, Ctl::CheckBox30, Ctl::CheckBox31, Ctl::CheckBox32})
    controls.setEnabled(box, true);
  controls.setEnabled(Ctl::CheckBox34, false);
  controls.setEnabled(Ctl::CheckBox35, false);
  setChecked(Ctl::CheckBox37, false);
  setChecked(Ctl::CheckBox36, true);
}

}  // namespace quorvan
