// The drawing pass as a command, the display switches and the scale group.
#include <algorithm>

#include "render/drawing_pass.h"
#include "shell/laboratory.h"
#include "shell/parse.h"

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
  const int length = lattice.cells();
  const std::int32_t lastRow = std::clamp(lattice.markRows, -1, MaxRows - 1);
  const std::int64_t w = drawing.cellWidth, h = drawing.cellHeight;
  auto visitCells = [&](auto&& draw) {
    for (std::int32_t r = 0; r <= lastRow; ++r) {
      const std::int64_t y = (std::int64_t{r} - drawing.weightBase) * h;
      if (y < 0 || y >= 800) continue;
      for (int q = 0; q < length; ++q) draw(r, q, Box{q * w, y, q * w + w, y + h});
    }
  };
  if (controls.checked(Ctl::F3x1)) {
    visitCells([&](std::int32_t r, int q, const Box& box) {
      switch (grids.valueGrid[r][q]) {
        case 0: canvas->fillRect(box, kBlue); break;
        case 1: canvas->disc(box, kBlue); break;
        case 2: canvas->ring(box, kBlue, 2); break;
        case 3: canvas->fillRect(box, kRed); break;
        case 4: canvas->disc(box, kRed); break;
        case 5: canvas->ring(box, kRed, 2); break;
        default: break;
      }
    });
  }
  if (controls.checked(Ctl::F2x1)) {
    visitCells([&](std::int32_t r, int q, const Box& box) {
      switch (grids.parityGrid[r][q]) {
        case 0: canvas->disc(box, kBlack); break;
        case 1: canvas->fillRect(box, kBlack); break;
        case 2: canvas->disc(box, kGrey); break;
        case 3: canvas->fillRect(box, kGrey); break;
        default: break;
      }
      const std::int64_t cx = box.left + w / 2, cy = box.top + h / 2;
      canvas->line(cx, cy, cx, r % 2 != 0 ? box.bottom : box.top, kGreen, 3);
    });
  }
}

}  // namespace quorvan
