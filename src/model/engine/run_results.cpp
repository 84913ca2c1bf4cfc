#include "engine/run_results.h"

#include <algorithm>

namespace quorvan {

RunResults summariseRun(const LatticeState& s) {
  RunResults r;
  const int length = s.cells();
  for (int q = 0; q < length && r.noCellKept; ++q) {
    const CellState before = s.initialLine[q];
    if ((before == B || before == A) && s.directFinal[q] == before) r.noCellKept = false;
  }
  for (int q = 0; q < length && r.finalsDiffer; ++q)
    if (s.dualFinal[q] == s.directFinal[q]) r.finalsDiffer = false;

  // Over the record's rows, never beyond the last matrix row.
  const std::int32_t rows = std::clamp(s.markRows, 0, MaxRows);
  auto sameMarks = [&](const MarkMatrix<std::uint8_t>& a, const MarkMatrix<std::uint8_t>& b) {
    for (std::int32_t row = 0; row < rows; ++row)
      if (!std::equal(a[row].begin(), a[row].begin() + length, b[row].begin())) return false;
    return true;
  };
  r.dualAIsDirectC = sameMarks(s.dualAMarks, s.directCMarks);
  r.dualCIsDirectA = sameMarks(s.dualCMarks, s.directAMarks);
  return r;
}

}  // namespace quorvan
