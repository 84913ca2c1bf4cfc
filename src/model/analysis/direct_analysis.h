#pragma once
// The direct analysis: a finished run's marks become point values, and every
// combination seen through the analysis window is entered into the pattern
// table of N together with the value that followed it.
#include <array>
#include <cstdint>
#include <string>

#include "analysis/analysis_state.h"
#include "engine/lattice.h"

namespace quorvan {

// The last record row the analysis reads: markRows kept inside the
// matrices (a row count past the last row would read beyond them; a
// negative one analyses nothing).
int analysedLastRow(std::int32_t markRows);

// Step 1: for rows 0..lastRow and cells 0..cells-1, reduce both step counts
// of every cell to (step - 1) mod 3 (truncated, sign of the dividend) and
// write the point values (-99 where the cell has no mark) and parities.
// The reduction is written back into the lattice's two C-mark step matrices,
// as the grids' drawing and dumps expect: after it those matrices hold
// residues, not steps, so the call is made once per finished record.
void reduceMarkStepsToPointValues(LatticeState& lattice, AnalysisGrids& grids, int lastRow, int cells);

// Where point k of cell x lies in a row of `columns` cells. Positions wrap
// fully around the row (true modulo in 64 bits), so an offset of any size
// names a cell of the row; a position past the matrices' last slot, or a
// row of no columns, names none (-1).
int wrappedPosition(std::int64_t x, std::int64_t offset, std::int64_t columns);

struct Ambiguity {
  int row = 0;
  int cell = 0;
  std::array<int, MaxPoints> values{};
  int old = 0;
  int now = 0;
};

// The text of a grid as the "F(3)x" and "F(2)x" panels show it: one line per
// row 0..lastRow; returns the number of lines.
std::int32_t gridDumpText(const MarkMatrix<std::int16_t>& grid, int lastRow, int cells, std::string& text);

// The message text of an ambiguity for N points.
std::string ambiguityText(int n, const Ambiguity& a);

// Step 3 for N points: rows firstRow..lastRow-1, cells 0..cells-1, with
// wrapping over `columns`. Unseen entries take the observed value; a
// disagreeing entry keeps its value and is reported to onAmbiguity, which
// returns whether the scan goes on. Returns the number of new entries.
template <typename OnAmbiguity>
int scanRecord(const AnalysisGrids& grids, int n, const std::int32_t* offsets, int firstRow, int lastRow,
               int cells, int columns, std::uint8_t* table, OnAmbiguity&& onAmbiguity);

// Everything of the scan that does not depend on the callback.
struct ScanPositions {
  // positions[k][x]: the cell of point k for cell x, or -1.
  std::array<std::array<std::int16_t, MaxCells>, MaxPoints> positions;
  // 6^(N-1-k): the weight of point k in the table index.
  std::array<std::int32_t, MaxPoints> weights;
  bool any = false;  // false when no cell has all its points inside the row
};
void preparePositions(int n, const std::int32_t* offsets, int cells, int columns, ScanPositions& out);

template <typename OnAmbiguity>
int scanRecord(const AnalysisGrids& grids, int n, const std::int32_t* offsets, int firstRow, int lastRow,
               int cells, int columns, std::uint8_t* table, OnAmbiguity&& onAmbiguity) {
  ScanPositions sp;
  preparePositions(n, offsets, cells, columns, sp);
  if (!sp.any) return 0;
  int entered = 0;
  for (int r = firstRow; r < lastRow; ++r) {
    const auto& row = grids.valueGrid[r];
    const auto& next = grids.valueGrid[r + 1];
    for (int x = 0; x < cells; ++x) {
      std::int32_t index = 0;
      bool ok = true;
      for (int k = 0; k < n; ++k) {
        const int q = sp.positions[k][x];
        // Only 0..5 are point values; anything else (no mark, or a cell no
        // analysis has written) ends the combination, so the index stays
        // inside the table.
        const int v = q < 0 ? -1 : row[q];
        if (v < 0 || v > 5) {
          ok = false;
          break;
        }
        index += v * sp.weights[k];
      }
      if (!ok) continue;
      const int e = next[x];
      if (e < 0 || e > 5) continue;
      std::uint8_t& entry = table[index];
      if (entry == NotSeen) {
        entry = static_cast<std::uint8_t>(e);
        ++entered;
      } else if (entry != e) {
        Ambiguity a;
        a.row = r;
        a.cell = x;
        for (int k = 0; k < n; ++k) a.values[k] = row[sp.positions[k][x]];
        a.old = entry;
        a.now = e;
        if (!onAmbiguity(a)) return entered;
      }
    }
  }
  return entered;
}

}  // namespace quorvan
