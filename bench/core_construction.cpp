// One table construction for N = 4, 6 and 9 over a pattern table filled by
// the direct analysis of many synthetic runs: the production passes, which
// skip unobserved stretches, against a literal version that visits every
// combination and decomposes every index into its digits. Both must give
// the same counts, completion, rows and panel texts before anything is
// timed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include <filesystem>
#include <fstream>

#include "analysis/construction.h"
#include "analysis/direct_analysis.h"
#include "lab/laboratory.h"
#include "median_ratio.h"
#include "tables/store.h"

namespace {

using namespace quorvan;

// --- the literal version ------------------------------------------------------

void literalLine(std::string& line, const int* d, int n, bool withZero) {
  line.clear();
  auto value = [&](int v) {
    if (v <= 2) {
      line += "  ";
      line += static_cast<char>('0' + v);
    } else {
      line += " -";
      line += static_cast<char>('0' + v - 3);
    }
  };
  if (withZero) {
    value(d[0]);
    if (n == 3) line += "  ";
  }
  for (int k = 1; k < n; ++k) value(d[k]);
}

void literalConstruct(int n, const std::uint8_t* T, ConstructionState& st, const ConstructionOptions& opt) {
  st.resetCounts();
  const std::int64_t size = kPow6[n];
  std::uint8_t* S = n >= 5 ? st.symmetricForN(n).data() : nullptr;
  int d[MaxPoints];
  auto digits = [&](std::int64_t p) {
    for (int k = n - 1; k >= 0; --k) {
      d[k] = static_cast<int>(p % 6);
      p /= 6;
    }
  };
  auto image = [&](int g) {
    std::int64_t q = 0;
    for (int k = 0; k < n; ++k) q = q * 6 + kSymmetry[g][d[k]];
    return q;
  };
  if (S)
    for (std::int64_t p = 0; p < size; ++p) S[p] = T[p];
  for (std::int64_t p = 0; p < size; ++p) {
    digits(p);
    const int t = T[p];
    if (t <= 5) ++st.valueCounts[t];
    if (t == 0) {
      const int last = n == 3 ? 2 : n == 4 ? 3 : n == 5 ? 4 : n == 6 ? 5 : 6;
      for (int k = 1; k <= last; ++k) ++st.otherPointHistogram[d[k]];
      ++st.firstPointHistogram[d[0]];
      if (n == 8) ++st.firstPointHistogram[d[7]];
      if (n == 9) ++st.firstPointHistogram[d[8]];
      if (n == 5) st.lastZeroFirstIsOne = d[0] == 1;
    }
    const std::int64_t neg = image(3);
    for (int c = 0; c < 3; ++c)
      if (t == c || T[neg] == c + 3) ++st.unionCounts[c];
    if (S && t <= 5)
      for (int g = 1; g <= 5; ++g) S[image(g)] = kSymmetry[g][t];
  }
  std::string& line = st.lineBuffer;
  const bool withZero = opt.classPanels || opt.zeroColumn;
  for (std::int64_t p = 0; p < size; ++p) {
    digits(p);
    const int t = T[p];
    if (t == 0) {
      PointValue row[MaxPoints];
      for (int k = 0; k < n; ++k) row[k] = static_cast<PointValue>(d[k]);
      if (opt.table1) appendRow(*opt.table1, row, n);
      if (opt.table2) appendRow(*opt.table2, row, n);
    }
    literalLine(line, d, n, withZero);
    const int test = n >= 7 ? S[p] : t;
    if (opt.classPanels) {
      if (t <= 2) st.panels.add(t, line);
    } else if (test == 0) {
      if (n == 7) ++st.unionCounts[0];
      st.panels.add(0, line);
      if (opt.zeroToAll) {
        st.panels.add(1, line);
        st.panels.add(2, line);
      } else {
        if (d[0] == 1) st.panels.add(1, line);
        if (d[0] == 4) st.panels.add(2, line);
      }
    }
    if (t >= 3 && t <= 5) st.panels.add(t, line);
  }
  if (S) {
    const int wanted = n == 5 ? 1 : 0;
    for (std::int64_t p = 0; p < size; ++p) st.total += S[p] == wanted;
  }
}

// --- a pattern table from realistic observations ------------------------------

// Runs shaped like the test loop's trials (lines of 45..55 cells, 30..100
// record rows) of a three-neighbour rule on point values, with about one
// cell in four unmarked, analysed one after another into the pattern table
// of N. The rule makes the next value a function of points 0 and ±1, so the
// observations never contradict one another.
void fillFromRuns(int n, std::vector<std::uint8_t>& table, int runs) {
  std::fill(table.begin(), table.end(), NotSeen);
  auto grids = std::make_unique<AnalysisGrids>();
  std::mt19937 rng(static_cast<unsigned>(n));
  const std::int32_t offsets[7][MaxPoints] = {{0, -1, 1},
                                              {0, -2, -1, 1},
                                              {0, -2, -1, 1, 2},
                                              {0, -2, -1, 1, 2, 3},
                                              {0, -3, -2, -1, 1, 2, 3},
                                              {0, -3, -2, -1, 1, 2, 3, 4},
                                              {0, -4, -3, -2, -1, 1, 2, 3, 4}};
  for (int run = 0; run < runs; ++run) {
    const int cells = 45 + static_cast<int>(rng() % 11);
    const int rows = 30 + static_cast<int>(rng() % 71);
    auto& g = grids->valueGrid;
    for (int x = 0; x < cells; ++x) g[0][x] = static_cast<std::int16_t>(rng() % 6);
    for (int r = 1; r < rows; ++r)
      for (int x = 0; x < cells; ++x) {
        const int a = g[r - 1][(x + cells - 1) % cells], b = g[r - 1][x], c = g[r - 1][(x + 1) % cells];
        const int next =
            (a < 0 || b < 0 || c < 0) ? static_cast<int>(rng() % 6) : (a * 7 + b * 3 + c * 5 + run % 2) % 6;
        g[r][x] = static_cast<std::int16_t>(rng() % 4 == 0 ? -99 : next);
      }
    scanRecord(*grids, n, offsets[n - 3], 0, rows - 1, cells, cells, table.data(),
               [](const Ambiguity&) { return true; });
  }
}

struct Setup {
  std::unique_ptr<PatternTables> patterns = std::make_unique<PatternTables>();
  std::unique_ptr<ConstructionState> state = std::make_unique<ConstructionState>();
  std::unique_ptr<ResolutionTable> table1 = std::make_unique<ResolutionTable>();
  ConstructionOptions options;
  explicit Setup(int n) {
    fillFromRuns(n, patterns->forN(n), 40);
    options.table1 = table1.get();  // the start-up options
  }
};

constexpr int kSizes[3] = {4, 6, 9};
Setup* setups[10] = {};

void checkAgreement() {
  for (int n : kSizes) {
    Setup& s = *setups[n];
    auto other = std::make_unique<ConstructionState>();
    auto otherTable = std::make_unique<ResolutionTable>();
    // Both routes of the class-0 lines; for N = 9 (the slow literal pass) the
    // start-up route only.
    for (bool narrow : {false, true}) {
      if (narrow && n == 9) break;
      ConstructionOptions a = s.options, b = s.options;
      a.zeroToAll = b.zeroToAll = !narrow;
      b.table1 = otherTable.get();
      resetTable(*s.table1, n);
      resetTable(*otherTable, n);
      constructTables(n, s.patterns->forN(n).data(), *s.state, a);
      literalConstruct(n, s.patterns->forN(n).data(), *other, b);
      const ConstructionState& x = *s.state;
      const ConstructionState& y = *other;
      const bool same = x.valueCounts == y.valueCounts && x.unionCounts == y.unionCounts &&
                        x.otherPointHistogram == y.otherPointHistogram &&
                        x.firstPointHistogram == y.firstPointHistogram && x.total == y.total &&
                        x.lastZeroFirstIsOne == y.lastZeroFirstIsOne && x.panels.text == y.panels.text &&
                        x.panels.lines == y.panels.lines && s.table1->rowCount == otherTable->rowCount &&
                        s.table1->rows == otherTable->rows &&
                        (n < 5 || const_cast<ConstructionState&>(x).symmetricForN(n) ==
                                      const_cast<ConstructionState&>(y).symmetricForN(n));
      if (!same) {
        std::fprintf(stderr, "production and literal constructions differ for N = %d\n", n);
        std::exit(1);
      }
    }
    int seen = 0;
    for (auto e : s.patterns->forN(n)) seen += e != NotSeen;
    std::printf("N = %d: %d observed combinations, %d rows of result 0, %d lines in the first panel\n", n,
                seen, s.table1->rowCount, s.state->panels.lines[0]);
  }
}

template <bool Production>
void BM_Construction(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Setup& s = *setups[n];
  for (auto _ : state) {
    resetTable(*s.table1, n);
    if constexpr (Production)
      constructTables(n, s.patterns->forN(n).data(), *s.state, s.options);
    else
      literalConstruct(n, s.patterns->forN(n).data(), *s.state, s.options);
    benchmark::DoNotOptimize(s.state->total);
    benchmark::ClobberMemory();
  }
}

// The whole handler as the analysis calls it: the construction, the six
// panels handed to the window, table 1 saved to "RT/rt1.dat" and the labels.
void BM_Button101Click(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto dir =
      std::filesystem::temp_directory_path() / ("quorvan-bench-construction-" + std::to_string(n));
  std::filesystem::create_directories(dir / "RT");
  {
    std::ofstream f(dir / "RT" / "rt1.dat", std::ios::binary | std::ios::trunc);
    f << std::string(TableFileBytes, '\0');
  }
  LabEnvironment env;
  env.workDir = dir.string();
  auto lab = std::make_unique<Laboratory>(env);
  lab->controls.setChecked(Ctl::ResNfbleN11, true);
  lab->controls.setChecked(Ctl::N0colomn1, true);
  lab->controls.setChecked(Ctl::Res01231, true);
  lab->setItemIndex(Ctl::RadioGroup15, n - 3);
  lab->patterns.forN(n) = setups[n]->patterns->forN(n);
  for (auto _ : state) {
    lab->Button101Click();
    benchmark::DoNotOptimize(lab->construction.total);
  }
  lab.reset();
  std::filesystem::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_Button101Click)->ArgName("N")->Arg(4)->Arg(6)->Arg(9);
BENCHMARK(BM_Construction<true>)->ArgName("N")->Arg(4)->Arg(6)->Arg(9);
BENCHMARK(BM_Construction<false>)->ArgName("N")->Arg(4)->Arg(6)->Arg(9);

int main(int argc, char** argv) {
  for (int n : kSizes) setups[n] = new Setup(n);
  checkAgreement();
  std::printf("production and literal constructions agree for N = 4, 6, 9\n");
  const auto m = quorvan::bench::runWithMedians(argc, argv);
  for (int n : kSizes) {
    const std::string label = "construction, N = " + std::to_string(n);
    quorvan::bench::printRatio(m, "BM_Construction<false>/N:" + std::to_string(n),
                               "BM_Construction<true>/N:" + std::to_string(n), label.c_str());
  }
  for (int n : kSizes) delete setups[n];
  return 0;
}
