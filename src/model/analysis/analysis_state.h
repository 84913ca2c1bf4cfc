#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/lattice.h"
#include "values.h"

namespace quorvan {

inline constexpr std::uint8_t NotSeen = 255;

// 6^n for n = 0..9.
inline constexpr std::array<std::int32_t, 10> kPow6 = {1,    6,     36,     216,     1296,
                                                       7776, 46656, 279936, 1679616, 10077696};

// One flat byte table per N = 3..9, 6^N entries each, allocated once.
struct PatternTables {
  PatternTables() {
    for (int n = MinPoints; n <= MaxPoints; ++n) tables[n - MinPoints].assign(kPow6[n], 0);
  }
  std::vector<std::uint8_t>& forN(int n) { return tables[n - MinPoints]; }
  const std::vector<std::uint8_t>& forN(int n) const { return tables[n - MinPoints]; }
  std::array<std::vector<std::uint8_t>, MaxPoints - MinPoints + 1> tables;
};

// What the direct analysis makes of a record, kept between analyses.
struct AnalysisGrids {
  // Before any analysis the grids hold no value, so the "F(3)" and "F(2)"
  // grids draw nothing.
  AnalysisGrids() {
    for (auto& row : valueGrid) row.fill(-99);
    for (auto& row : parityGrid) row.fill(-99);
  }
  MarkMatrix<std::int16_t> valueGrid;
  MarkMatrix<std::int16_t> parityGrid;
};

// The six result panels' texts as one construction builds them, lines
// joined by '\n'. The strings keep their capacity from one construction to
// the next.
struct PanelTexts {
  std::array<std::string, 6> text;
  std::array<std::int32_t, 6> lines{};
  void clear() {
    for (auto& t : text) t.clear();
    lines.fill(0);
  }
  void add(int panel, const char* line, std::size_t length) {
    std::string& t = text[panel];
    if (lines[panel] > 0) t.push_back('\n');
    t.append(line, length);
    ++lines[panel];
  }
  void add(int panel, const std::string& line) { add(panel, line.data(), line.size()); }
};

// The table construction's symmetric completion and counters.
struct ConstructionState {
  ConstructionState() {
    for (int n = 5; n <= MaxPoints; ++n) symmetric[n - 5].assign(kPow6[n], 0);
  }
  std::vector<std::uint8_t>& symmetricForN(int n) { return symmetric[n - 5]; }
  std::array<std::vector<std::uint8_t>, MaxPoints - 4> symmetric;  // N = 5..9

  std::array<std::int32_t, 6> valueCounts{};
  std::array<std::int32_t, 3> unionCounts{};
  std::array<std::int32_t, 6> otherPointHistogram{};
  std::array<std::int32_t, 6> firstPointHistogram{};
  std::int32_t total = 0;
  std::int32_t lastZeroFirstIsOne = 0;
  // Every construction starts its counts and panels from nothing.
  void resetCounts() {
    valueCounts.fill(0);
    unionCounts.fill(0);
    otherPointHistogram.fill(0);
    firstPointHistogram.fill(0);
    total = 0;
    lastZeroFirstIsOne = 0;
    panels.clear();
  }
  // kept from one construction to the next
  std::int32_t previousTotal = 0;
  std::array<std::int32_t, 3> previousUnionCounts{};
  std::int32_t bestRows = 0;
  std::int32_t bestSeedCount = 1;
  std::int32_t bestGain = 1;
  std::int32_t unionGain = 1;

  PanelTexts panels;
  std::string lineBuffer;  // scratch line for slower builders (tests, benchmarks)
};

}  // namespace quorvan
