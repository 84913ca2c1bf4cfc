#include "render/drawing_pass.h"

#include <algorithm>
#include <cmath>

namespace quorvan {
namespace {

// Finished flags count the passes since the finish; they stop at 255 rather
// than wrap back to 0, which would make a finished line run again.
void raiseFinished(std::uint8_t& flag) {
  if (flag != 0 && flag < 255) ++flag;
}

// Row of a cell in the feeding view: three quarters of a cell height per unit
// of weight above the scale's base. Kept far inside 64 bits so any weight and
// any typed cell size give a position that the canvas simply clips.
std::int64_t feedingRow(std::int32_t cellHeight, std::int32_t weight, std::int32_t weightBase) {
  const double y = 0.75 * cellHeight * (static_cast<double>(weight) - weightBase);
  return static_cast<std::int64_t>(std::clamp(y, -1e15, 1e15));
}

struct Cut {
  LatticeState& s;
  bool testRunning;
  std::int32_t& notReturnedRuns;
  bool counted = false;
  // A mark at or beyond the limit during a test: both lines are finished and
  // the trial is counted as not returned, once per pass.
  void hit() {
    if (!testRunning) return;
    s.directFinished = 1;
    s.dualFinished = 1;
    if (!counted) {
      ++notReturnedRuns;
      counted = true;
    }
  }
};

struct LineMarks {
  MarkMatrix<std::uint8_t>& cMarks;
  MarkMatrix<std::int32_t>& cMarkStep;
  MarkMatrix<std::uint8_t>& aMarks;
};

void markC(LatticeState& s, LineMarks m, int q, std::int32_t h, Cut& cut) {
  if (h >= 0 && h < s.markRowLimit && h < MaxRows) {
    m.cMarks[h][q] = 1;
    m.cMarkStep[h][q] = s.stepCount;
    s.dirtyRowsByCell[q] = std::max(s.dirtyRowsByCell[q], h + 1);
  } else if (h >= s.markRowLimit) {
    cut.hit();
  }
}

void markA(LatticeState& s, LineMarks m, int q, std::int32_t h, Cut& cut) {
  const std::int32_t row = h - 1;
  if (row >= 0 && row < s.markRowLimit && row < MaxRows) {
    m.aMarks[row][q] = 1;
    s.dirtyRowsByCell[q] = std::max(s.dirtyRowsByCell[q], row + 1);
  } else if (row >= s.markRowLimit) {
    cut.hit();
  }
}

}  // namespace

namespace {

// The marks of one line's current row. Only the direct line's C marks move
// markRows; the dual line's leave it alone.
void markLine(LatticeState& s, const Line& line, const Accumulator& weight, LineMarks marks, bool markCells,
              bool markRests, bool movesMarkRows, Cut& cut) {
  const int length = s.cells();
  for (int q = 0; q < length; ++q) {
    const std::int32_t half = weight[q] / 2;
    if (line[q] == C && markCells) {
      markC(s, marks, q, half, cut);
      if (movesMarkRows) s.markRows = half;
    } else if (line[q] == A && markRests) {
      markA(s, marks, q, half, cut);
    }
  }
}

}  // namespace

PassLines recordMarks(LatticeState& s, const DrawSwitches& sw, bool testRunning,
                      std::int32_t& notReturnedRuns) {
  PassLines visited;
  if (sw.notPaint) return visited;
  Cut cut{s, testRunning, notReturnedRuns};
  visited.direct = s.directFinished < 2;
  if (visited.direct && !sw.ordinary)
    markLine(s, s.directLine, s.directWeight, {s.directCMarks, s.directCMarkStep, s.directAMarks}, sw.mC,
             sw.mA, true, cut);
  raiseFinished(s.directFinished);
  // A cut-off met on the direct line has just marked the dual line finished
  // (1), which still lets this pass visit it.
  visited.dual = s.dualFinished < 2;
  if (visited.dual && !sw.ordinary)
    markLine(s, s.dualLine, s.dualWeight, {s.dualCMarks, s.dualCMarkStep, s.dualAMarks}, sw.mdC, sw.mdA,
             false, cut);
  raiseFinished(s.dualFinished);
  return visited;
}

void drawCells(const LatticeState& s, const DrawSwitches& sw, const DrawingGeometry& g, PassLines lines,
               Canvas& canvas) {
  if (sw.notPaint) return;
  // "Not Draw" keeps the feeding view's shapes off the canvas; the ordinary
  // view draws regardless.
  if (sw.notDraw && !sw.ordinary) return;
  const int length = s.cells();
  const std::int64_t w = g.cellWidth;
  const std::int64_t h = g.cellHeight;
  const std::int64_t ordinaryTop = g.originY + static_cast<std::int64_t>(s.stepCount) * h;
  auto cellBox = [&](int q, std::int64_t top) {
    const std::int64_t left = g.originX + q * w;
    return Box{left, top, left + w, top + h};
  };

  if (lines.direct) {
    for (int q = 0; q < length; ++q) {
      const CellState cell = s.directLine[q];
      if (sw.ordinary) {
        if (!sw.directOrdinary) continue;
        const Rgb colour = cell == C ? kRed : cell == B ? kBlue : kButtonFace;
        canvas.fillRect(cellBox(q, ordinaryTop), colour);
        continue;
      }
      const Box c = cellBox(q, g.originY + feedingRow(g.cellHeight, s.directWeight[q], g.weightBase));
      const Box ringBox{c.left + w / 4 + 2, c.top + 2, c.right - w / 4 - 2, c.bottom - 2};
      if (cell == B && sw.mB)
        canvas.ring(ringBox, kBlack, 4);
      else if (cell == C && sw.mC)
        canvas.disc(Box{c.left + w / 4 + 1, c.top + 2, c.right - w / 4 - 1, c.bottom - 2}, kBlack);
      else if (cell == A && sw.mA)
        canvas.ring(ringBox, kRed, 4);
    }
  }

  if (lines.dual) {
    for (int q = 0; q < length; ++q) {
      const CellState cell = s.dualLine[q];
      if (sw.ordinary) {
        if (!sw.dualOrdinary) continue;
        const Box c = cellBox(q, ordinaryTop);
        const Box inner{c.left + 1, c.top + 1, c.right - 1, c.bottom - 1};
        if (cell == B)
          canvas.ring(inner, kBlack, 2);
        else if (cell == C)
          canvas.disc(inner, kBlack);
        continue;
      }
      const Box c = cellBox(q, g.originY + feedingRow(g.cellHeight, s.dualWeight[q], g.weightBase));
      const Box box{c.left + 2, c.top + h / 4 + 2, c.right - 2, c.bottom - h / 4 - 2};
      if (cell == B && sw.mdB)
        canvas.ring(box, kBlack, 4);
      else if (cell == C && sw.mdC)
        canvas.disc(box, kBlack);
      else if (cell == A && sw.mdA)
        canvas.ring(box, kBlue, 4);
    }
  }
}

void drawingPass(LatticeState& s, const DrawSwitches& sw, const DrawingGeometry& g, Canvas& canvas,
                 bool testRunning, std::int32_t& notReturnedRuns) {
  const PassLines lines = recordMarks(s, sw, testRunning, notReturnedRuns);
  drawCells(s, sw, g, lines, canvas);
}

}  // namespace quorvan
