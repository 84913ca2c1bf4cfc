#pragma once
#include "engine/lattice.h"

namespace quorvan {

// Advances one line in place by the step rule (reads only `line`).
void advanceLine(Line& line, Line& next, int length, std::int32_t borderMode, const Mask& mask);

// One unit of time for both automata: advance, accumulate, move the clock,
// tally the states and detect finishes.
void stepLattice(LatticeState& s);

// Exchanges C and B in cells 0..length-1 (A stays): the backward step and
// "Reverse" rest on it.
void exchangeCB(Line& line, int length);

}  // namespace quorvan
