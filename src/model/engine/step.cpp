#include "engine/step.h"

#include <algorithm>

namespace quorvan {
namespace {

// Next state by current state and whether the cell is fed. Values other than
// C, B and A cannot arise from the rule; should a loaded line hold one, the
// cell keeps it.
struct NextStateTable {
  std::array<std::array<CellState, 2>, 256> next{};
  constexpr NextStateTable() {
    for (int s = 0; s < 256; ++s) next[s] = {static_cast<CellState>(s), static_cast<CellState>(s)};
    next[C] = {B, B};
    next[B] = {C, A};
    next[A] = {A, C};
  }
};
constexpr NextStateTable kNext;

constexpr int kPad = MaxDistance;

void accumulate(const Line& line, int length, Accumulator& balance, Accumulator& weight) {
  for (int q = 0; q < length; ++q) {
    const bool rest = line[q] == A;
    balance[q] += rest ? 2 : -1;
    weight[q] += rest ? 2 : 1;
  }
}

void tallyAndFinish(const Line& line, int length, std::array<std::int32_t, 3>& counts, std::int32_t stepCount,
                    std::uint8_t& finished, std::uint8_t& snapshotTaken, Line& finalCopy,
                    std::int32_t& finishStep) {
  counts = {0, 0, 0};
  for (int q = 0; q < length; ++q)
    if (line[q] <= A) ++counts[line[q]];
  if (counts[C] == 0 && stepCount > 1 && finished == 0) {
    if (snapshotTaken == 0) {
      finalCopy = line;
      snapshotTaken = 1;
    }
    finished = 1;
    finishStep = stepCount;
  }
}

}  // namespace

void advanceLine(Line& line, Line& next, int length, std::int32_t borderMode, const Mask& mask) {
  if (length <= 0) return;
  // One flag per cell, padded by the farthest distance on both sides, so
  // every neighbour test below is a plain shifted read with no modulo.
  std::array<std::uint8_t, MaxCells + 2 * kPad> active{};
  const bool circle = borderMode == Circle;
  if (circle) {
    for (int j = 0; j < length + 2 * kPad; ++j) {
      int p = (j - kPad) % length;
      if (p < 0) p += length;
      active[j] = line[p] == C;
    }
  } else {
    for (int q = 0; q < length; ++q) active[q + kPad] = line[q] == C;
  }
  // Beyond either end of a frozen line every cell counts as A, and only
  // distances up to 6 are looked at.
  const int reach = circle ? MaxDistance : 6;
  std::array<std::uint8_t, MaxCells> fed{};
  for (int k = 1; k <= reach; ++k) {
    if (mask.left[k - 1]) {
      const std::uint8_t* src = active.data() + kPad - k;
      for (int q = 0; q < length; ++q) fed[q] |= src[q];
    }
    if (mask.right[k - 1]) {
      const std::uint8_t* src = active.data() + kPad + k;
      for (int q = 0; q < length; ++q) fed[q] |= src[q];
    }
  }
  for (int q = 0; q < length; ++q) next[q] = kNext.next[line[q]][fed[q]];
  std::copy_n(next.begin(), length, line.begin());
}

void exchangeCB(Line& line, int length) {
  for (int q = 0; q < length; ++q) {
    if (line[q] == C)
      line[q] = B;
    else if (line[q] == B)
      line[q] = C;
  }
}

void stepLattice(LatticeState& s) {
  const int length = s.cells();
  advanceLine(s.directLine, s.directNext, length, s.borderMode, s.mask);
  if (s.directFinished == 0) accumulate(s.directLine, length, s.directBalance, s.directWeight);
  advanceLine(s.dualLine, s.dualNext, length, s.borderMode, s.mask);
  if (s.dualFinished == 0) accumulate(s.dualLine, length, s.dualBalance, s.dualWeight);
  s.stepCount += s.reverseTime ? -1 : 1;
  tallyAndFinish(s.directLine, length, s.directStateCount, s.stepCount, s.directFinished,
                 s.directSnapshotTaken, s.directFinal, s.directFinishStep);
  tallyAndFinish(s.dualLine, length, s.dualStateCount, s.stepCount, s.dualFinished, s.dualSnapshotTaken,
                 s.dualFinal, s.dualFinishStep);
}

}  // namespace quorvan
