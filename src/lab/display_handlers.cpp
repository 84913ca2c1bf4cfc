// The drawing pass as a command, the display switches and the scale group.
#include <algorithm>

#include "lab/laboratory.h"
#include "lab/parse.h"
#include "render/analysis_grids.h"
#include "render/drawing_pass.h"

namespace quorvan {

void Laboratory::Button3Click() {
  DrawSwitches sw;
  sw.ordinary = controls.checked(Ctl::CheckBox33);
  sw.directOrdinary = controls.checked(Ctl::CheckBox34);
  sw.dualOrdinary = controls.checked(Ctl::CheckBox35);
  sw.mA = controls.checked(Ctl::CheckBox1);
  sw.mB = controls.checked(Ctl::CheckBox2);
  sw.mC = controls.checked(Ctl::CheckBox29);
  sw.mdA = controls.checked(Ctl::CheckBox30);
  sw.mdB = controls.checked(Ctl::CheckBox31);
  sw.mdC = controls.checked(Ctl::CheckBox32);
  sw.notDraw = controls.checked(Ctl::CheckBox43);
  sw.notPaint = controls.checked(Ctl::notpaint1);
  drawingPass(lattice, sw, drawing, *canvas, test.testRunning, notReturnedRuns);
}

void Laboratory::displaySwitchClick() {
  Button8Click();
  Button3Click();
}

void Laboratory::CheckBox33Click() {
  const bool ordinary = controls.checked(Ctl::CheckBox33);
  for (Ctl box : {Ctl::CheckBox1, Ctl::CheckBox2, Ctl::CheckBox29, Ctl::CheckBox30, Ctl::CheckBox31,
                  Ctl::CheckBox32, Ctl::Button16})
    controls.setEnabled(box, !ordinary);
  controls.setEnabled(Ctl::CheckBox34, ordinary);
  controls.setEnabled(Ctl::CheckBox35, ordinary);
  Button8Click();
  Button3Click();
}

void Laboratory::Viewinitial1Click() {
  toggleOwnCheck(Ctl::Viewinitial1);
  Button3Click();
}

void Laboratory::notpaint1Click() { toggleOwnCheck(Ctl::notpaint1); }

// Cell sizes are kept as typed; a size of zero or below gives shapes with no
// area, which draw nothing, and a huge size only puts shapes off the surface.
void Laboratory::Edit49Change() { drawing.cellWidth = parseLeadingInt(controls.text(Ctl::Edit49)); }
void Laboratory::Edit50Change() { drawing.cellHeight = parseLeadingInt(controls.text(Ctl::Edit50)); }

void Laboratory::UpDown8Click() {
  drawing.weightBase = controls.position(Ctl::UpDown8);
  setLabel(Ctl::Label225, drawing.weightBase);
  canvas->fillRect(Box{0, 0, 1000, 800}, kButtonFace);
  drawAnalysisGrids();
}

void Laboratory::drawAnalysisGrids() {
  quorvan::drawAnalysisGrids(grids, lattice.cells(), lattice.markRows, drawing, controls.checked(Ctl::F3x1),
                             controls.checked(Ctl::F2x1), *canvas);
}

}  // namespace quorvan
