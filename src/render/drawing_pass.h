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
  bool notDraw = false;         // "Not Draw": mark but do not draw
  bool notPaint = false;        // "not paint": the pass does nothing
};

// One drawing pass over both lines: draws the current row of each automaton
// and, in the feeding view, records the C and A marks. During a test a mark
// at or beyond the row limit ends the run instead, counted once per pass.
void drawingPass(LatticeState& s, const DrawSwitches& sw, const DrawingGeometry& g, Canvas& canvas,
                 bool testRunning, std::int32_t& notReturnedRuns);

}  // namespace quorvan
