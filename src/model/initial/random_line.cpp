#include "initial/random_line.h"

#include <algorithm>
#include <array>

namespace quorvan {

void drawPositions(Generator& gen, PositionList& list, std::int32_t count, int length) {
  list.length = length > 0 ? drawableCount(count) : 0;
  for (std::int32_t i = 0; i < list.length; ++i)
    list.positions[i] = static_cast<std::int16_t>(gen.nextRandom() % length);
}

void complement(PositionList& list, int length) {
  std::array<bool, MaxCells> named{};
  for (std::int32_t i = 0; i < list.length; ++i) named[list.positions[i]] = true;
  std::int32_t kept = 0;
  for (int p = 0; p < length; ++p)
    if (!named[p]) list.positions[kept++] = static_cast<std::int16_t>(p);
  list.length = kept;
}

void placeRandomLine(Generator& gen, InitialState& initial, LatticeState& s) {
  const int length = s.cells();
  drawPositions(gen, initial.cCellList, initial.cCellCount, length);
  drawPositions(gen, initial.bCellList, initial.bCellCount, length);
  if (length > 0 && (gen.nextRandom() & 1) != 0) complement(initial.bCellList, length);

  std::fill_n(s.directLine.begin(), length, A);
  std::fill_n(s.directNext.begin(), length, A);
  for (std::int32_t i = 0; i < initial.bCellList.length; ++i)
    s.directLine[initial.bCellList.positions[i]] = B;
  std::copy_n(s.directLine.begin(), length, s.initialLine.begin());
  for (int q = 0; q < length; ++q) s.dualLine[q] = s.directLine[q] == A ? B : A;
}

void clearMarks(LatticeState& s) {
  const int length = s.cells();
  // Everything from dirtyRowsByCell on already holds the reset values.
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
}

void resetRun(LatticeState& s) {
  const int length = s.cells();
  std::fill_n(s.directBalance.begin(), length, 0);
  std::fill_n(s.dualBalance.begin(), length, 0);
  s.directFinishStep = s.dualFinishStep = 0;
  s.directSnapshotTaken = s.dualSnapshotTaken = 0;
  s.directFinished = s.dualFinished = 0;
  s.stepCount = 0;
  s.stepCallCount = -17;
}

void resetMarkers(LatticeState& s) {
  const int length = s.cells();
  // Only rows 0..4 of the byte matrix and row 0 of the step matrix are ever
  // written, and both start at zero, so clearing those rows clears them all.
  for (int r = 0; r < 5; ++r) std::fill_n(s.markerCells[r].begin(), length, 1);
  for (int q = 0; q < length; ++q) s.markerSteps[0][q] = s.directLine[q] == A ? 0 : 3;
}

}  // namespace quorvan
