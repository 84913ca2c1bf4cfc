#pragma once
// "Random" and the resets of a run, on the lattice's records.
#include <cstdint>

#include "engine/lattice.h"
#include "initial/generator.h"
#include "initial/initial_state.h"

namespace quorvan {

// Draws `count` positions of a line of `length` cells into `list`, one
// generator value each. An empty line has no position to offer: nothing is
// drawn for it.
void drawPositions(Generator& gen, PositionList& list, std::int32_t count, int length);

// Keeps, in ascending order, every cell of the line the list does not name.
void complement(PositionList& list, int length);

// The random line: C positions, B positions, and one more value that may
// turn the B positions into their complement; then the direct line holds B
// at the B positions and A elsewhere, the initial line is its copy and the
// dual line its exchange of A and B.
void placeRandomLine(Generator& gen, InitialState& initial, LatticeState& s);

// The full reset's marks: every mark matrix back to no mark, and the
// weights to 0. Only rows that may hold a mark are rewritten.
void clearMarks(LatticeState& s);

// The reset of a run: balances, finish records and step counters.
void resetRun(LatticeState& s);

// "M A =0 5": the marker matrices of the current line.
void resetMarkers(LatticeState& s);

}  // namespace quorvan
