// The direct analysis of one finished run (100 record rows of 131 cells,
// every cell marked) for N = 4 and N = 9, and a search in a full table.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>

#include "analysis/direct_analysis.h"
#include "median_ratio.h"
#include "tables/store.h"

namespace {

using namespace quorvan;

constexpr int kRows = 100;
constexpr int kCells = 131;

struct Record {
  std::unique_ptr<LatticeState> lattice = std::make_unique<LatticeState>();
  std::unique_ptr<AnalysisGrids> grids = std::make_unique<AnalysisGrids>();
  std::unique_ptr<PatternTables> patterns = std::make_unique<PatternTables>();
  // The marks' step counts as the run left them; the analysis reduces them
  // in place, so every pass starts from this copy.
  std::vector<std::int32_t> directSteps, dualSteps;

  Record() {
    std::mt19937 rng(11);
    LatticeState& l = *lattice;
    l.lineLength = kCells;
    l.squareCols = kCells;
    l.markRows = kRows - 1;
    for (int r = 0; r < kRows; ++r)
      for (int x = 0; x < kCells; ++x) {
        const bool dual = rng() % 2;
        (dual ? l.dualCMarks : l.directCMarks)[r][x] = 1;
        (dual ? l.dualCMarkStep : l.directCMarkStep)[r][x] = 1 + static_cast<std::int32_t>(rng() % 300);
      }
    for (int r = 0; r < kRows; ++r) {
      directSteps.insert(directSteps.end(), l.directCMarkStep[r].begin(), l.directCMarkStep[r].end());
      dualSteps.insert(dualSteps.end(), l.dualCMarkStep[r].begin(), l.dualCMarkStep[r].end());
    }
    for (auto& t : patterns->tables) std::fill(t.begin(), t.end(), NotSeen);
  }
  void restoreSteps() {
    for (int r = 0; r < kRows; ++r) {
      std::copy_n(directSteps.begin() + r * MaxCells, MaxCells, lattice->directCMarkStep[r].begin());
      std::copy_n(dualSteps.begin() + r * MaxCells, MaxCells, lattice->dualCMarkStep[r].begin());
    }
  }
};

constexpr std::int32_t kOffsets4[10] = {0, -2, -1, 1};
constexpr std::int32_t kOffsets9[10] = {0, -4, -3, -2, -1, 1, 2, 3, 4};

void BM_DirectAnalysis(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Record rec;
  const std::int32_t* offsets = n == 4 ? kOffsets4 : kOffsets9;
  long ambiguities = 0;
  for (auto _ : state) {
    rec.restoreSteps();
    reduceMarkStepsToPointValues(*rec.lattice, *rec.grids, kRows - 1, kCells);
    scanRecord(*rec.grids, n, offsets, n == 4 ? 1 : 0, kRows - 1, kCells, kCells,
               rec.patterns->forN(n).data(), [&](const Ambiguity&) {
                 ++ambiguities;
                 return true;
               });
    benchmark::DoNotOptimize(rec.patterns->forN(n).data());
    benchmark::ClobberMemory();
  }
  benchmark::DoNotOptimize(ambiguities);
}

// A full table whose last row differs from the probe in its last column
// only: every row is compared to the end.
void BM_FindRowMiss(benchmark::State& state) {
  auto t = std::make_unique<ResolutionTable>();
  resetTable(*t, 9);
  std::mt19937 rng(5);
  TableRow probe{};
  for (auto& v : probe) v = static_cast<PointValue>(rng() % 6);
  for (int i = 0; i < TableRows; ++i) {
    TableRow row = probe;
    row[8] = static_cast<PointValue>((probe[8] + 1 + i % 5) % 6);
    appendRow(*t, row.data(), 9);
  }
  for (auto _ : state) benchmark::DoNotOptimize(findRow(*t, probe));
}

}  // namespace

BENCHMARK(BM_DirectAnalysis)->ArgName("N")->Arg(4)->Arg(9);
BENCHMARK(BM_FindRowMiss);

int main(int argc, char** argv) {
  const auto m = quorvan::bench::runWithMedians(argc, argv);
  for (const auto& [name, ns] : m) std::printf("%-40s median %10.1f us\n", name.c_str(), ns / 1000.0);
  return 0;
}
