// The line commands of the "Initial" menu beside "Random": the block line,
// the fixed preset, the inversion, the clears and frames, the commands that
// only step or redraw, and editing single cells with the mouse.
#include <algorithm>
#include <cmath>

#include "initial/line_file.h"
#include "initial/random_line.h"
#include "lab/laboratory.h"

namespace quorvan {
namespace {

// The square's cells run over at most this many columns of a line.
int squareColumns(std::int32_t squareCols) { return std::clamp(squareCols, 0, MaxCells); }

}  // namespace

// "XXX": a block of B cells at the left end instead of scattered ones. The
// window is not cleared first and the run is not started.
void Laboratory::XXX1Click() {
  partialReset();
  controls.setColour(Ctl::GroupBoxManage, GroupColour::ButtonFace);
  if (!controls.checked(Ctl::CheckBox43)) canvas->fillRect(Box{0, 0, 704, 704}, kButtonFace);
  const int length = lattice.cells();
  std::fill_n(lattice.directLine.begin(), length, A);
  // The lists are drawn as "Random" draws them and kept for "Show initial";
  // the line does not use them.
  drawPositions(generator, initial.cCellList, initial.cCellCount, length);
  drawPositions(generator, initial.bCellList, initial.bCellCount, length);
  const int block = std::clamp(initial.bCellCount, 0, length);
  std::fill_n(lattice.directLine.begin(), block, B);
  std::copy_n(lattice.directLine.begin(), length, lattice.initialLine.begin());
  for (int q = 0; q < length; ++q) lattice.dualLine[q] = lattice.directLine[q] == A ? B : A;
  Button3Click();
  setLabel(Ctl::StatusBar1, lattice.stepCount);
  writeLineFile(files, "CA/ca5.dat", lattice);
}

// "Re 15 9 10": length 10 with B at 3, 4 and 9, whatever the length before.
void Laboratory::N159101Click() {
  Button8Click();
  setText(Ctl::Edit1, "10");
  // The edit may show 10 while a test trial left another length.
  if (lattice.lineLength != 10) Edit1Change();
  partialReset();
  std::fill_n(lattice.directLine.begin(), 10, A);
  for (int q : {3, 4, 9}) lattice.directLine[q] = B;
  for (int q = 0; q < 10; ++q) lattice.dualLine[q] = lattice.directLine[q] == A ? B : A;
  Button3Click();
}

// "Make ": B becomes A and every other state B, over the square's columns.
void Laboratory::Make1Click() {
  const int columns = squareColumns(lattice.squareCols);
  for (int q = 0; q < columns; ++q) lattice.directLine[q] = lattice.directLine[q] == B ? A : B;
  Button3Click();
}

void Laboratory::Iesinv1Click() {}

// The square's frame: its bottom and right edges, one pixel wide.
void Laboratory::drawSquareFrame() {
  const std::int64_t w = std::int64_t{lattice.squareCols} * 5 + 5;
  const std::int64_t h = std::int64_t{lattice.squareRows} * 5 + 5;
  canvas->line(0, h, w, h, kBlack, 1);
  canvas->line(w, 0, w, h, kBlack, 1);
}

void Laboratory::Clear1Click() {
  Button8Click();
  drawSquareFrame();
}

void Laboratory::Clearall1Click() {
  if (!controls.checked(Ctl::CheckBox43)) canvas->fillRect(Box{0, 0, 704, 704}, kButtonFace);
}

void Laboratory::Line1Click() {
  Button3Click();
  drawSquareFrame();
  lattice.stepCount = 0;
}

// The values are discarded; the count is held to the position lists'
// capacity, as every count of positions is, so a huge typed count cannot
// keep the window busy.
void Laboratory::N14Click() {
  const std::int32_t draws = 2 * drawableCount(initial.cCellCount);
  for (std::int32_t i = 0; i < draws; ++i) generator.nextRandom();
  Line1Click();
}

void Laboratory::CBCNtimes1Click() {
  Button6Click();
  Line1Click();
}

void Laboratory::Center1Click() {
  Button8Click();
  initial.bCellList.length = 1;
  initial.bCellList.positions[0] = static_cast<std::int16_t>(lattice.squareCols / 2);
  initial.bCellList.companions[0] = static_cast<std::int16_t>(lattice.squareRows / 2);
  for (int i = 0; i < 7; ++i) backwardStep();
  for (int i = 0; i < 10; ++i) Button1Click();
  lattice.stepCount = 0;
}

void Laboratory::RANDOM2Click() {
  Button8Click();
  const std::size_t cells = squareCellCount(lattice.squareRows, lattice.squareCols);
  for (std::size_t i = 0; i < cells; ++i)
    if (generator.nextRandom() <= 10000) generator.nextRandom();
  for (int i = 0; i < 7; ++i) backwardStep();
  for (int i = 0; i < 10; ++i) Button1Click();
  lattice.stepCount = 0;
}

// --- the mouse ------------------------------------------------------------

// A press in the top two cell rows toggles the cell under it between A and
// B (a C cell becomes A), in both lines by their own values. The run is not
// reset and the initial line keeps the generated one. Points left of or
// above the client area, and a cell width of 0 or below (the scale edits
// take any number), hit no cell.
void Laboratory::FormMouseDown(MouseButton, std::int64_t x, std::int64_t y) {
  const std::int64_t cellWidth = drawing.cellWidth;
  if (x < 0 || y < 0 || cellWidth <= 0) return;
  if (y >= 2 * std::int64_t{drawing.cellHeight}) return;
  const std::int64_t c = x / cellWidth;
  if (c >= lattice.cells()) return;
  const auto q = static_cast<std::size_t>(c);
  lattice.directLine[q] = lattice.directLine[q] == A ? B : A;
  lattice.dualLine[q] = lattice.dualLine[q] == A ? B : A;
  Button3Click();
}

void Laboratory::FormMouseMove(std::int64_t x, std::int64_t y) {
  auto scaled = [](std::int64_t v) {
    return static_cast<std::int64_t>(std::trunc((static_cast<double>(v) + 2.5) * 0.2));
  };
  setLabel(Ctl::LabelMouseX, scaled(x));
  setLabel(Ctl::LabelMouseY, scaled(y));
  if (controls.checked(Ctl::randomize2)) generator.reseedFromClock(clockSeconds());
}

}  // namespace quorvan
