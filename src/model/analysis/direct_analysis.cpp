#include "analysis/direct_analysis.h"

#include <algorithm>
#include <string_view>

namespace quorvan {

int analysedLastRow(std::int32_t markRows) { return std::clamp<std::int32_t>(markRows, -1, MaxRows - 1); }

void reduceMarkStepsToPointValues(LatticeState& lattice, AnalysisGrids& grids, int lastRow, int cells) {
  cells = std::clamp(cells, 0, MaxCells);
  lastRow = std::min(lastRow, MaxRows - 1);
  for (int r = 0; r <= lastRow; ++r) {
    auto& value = grids.valueGrid[r];
    auto& parity = grids.parityGrid[r];
    auto& dStep = lattice.directCMarkStep[r];
    auto& uStep = lattice.dualCMarkStep[r];
    const auto& dMark = lattice.directCMarks[r];
    const auto& uMark = lattice.dualCMarks[r];
    for (int x = 0; x < cells; ++x) {
      value[x] = -99;
      // In 64 bits, so the step count below the smallest int32 cannot wrap.
      const std::int64_t ds = std::int64_t{dStep[x]} - 1;
      const std::int64_t us = std::int64_t{uStep[x]} - 1;
      if (dMark[x]) parity[x] = static_cast<std::int16_t>(ds % 2);
      if (uMark[x]) parity[x] = static_cast<std::int16_t>(us % 2 + 2);
      dStep[x] = static_cast<std::int32_t>(ds % 3);
      uStep[x] = static_cast<std::int32_t>(us % 3);
      if (dMark[x]) value[x] = static_cast<std::int16_t>(dStep[x]);
      if (uMark[x]) value[x] = static_cast<std::int16_t>(uStep[x] + 3);
    }
  }
}

int wrappedPosition(std::int64_t x, std::int64_t offset, std::int64_t columns) {
  if (columns <= 0) return -1;
  std::int64_t q = (x + offset) % columns;
  if (q < 0) q += columns;
  return q < MaxCells ? static_cast<int>(q) : -1;
}

void preparePositions(int n, const std::int32_t* offsets, int cells, int columns, ScanPositions& out) {
  out.any = false;
  std::int32_t w = 1;
  for (int k = n - 1; k >= 0; --k) {
    out.weights[k] = w;
    w *= 6;
  }
  for (int x = 0; x < cells; ++x) {
    bool all = true;
    for (int k = 0; k < n; ++k) {
      const int q = wrappedPosition(x, offsets[k], columns);
      out.positions[k][x] = static_cast<std::int16_t>(q);
      all = all && q >= 0;
    }
    out.any = out.any || all;
  }
}

std::string ambiguityText(int n, const Ambiguity& a) {
  // Built piece by piece with append: the pieces follow one another with
  // no separator of their own.
  std::string t;
  auto put = [&t](std::string_view piece) { t.append(piece); };
  auto num = [&t](int v) { t.append(std::to_string(v)); };
  const auto& v = a.values;
  auto head = [&] {
    put("Y");
    num(a.row + 1);
    put(" X");
    num(a.cell);
    put(" (");
    num(a.now);
    put(") ");
  };
  switch (n) {
    case 3:
      put("Y");
      num(a.row);
      put(" X");
      num(a.cell);
      put("   ");
      num(v[0]);
      put(" ");
      num(v[1]);
      put("|");
      num(v[2]);
      put("    T");
      num(a.old);
      put(" E");
      num(a.now);
      break;
    case 4:
      head();
      for (int k = 0; k < 4; ++k) {
        put("  ");
        num(v[k]);
      }
      put("    T");
      num(a.old);
      put("    AMBIGUITY!!!  ");
      break;
    case 5:
    case 6:  // the last one or two points are not shown
      head();
      put("   ");
      num(v[0]);
      put(" ");
      num(v[1]);
      put("|");
      num(v[2]);
      put("|");
      num(v[3]);
      put("    T");
      num(a.old);
      put("    AMBIGUITY!!!  ");
      break;
    case 7:
      head();
      put("   ");
      num(v[0]);
      for (int k = 1; k < 7; ++k) {
        put(" ");
        num(v[k]);
      }
      put("    AMBIGUITY!!!  ");
      put("    T");
      num(a.old);
      break;
    default:  // 8 and 9: the first seven points
      head();
      put("   ");
      num(v[0]);
      for (int k = 1; k < 7; ++k) {
        put(" ");
        num(v[k]);
      }
      put("    T");
      num(a.old);
      put("    AMBIGUITY!!!  ");
      break;
  }
  return t;
}

// One dump line per row: the row number, then every cell's value and a blank.
std::int32_t gridDumpText(const MarkMatrix<std::int16_t>& grid, int lastRow, int cells, std::string& text) {
  lastRow = std::min(lastRow, MaxRows - 1);
  cells = std::clamp(cells, 0, MaxCells);
  text.clear();
  text.reserve(static_cast<std::size_t>(lastRow + 1) * (10 + 4 * cells));
  for (int r = 0; r <= lastRow; ++r) {
    if (r > 0) text.push_back('\n');
    if (r < 10) text.append("  ");
    text.append(std::to_string(r));
    text.append(" -    ");
    for (int x = 0; x < cells; ++x) {
      text.append(std::to_string(grid[r][x]));
      text.push_back(' ');
    }
  }
  return lastRow + 1;
}

}  // namespace quorvan
