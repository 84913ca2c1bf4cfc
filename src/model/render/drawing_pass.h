#pragma once
#include "engine/lattice.h"
#include "render/canvas.h"
#include "render/drawing_state.h"

namespace quorvan {

// The display switches the pass reads.
struct DrawSwitches {
  bool ordinary = false;        // "Ordinary"
  bool directOrdinary = false;  // CheckBox34
  bool dualOrdinary = false;    // CheckBox35
  bool mA = false, mB = false, mC = false;
  bool mdA = false, mdB = false, mdC = false;
  bool notDraw = false;   // "Not Draw": mark but do not draw
  bool notPaint = false;  // "not paint": the pass does nothing
};

// Which lines a pass visits: those not yet finished twice over.
struct PassLines {
  bool direct = false;
  bool dual = false;
};

// The pass's first step: in the feeding view, records the C and A marks of
// both lines' current row and raises the finished flags. During a test a
// mark at or beyond the row limit ends the run instead, counted once per
// pass. Returns the lines the pass visited.
PassLines recordMarks(LatticeState& s, const DrawSwitches& sw, bool testRunning,
                      std::int32_t& notReturnedRuns);

// The pass's second step: draws the current row of the visited lines. It
// reads the lattice only; the marks need no canvas.
void drawCells(const LatticeState& s, const DrawSwitches& sw, const DrawingGeometry& g, PassLines lines,
               Canvas& canvas);

// One drawing pass over both lines: recordMarks, then drawCells.
void drawingPass(LatticeState& s, const DrawSwitches& sw, const DrawingGeometry& g, Canvas& canvas,
                 bool testRunning, std::int32_t& notReturnedRuns);

}  // namespace quorvan
