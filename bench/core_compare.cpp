// Compare with "CH !!! " on two full N = 6 tables of 1000 rows: pairing,
// the three symmetry passes and the union over all 6^6 combinations,
// indexed against a literal transcription that scans with findRow.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <set>

#include "median_ratio.h"
#include "tables/comparison.h"
#include "tables/store.h"

namespace {

using namespace quorvan;

// Two tables of 1000 different combinations each, about half of them shared.
std::unique_ptr<TableStore> fullStore() {
  auto s = std::make_unique<TableStore>();
  std::mt19937 rng(3);
  std::vector<TableRow> pool;
  std::set<TableRow> seen;
  while (pool.size() < 1500) {
    TableRow r{};
    for (int j = 0; j < 6; ++j) r[j] = static_cast<PointValue>(rng() % 6);
    if (seen.insert(r).second) pool.push_back(r);
  }
  for (ResolutionTable* t : {&s->table1, &s->table2}) resetTable(*t, 6);
  for (int i = 0; i < 1000; ++i) {
    appendRow(s->table1, pool[i].data(), 6);
    appendRow(s->table2, pool[500 + i].data(), 6);
  }
  return s;
}

// The comparison step by step as written, every search a scan.
std::int64_t literalCompare(TableStore& s) {
  ResolutionTable& t1 = s.table1;
  ResolutionTable& t2 = s.table2;
  for (int i = 0; i < t1.rowCount; ++i) t1.rowMarks[i] = -1;
  for (int i = 0; i < t2.rowCount; ++i) t2.rowMarks[i] = -1;
  std::int32_t k = 0;
  for (int p = 0; p < t2.rowCount; ++p) {
    s.probeRow = t2.rows[p];
    const std::int32_t i = findRow(t1, s.probeRow);
    if (i >= 0) t1.rowMarks[i] = t2.rowMarks[p] = k++;
  }
  std::int64_t hits = 0;
  const ResolutionTable* passes[3][3] = {{&t1, &t1, &t2}, {&t2, &t1, &t2}, {&t1, &t2, &t1}};
  for (const auto& pass : passes) {
    for (int r = 0; r < pass[0]->rowCount; ++r) {
      s.sourceRow = pass[0]->rows[r];
      for (int kind = 1; kind <= 5; ++kind) {
        transformRow(s, kind);
        hits += findRow(*pass[1], s.probeRow) >= 0;
        hits += findRow(*pass[2], s.probeRow) >= 0;
      }
    }
  }
  ResolutionTable& u = s.tableU;
  u.rowMarks.fill(-1);
  resetTable(u, 6);
  std::int32_t c = 0;
  for (std::int32_t p = 0; p < 46656; ++p) {
    for (int j = 5, q = p; j >= 0; --j, q /= 6) s.probeRow[j] = static_cast<PointValue>(q % 6);
    std::int32_t i = findRow(t1, s.probeRow);
    const ResolutionTable* from = &t1;
    if (i < 0) i = findRow(t2, s.probeRow), from = &t2;
    if (i < 0) continue;
    if (from->rowMarks[i] >= 0 && u.rowCount < TableRows) u.rowMarks[u.rowCount] = c++;
    appendRow(u, s.probeRow.data(), 6);
  }
  return hits;
}

std::int64_t indexedCompare(TableStore& s) {
  pairTables(s);
  std::int64_t hits = 0;
  symmetryPasses(s, [&](int) { ++hits; });
  std::int32_t wanted = 0;
  uniteIntoU(s, wanted);
  return hits;
}

void BM_CompareLiteral(benchmark::State& state) {
  auto s = fullStore();
  for (auto _ : state) benchmark::DoNotOptimize(literalCompare(*s));
}

void BM_CompareIndexed(benchmark::State& state) {
  auto s = fullStore();
  for (auto _ : state) benchmark::DoNotOptimize(indexedCompare(*s));
}

}  // namespace

BENCHMARK(BM_CompareLiteral)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareIndexed)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // Both must leave the same store and find the same images before either
  // is timed.
  auto a = fullStore(), b = fullStore();
  const std::int64_t hitsA = literalCompare(*a), hitsB = indexedCompare(*b);
  const auto same = [](const ResolutionTable& x, const ResolutionTable& y) {
    return x.rowCount == y.rowCount && x.columnCount == y.columnCount && x.rows == y.rows &&
           x.rowMarks == y.rowMarks;
  };
  if (hitsA != hitsB || !same(a->table1, b->table1) || !same(a->table2, b->table2) ||
      !same(a->tableU, b->tableU) || a->probeRow != b->probeRow) {
    std::fprintf(stderr, "indexed and literal comparisons disagree\n");
    return 1;
  }
  const auto m = quorvan::bench::runWithMedians(argc, argv);
  quorvan::bench::printRatio(m, "BM_CompareLiteral", "BM_CompareIndexed", "Compare with CH, two full N = 6 tables");
  return 0;
}
