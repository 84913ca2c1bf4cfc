#include "cli/batch_command.h"

#include <chrono>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/progress.h"
#include "lab/laboratory.h"
#include "lab/scheduler.h"

namespace quorvan {
namespace {

// A class's runs and their average finish step; null while it has no run,
// as its label stays unwritten.
nlohmann::json runsAndAverage(std::int32_t runs, std::int32_t steps) {
  return {{"runs", runs}, {"averageFinishStep", runs > 0 ? nlohmann::json(batchAverage(steps, runs)) : nullptr}};
}

}  // namespace

// Starts from the window's state after start-up, clicks "Timer10" and lets
// the timers run until `runs` batch runs have ended; then "Stop", as a user
// would, unless the batch ended itself.
int runBatchCommand(const BatchOptions& o, const CliStreams& io) {
  LabEnvironment env;
  env.workDir = "/nonexistent/quorvan-batch";  // the batch writes no file
  if (o.clockSeconds) env.clockSeconds = [c = *o.clockSeconds] { return c; };
  auto lab = std::make_unique<Laboratory>(env);
  lab->controls.setJournalEnabled(false);
  lab->FormShow();
  const auto start = std::chrono::steady_clock::now();
  lab->userClick(Ctl::Timer101);
  TimerScheduler timers(*lab);
  std::int64_t ticks = 0;
  std::int32_t shown = -1;
  timers.run(INT64_MAX, [&] {
    ++ticks;
    const std::int32_t done = lab->batch.batchRuns;
    if (io.progress && done != shown && (ticks & 0xFFF) == 0) {
      drawProgress(io.err, done, o.runs, "runs");
      shown = done;
    }
    return done >= o.runs;
  });
  if (lab->timerEnabled(Ctl::Timer10) || lab->timerEnabled(Ctl::Timer1)) lab->userClick(Ctl::Button7);
  if (io.progress) {
    drawProgress(io.err, lab->batch.batchRuns, o.runs, "runs");
    io.err << "\n";
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const BatchCounters& b = lab->batch;
  if (o.json) {
    nlohmann::json j = {
        {"runs", b.batchRuns},
        {"unfinished", b.unfinishedRuns},
        {"zeroBalance", b.zeroBalanceRuns},
        {"nonZeroBalance", b.nonZeroBalanceRuns},
        {"balance1", runsAndAverage(b.balance1Runs, b.balance1Steps)},
        {"balance2to4", runsAndAverage(b.balance2to4Runs, b.balance2to4Steps)},
        {"balance5up", runsAndAverage(b.balance5upRuns, b.balance5upSteps)},
        {"zeroBalanceCellKept", runsAndAverage(b.keptRuns, b.keptSteps)},
        {"zeroBalanceBothThree", b.threeRuns},
        {"zeroBalanceEven", runsAndAverage(b.evenRuns, b.evenSteps)},
        {"zeroBalanceOdd", runsAndAverage(b.oddRuns, b.oddSteps)},
        {"lengthFrom", kBatchMinLength},
        {"lengthTo", kBatchLengthBound},
        {"labels", nlohmann::json::object()},
        {"timerTicks", ticks},
        {"seconds", seconds},
    };
    for (Ctl id : {Ctl::Label10, Ctl::Label31, Ctl::Label70, Ctl::Label71, Ctl::Label87, Ctl::Label88, Ctl::Label89,
                   Ctl::Label93, Ctl::Label94, Ctl::Label95, Ctl::Label72, Ctl::Label73, Ctl::Label75, Ctl::Label79,
                   Ctl::Label82, Ctl::Label84, Ctl::Label85, Ctl::Label109, Ctl::Label110})
      j["labels"][controlName(id)] = lab->controls.text(id);
    io.out << j.dump() << "\n";
    return 0;
  }
  std::ostream& out = io.out;
  const auto line = [&](const char* what, std::int32_t runs, std::int32_t steps, bool average) {
    out << "  " << what << runs;
    if (average && runs > 0) out << "  (average T1 " << batchAverage(steps, runs) << ")";
    out << "\n";
  };
  out << "Quorvan batch of random runs (lengths 20..39)\n";
  line("ended runs          ", b.batchRuns, 0, false);
  line("unfinished          ", b.unfinishedRuns, 0, false);
  line("|b0|/2 = 0          ", b.zeroBalanceRuns, 0, false);
  line("|b0|/2 > 0          ", b.nonZeroBalanceRuns, 0, false);
  line("|b0|/2 = 1          ", b.balance1Runs, b.balance1Steps, true);
  line("|b0|/2 = 2..4       ", b.balance2to4Runs, b.balance2to4Steps, true);
  line("|b0|/2 >= 5         ", b.balance5upRuns, b.balance5upSteps, true);
  line("0, a cell kept      ", b.keptRuns, b.keptSteps, true);
  line("0, T1 = T2 = 3      ", b.threeRuns, 0, false);
  line("0, T1 even          ", b.evenRuns, b.evenSteps, true);
  line("0, T1 odd           ", b.oddRuns, b.oddSteps, true);
  out << "  time                " << seconds << " s, " << ticks << " timer ticks\n";
  return 0;
}

}  // namespace quorvan
