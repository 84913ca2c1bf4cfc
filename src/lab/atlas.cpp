#include "lab/atlas.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <sstream>
#include <thread>

#include "lab/laboratory.h"
#include "lab/scheduler.h"

namespace quorvan {
namespace {

bool isChartCode(int code) { return code >= 1 && code <= kAtlasMaxCode && code % 2 == 1; }

}  // namespace

std::vector<AtlasCell> atlasCells() {
  std::vector<AtlasCell> cells;
  for (int right = 1; right <= kAtlasMaxCode; right += 2)
    for (int left = right; left <= kAtlasMaxCode; left += 2) {
      AtlasCell c;
      c.left = left;
      c.right = right;
      cells.push_back(c);
    }
  return cells;
}

std::optional<std::vector<AtlasCell>> parseAtlasCells(const std::string& text, std::string& error) {
  std::vector<AtlasCell> cells;
  // Every comma separates two cells: an empty entry anywhere is an error.
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string item = text.substr(start, comma - start);
    start = comma + 1;
    int left = 0, right = 0;
    char colon = 0;
    std::stringstream one(item);
    if (!(one >> left >> colon >> right) || colon != ':' || !(one >> std::ws).eof()) {
      error = "bad cell '" + item + "' (expected LEFT:RIGHT)";
      return std::nullopt;
    }
    if (!isChartCode(left) || !isChartCode(right) || left < right) {
      error = "cell " + item + " is not on the chart (odd codes 1..39, left >= right)";
      return std::nullopt;
    }
    AtlasCell c;
    c.left = left;
    c.right = right;
    cells.push_back(c);
  }
  if (cells.empty()) {
    error = "no cell given";
    return std::nullopt;
  }
  return cells;
}

AtlasCell runAtlasCell(int left, int right, int trials, std::uint32_t clockSeconds) {
  AtlasCell cell;
  cell.left = left;
  cell.right = right;
  cell.pointCount = 1 + std::popcount(static_cast<unsigned>(left)) + std::popcount(static_cast<unsigned>(right));
  if (cell.pointCount > MaxPoints) {
    cell.outside = true;
    return cell;
  }
  LabEnvironment env;
  // A directory that does not exist: the laboratory never creates a file,
  // so the test writes nothing and the cells cannot meet on disk.
  env.workDir = "/nonexistent/quorvan-atlas";
  env.clockSeconds = [clockSeconds] { return clockSeconds; };
  auto lab = std::make_unique<Laboratory>(env);
  Laboratory& l = *lab;
  l.controls.setJournalEnabled(false);
  l.FormShow();
  for (int d = 1; d <= MaxDistance; ++d) {
    const bool onLeft = d <= 10 && ((left >> (d - 1)) & 1);
    const bool onRight = d <= 10 && ((right >> (d - 1)) & 1);
    if (l.checked(leftMaskBox(d)) != onLeft) l.userToggle(leftMaskBox(d), onLeft);
    if (l.checked(rightMaskBox(d)) != onRight) l.userToggle(rightMaskBox(d), onRight);
  }
  l.userClick(Ctl::Button125);
  TimerScheduler timers(l);
  timers.run(std::int64_t{trials} * 100'000, [&] {
    if (l.warningCount > 0 && cell.firstAmbiguousTrial == 0)
      cell.firstAmbiguousTrial = static_cast<int>(l.analysesRun);
    return l.analysesRun >= trials;
  });
  cell.pointCount = l.geometry.pointCount;
  cell.trials = static_cast<int>(l.analysesRun);
  cell.ambiguities = static_cast<int>(l.warningCount);
  cell.ambiguous = l.warningCount > 0;
  cell.halted = l.analysesRun < trials && !l.timerEnabled(Ctl::Timer11) && !l.timerEnabled(Ctl::Timer1);
  cell.table1Rows = l.store.table1.rowCount;
  return cell;
}

std::vector<AtlasCell> runAtlas(const std::vector<AtlasCell>& cells, int trials, std::uint32_t clockSeconds,
                                int jobs) {
  std::vector<AtlasCell> out(cells.size());
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i; (i = next.fetch_add(1)) < cells.size();)
      out[i] = runAtlasCell(cells[i].left, cells[i].right, trials, clockSeconds);
  };
  std::vector<std::thread> threads;
  for (int j = 1; j < jobs; ++j) threads.emplace_back(work);
  work();
  for (auto& t : threads) t.join();
  return out;
}

}  // namespace quorvan
