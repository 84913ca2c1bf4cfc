// The automatic test: "Start test", "Stop", "Clear" and the trial timer.
#include <algorithm>

#include "lab/laboratory.h"
#include "lab/parse.h"
#include "trials/trial_setup.h"

namespace quorvan {

void Laboratory::Button125Click() {
  controls.setEnabled(Ctl::Button126, true);
  controls.setEnabled(Ctl::Button124, false);
  controls.setEnabled(Ctl::Button125, false);
  test.testRunning = true;
  setTimer(Ctl::Timer11, true);
}

void Laboratory::Button126Click() {
  controls.setEnabled(Ctl::Button126, false);
  controls.setEnabled(Ctl::Button124, true);
  controls.setEnabled(Ctl::Button125, true);
  setTimer(Ctl::Timer1, false);
  setTimer(Ctl::Timer11, false);
  test.testRunning = false;
}

void Laboratory::Button124Click() {
  for (Ctl label : {Ctl::Label156, Ctl::Label169, Ctl::Label170, Ctl::Label171, Ctl::Label173, Ctl::Label174,
                    Ctl::Label175, Ctl::Label140, Ctl::Label157, Ctl::Label158, Ctl::Label58, Ctl::Label165,
                    Ctl::Label166, Ctl::Label167})
    controls.setText(label, "X");
  for (Ctl panel :
       {Ctl::RichEdit4, Ctl::RichEdit5, Ctl::RichEdit6, Ctl::RichEdit7, Ctl::RichEdit8, Ctl::RichEdit9})
    controls.clearLines(panel);
  test.trialCount = 0;
  notReturnedRuns = 0;
  Button93Click();
}

void Laboratory::Timer11Timer() {
  ++test.trialCount;
  setNumber(Ctl::Edit1, lattice.lineLength);
  setNumber(Ctl::Edit7, initial.bCellCount);
  setLabel(Ctl::Label138, test.trialCount);
  setLabel(Ctl::Label139, notReturnedRuns);
  Button103Click();
}

void Laboratory::Button103Click() {
  setTimer(Ctl::Timer11, false);
  const std::int32_t length = trialLength(test, generator.nextRandom());
  lattice.lineLength = lattice.squareRows = lattice.squareCols = length;
  initial.bCellCount = trialSeedCount(test, generator.nextRandom());
  Button58Click();
}

void Laboratory::Edit45Change() { test.lengthBase = parseLeadingInt(controls.text(Ctl::Edit45)); }
void Laboratory::Edit46Change() { test.lengthSpread = parseLeadingInt(controls.text(Ctl::Edit46)); }
void Laboratory::Edit51Change() { test.bCountBase = parseLeadingInt(controls.text(Ctl::Edit51)); }
void Laboratory::Edit47Change() { test.bCountSpread = parseLeadingInt(controls.text(Ctl::Edit47)); }
void Laboratory::Edit48Change() {
  lattice.markRowLimit = std::min(parseLeadingInt(controls.text(Ctl::Edit48)), kMaxMarkRowLimit);
}

}  // namespace quorvan
