#pragma once
// The table construction: the pattern table of N read as a whole and turned
// into counts, the symmetric completion, the Resolution Table rows of
// result 0 and the six result panels.
#include <cstdint>

#include "analysis/analysis_state.h"
#include "tables/resolution_table.h"

namespace quorvan {

struct ConstructionOptions {
  bool classPanels = false;           // "Res.T =0=1=2=3=4=5": one panel per result
  bool zeroColumn = true;             // "+0 colomn": lines show point 0
  bool zeroToAll = true;              // "Res 0 => 1,2,3": class-0 lines also in panels 2 and 3
  ResolutionTable* table1 = nullptr;  // receives the rows of result 0, when set
  ResolutionTable* table2 = nullptr;
};

// Counts, completion, rows and panel texts for N = 3..9 from the pattern
// table `observed` (6^N entries). Recomputes every per-construction counter
// of `state` (kept values are left to the caller) and rebuilds
// state.panels; any other n clears the counters and panels only.
//
// Only the entries that were observed (not 255) and, for N >= 5, those the
// completion wrote can contribute, so both passes skip unobserved stretches
// a word at a time and take the digits of a hit from its index.
void constructTables(int n, const std::uint8_t* observed, ConstructionState& state,
                     const ConstructionOptions& options);

}  // namespace quorvan
