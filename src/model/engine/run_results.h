#pragma once
// What the end of a run reads off the lattice for the "Results" labels.
#include "engine/lattice.h"

namespace quorvan {

struct RunResults {
  // No B or A cell of the initial line holds its state in the direct line's
  // final row.
  bool noCellKept = true;
  // The two lines' final rows differ in every cell.
  bool finalsDiffer = true;
  // The dual line's A marks equal the direct line's C marks, and its C marks
  // the direct line's A marks, over the record's rows.
  bool dualAIsDirectC = true;
  bool dualCIsDirectA = true;
};

RunResults summariseRun(const LatticeState& s);

}  // namespace quorvan
