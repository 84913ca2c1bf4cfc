#pragma once
// The engine's single record: two automata of one length under one mask.
#include <array>
#include <cstdint>

namespace quorvan {

inline constexpr int MaxCells = 150;    // slots in every line and matrix row
inline constexpr int MaxLength = 131;   // longest line the length spinner offers
inline constexpr int MaxRows = 3003;    // rows in every mark matrix
inline constexpr int MaxDistance = 11;  // farthest neighbour the mask reaches

// One byte per cell; only three values occur.
using CellState = std::uint8_t;
inline constexpr CellState C = 0;  // active
inline constexpr CellState B = 1;  // seed
inline constexpr CellState A = 2;  // rest

enum BorderMode : std::int32_t { FrozenA = 0, Circle = 1 };

using Line = std::array<CellState, MaxCells>;
using Accumulator = std::array<std::int32_t, MaxCells>;
template <typename T>
using MarkMatrix = std::array<std::array<T, MaxCells>, MaxRows>;

// The 22 mask boxes as the step rule sees them: index 0 is distance 1.
struct Mask {
  std::array<bool, MaxDistance> left{};
  std::array<bool, MaxDistance> right{};
};

struct LatticeState {
  // parameters
  std::int32_t lineLength = 10;
  std::int32_t squareRows = 10;
  std::int32_t squareCols = 10;
  std::int32_t stepsPerCall = 6;
  std::uint8_t oneStepFlag = 0;
  std::int32_t borderMode = Circle;
  Mask mask;
  std::int32_t markRowLimit = 100;

  // lines
  Line directLine{}, directNext{}, dualLine{}, dualNext{};
  Line initialLine{}, directFinal{}, dualFinal{};

  // run state
  std::int32_t stepCount = 0;
  std::uint8_t reverseTime = 0;
  std::uint8_t directFinished = 0, dualFinished = 0;
  std::int32_t directFinishStep = 0, dualFinishStep = 0;
  std::uint8_t directSnapshotTaken = 0, dualSnapshotTaken = 0;
  std::array<std::int32_t, 3> directStateCount{}, dualStateCount{};
  std::int32_t stepCallCount = -25;

  // per-cell accumulators
  Accumulator directBalance{}, directWeight{}, dualBalance{}, dualWeight{};

  // mark matrices, [row][cell]
  MarkMatrix<std::uint8_t> directCMarks{}, dualCMarks{}, directAMarks{}, dualAMarks{};
  MarkMatrix<std::int32_t> directCMarkStep{}, dualCMarkStep{};
  std::int32_t markRows = 0;

  // The marker analysis's matrices (read only by research tools).
  MarkMatrix<std::uint8_t> markerCells{};
  MarkMatrix<std::int16_t> markerSteps{};

  // Rows at and beyond this bound hold their reset values in column q
  // (bytes 0, steps -1), so a reset need not rewrite them. At process start
  // every matrix is zero, which for the step matrices is not the reset value.
  std::array<std::int32_t, MaxCells> dirtyRowsByCell = makeAllDirty();

  // The number of cells every loop over a line runs over: lineLength kept
  // inside the arrays (the length edit already keeps it there).
  int cells() const { return lineLength < 0 ? 0 : (lineLength > MaxLength ? MaxLength : lineLength); }

 private:
  static std::array<std::int32_t, MaxCells> makeAllDirty() {
    std::array<std::int32_t, MaxCells> a{};
    a.fill(MaxRows);
    return a;
  }
};

}  // namespace quorvan
