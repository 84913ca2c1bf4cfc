// One step of both lines at length 131: the production step against a
// literal transcription of the rule, which checks every distance of every
// cell with a modulo. Both must give identical lines and accumulators.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "engine/step.h"
#include "median_ratio.h"

namespace {

using namespace quorvan;

void literalAdvance(Line& p, Line& next, int L, std::int32_t border, const Mask& mask) {
  for (int q = 0; q < L; ++q) {
    int leftHit[MaxDistance + 1] = {};
    int rightHit[MaxDistance + 1] = {};
    bool fed = false;
    if (border == Circle) {
      for (int k = 1; k <= 11; ++k) {
        const int left = ((q - k) % L + L) % L;
        const int right = (q + k) % L;
        if (p[left] == C) leftHit[k] = 1;
        if (p[right] == C) rightHit[k] = 1;
      }
    } else {
      for (int k = 1; k <= 6; ++k) {
        if (q - k >= 0 && p[q - k] == C) leftHit[k] = 1;
        if (q + k <= L - 1 && p[q + k] == C) rightHit[k] = 1;
      }
    }
    for (int k = 1; k <= 11; ++k)
      if ((mask.left[k - 1] && leftHit[k]) || (mask.right[k - 1] && rightHit[k])) fed = true;
    const CellState cur = p[q];
    if (cur == C)
      next[q] = B;
    else if (cur == B)
      next[q] = fed ? A : C;
    else
      next[q] = fed ? C : A;
  }
  for (int q = 0; q < L; ++q) p[q] = next[q];
}

void literalRecord(const Line& line, int L, Accumulator& balance, Accumulator& weight) {
  for (int q = 0; q < L; ++q) {
    if (line[q] == A) {
      balance[q] += 2;
      weight[q] += 2;
    } else {
      balance[q] -= 1;
      weight[q] += 1;
    }
  }
}

void literalFinish(const Line& line, int L, std::array<std::int32_t, 3>& counts, std::int32_t stepCount,
                   std::uint8_t& finished, std::uint8_t& taken, Line& fin, std::int32_t& finishStep) {
  counts = {0, 0, 0};
  for (int q = 0; q < L; ++q) counts[line[q]] += 1;
  if (counts[0] == 0 && stepCount > 1 && finished == 0) {
    if (taken == 0) {
      fin = line;
      taken = 1;
    }
    finished = 1;
    finishStep = stepCount;
  }
}

void literalStep(LatticeState& s) {
  const int L = s.lineLength;
  literalAdvance(s.directLine, s.directNext, L, s.borderMode, s.mask);
  if (s.directFinished == 0) literalRecord(s.directLine, L, s.directBalance, s.directWeight);
  literalAdvance(s.dualLine, s.dualNext, L, s.borderMode, s.mask);
  if (s.dualFinished == 0) literalRecord(s.dualLine, L, s.dualBalance, s.dualWeight);
  s.stepCount += s.reverseTime ? -1 : 1;
  literalFinish(s.directLine, L, s.directStateCount, s.stepCount, s.directFinished, s.directSnapshotTaken,
                s.directFinal, s.directFinishStep);
  literalFinish(s.dualLine, L, s.dualStateCount, s.stepCount, s.dualFinished, s.dualSnapshotTaken,
                s.dualFinal, s.dualFinishStep);
}

std::unique_ptr<LatticeState> makeState(bool allBoxes, std::int32_t border) {
  auto s = std::make_unique<LatticeState>();
  s->lineLength = MaxLength;
  s->borderMode = border;
  for (int k = 0; k < MaxDistance; ++k) s->mask.left[k] = s->mask.right[k] = allBoxes;
  if (!allBoxes) s->mask.left[0] = s->mask.left[1] = s->mask.right[0] = true;
  std::mt19937 rng(7);
  for (int q = 0; q < MaxLength; ++q) {
    s->directLine[q] = static_cast<CellState>(rng() % 3);
    s->dualLine[q] = static_cast<CellState>(rng() % 3);
  }
  return s;
}

// The two steps must agree over many steps before anything is timed.
void checkAgreement(bool allBoxes, std::int32_t border) {
  auto a = makeState(allBoxes, border), b = makeState(allBoxes, border);
  for (int i = 0; i < 500; ++i) {
    stepLattice(*a);
    literalStep(*b);
    if (a->directLine != b->directLine || a->dualLine != b->dualLine ||
        a->directBalance != b->directBalance || a->dualWeight != b->dualWeight ||
        a->directFinishStep != b->directFinishStep || a->dualStateCount != b->dualStateCount) {
      std::fprintf(stderr, "production and literal steps differ at step %d\n", i);
      std::exit(1);
    }
  }
}

template <bool Production>
void BM_Step(benchmark::State& state) {
  const bool allBoxes = state.range(0) != 0;
  const std::int32_t border = static_cast<std::int32_t>(state.range(1));
  auto s = makeState(allBoxes, border);
  for (auto _ : state) {
    if constexpr (Production)
      stepLattice(*s);
    else
      literalStep(*s);
    benchmark::DoNotOptimize(s->directLine.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(BM_Step<true>)->ArgNames({"all22", "circle"})->ArgsProduct({{0, 1}, {0, 1}});
BENCHMARK(BM_Step<false>)->ArgNames({"all22", "circle"})->ArgsProduct({{0, 1}, {0, 1}});

int main(int argc, char** argv) {
  for (int all = 0; all < 2; ++all)
    for (int border = 0; border < 2; ++border) checkAgreement(all != 0, border);
  std::printf("production and literal steps agree on 500 steps in all four settings\n");
  const auto m = quorvan::bench::runWithMedians(argc, argv);
  for (const char* cfg : {"all22:0/circle:0", "all22:0/circle:1", "all22:1/circle:0", "all22:1/circle:1"}) {
    const std::string label = std::string("step, ") + (cfg[6] == '1' ? "all 22 boxes" : "start-up mask") +
                              (cfg[15] == '1' ? ", Circle" : ", Frozen A");
    quorvan::bench::printRatio(m, std::string("BM_Step<false>/") + cfg, std::string("BM_Step<true>/") + cfg,
                               label.c_str());
  }
  return 0;
}
