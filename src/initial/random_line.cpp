// "Random", the run resets and the window clear.
#include <algorithm>

#include "initial/line_file.h"
#include "shell/laboratory.h"
#include "shell/parse.h"

namespace quorvan {
namespace {

void drawPositions(Generator& gen, PositionList& list, std::int32_t count, int length) {
  // An empty line has no position to offer: nothing is drawn for it.
  list.length = length > 0 ? drawableCount(count) : 0;
  for (std::int32_t i = 0; i < list.length; ++i)
    list.positions[i] = static_cast<std::int16_t>(gen.nextRandom() % length);
}

// Keeps, in ascending order, every cell the list does not name.
void complement(PositionList& list, int length) {
  std::array<bool, MaxCells> named{};
  for (std::int32_t i = 0; i < list.length; ++i) named[list.positions[i]] = true;
  std::int32_t kept = 0;
  for (int p = 0; p < length; ++p)
    if (!named[p]) list.positions[kept++] = static_cast<std::int16_t>(p);
  list.length = kept;
}

}  // namespace

void Laboratory::fullReset() {
  LatticeState& s = lattice;
  const int length = s.cells();
  // Only rows that may hold a mark need rewriting: everything from
  // dirtyRowsByCell on already holds the reset values.
  std::int32_t rows = 0;
  for (int q = 0; q < length; ++q) rows = std::max(rows, s.dirtyRowsByCell[q]);
  for (std::int32_t r = 0; r < rows; ++r) {
    std::fill_n(s.directCMarks[r].begin(), length, 0);
    std::fill_n(s.dualCMarks[r].begin(), length, 0);
    std::fill_n(s.directAMarks[r].begin(), length, 0);
    std::fill_n(s.dualAMarks[r].begin(), length, 0);
    std::fill_n(s.directCMarkStep[r].begin(), length, -1);
    std::fill_n(s.dualCMarkStep[r].begin(), length, -1);
  }
  std::fill_n(s.dirtyRowsByCell.begin(), length, 0);
  std::fill_n(s.directWeight.begin(), length, 0);
  std::fill_n(s.dualWeight.begin(), length, 0);
  partialReset();
}

void Laboratory::partialReset() {
  LatticeState& s = lattice;
  const int length = s.cells();
  std::fill_n(s.directBalance.begin(), length, 0);
  std::fill_n(s.dualBalance.begin(), length, 0);
  s.directFinishStep = s.dualFinishStep = 0;
  s.directSnapshotTaken = s.dualSnapshotTaken = 0;
  s.directFinished = s.dualFinished = 0;
  drawing.originX = 0;
  s.stepCount = 0;
  s.stepCallCount = -17;
}

void Laboratory::Button8Click() {
  canvas->fillRect(Box{0, 0, 1000, 800}, kButtonFace);
  controls.setChecked(Ctl::Dontshow1, false);
  setTimer(Ctl::Timer1, false);
  controls.setColour(Ctl::GroupBoxManage, GroupColour::ButtonFace);
}

void Laboratory::Button58Click() {
  LatticeState& s = lattice;
  Button8Click();
  fullReset();
  const int length = s.cells();
  drawPositions(generator, initial.cCellList, initial.cCellCount, length);
  drawPositions(generator, initial.bCellList, initial.bCellCount, length);
  if (length > 0 && (generator.nextRandom() & 1) != 0) complement(initial.bCellList, length);

  std::fill_n(s.directLine.begin(), length, A);
  std::fill_n(s.directNext.begin(), length, A);
  for (std::int32_t i = 0; i < initial.bCellList.length; ++i) s.directLine[initial.bCellList.positions[i]] = B;
  std::copy_n(s.directLine.begin(), length, s.initialLine.begin());
  for (int q = 0; q < length; ++q) s.dualLine[q] = s.directLine[q] == A ? B : A;

  Button3Click();
  setLabel(Ctl::StatusBar1, s.stepCount);
  writeLineFile(files, "CA/ca5.dat", s);
  controls.setText(Ctl::LabelCheck, "X");
  Button5Click();
  if (!controls.checked(Ctl::CheckBox33) && controls.itemIndex(Ctl::RadioGroup12) != 0) Button6Click();
}

void Laboratory::Edit6Change() { initial.cCellCount = parseLeadingInt(controls.text(Ctl::Edit6)); }
void Laboratory::Edit7Change() { initial.bCellCount = parseLeadingInt(controls.text(Ctl::Edit7)); }

// The hidden pens: each change stores its value twice and moves the spinner.
void Laboratory::Edit3Change() {
  initial.penC = initial.penCCopy = parseLeadingInt(controls.text(Ctl::Edit3));
  controls.setPosition(Ctl::UpDown3, initial.penC);
}
void Laboratory::UpDown3Click() {
  initial.penC = initial.penCCopy = controls.position(Ctl::UpDown3);
  setNumber(Ctl::Edit3, initial.penC);
}
void Laboratory::Edit4Change() {
  initial.penAfr = initial.penAfrCopy = parseLeadingInt(controls.text(Ctl::Edit4));
  controls.setPosition(Ctl::UpDown4, initial.penAfr);
}
void Laboratory::UpDown4Click() {
  initial.penAfr = initial.penAfrCopy = controls.position(Ctl::UpDown4);
  setNumber(Ctl::Edit4, initial.penAfr);
}

}  // namespace quorvan
