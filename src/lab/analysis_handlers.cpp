// The analysis: the window of N points (set from the "Npoint" defaults, from
// the mask, or typed into the offset edits), the direct analysis of a
// finished run and the table construction with its labels.
#include <algorithm>

#include "analysis/construction.h"
#include "analysis/direct_analysis.h"
#include "analysis/geometry.h"
#include "lab/laboratory.h"
#include "lab/parse.h"
#include "tables/store.h"

namespace quorvan {
namespace {

// The offset edits in slot order; there is no Edit36.
constexpr Ctl kOffsetEdits[OffsetSlots] = {Ctl::Edit34, Ctl::Edit35, Ctl::Edit37, Ctl::Edit38, Ctl::Edit39,
                                           Ctl::Edit40, Ctl::Edit41, Ctl::Edit42, Ctl::Edit43, Ctl::Edit44};

constexpr int kMaskDistances = 10;  // distance 11 is no part of the geometry

}  // namespace

// "Clear 93": a new series of observations for the selected N.
void Laboratory::Button93Click() {
  test.trialCount = 0;
  notReturnedRuns = 0;
  if (const int n = selectedPointCount()) {
    geometry.pointCount = n;
    const std::int32_t* defaults = defaultPointOffsets(n);
    std::copy(defaults, defaults + n, geometry.pointOffsets.begin());
    auto& table = patterns.forN(n);
    std::fill(table.begin(), table.end(), NotSeen);
  }
  refreshGeometryDisplays();
}

void Laboratory::RadioGroup15Click() { Button93Click(); }

void Laboratory::Edit33Change() {
  geometry.pointCount = parseLeadingInt(controls.text(Ctl::Edit33));
  refreshGeometryDisplays();
}

void Laboratory::offsetEditChange(Ctl edit) {
  for (int k = 0; k < OffsetSlots; ++k) {
    if (kOffsetEdits[k] == edit) {
      geometry.pointOffsets[k] = parseLeadingInt(controls.text(edit));
      return;
    }
  }
}

// "Do from mask". Twenty boxes and point 0 can make 21 points while the
// geometry holds ten offsets: the first ten points are kept and the rest
// dropped, so a crowded mask still gives N = 10 (item "9", whose analysis
// uses the first nine) and nothing is written past the ten slots.
void Laboratory::Button127Click() {
  int k = 0;
  auto append = [&](std::int32_t offset) {
    if (k < OffsetSlots) geometry.pointOffsets[k++] = offset;
  };
  auto visit = [&](Ctl box, std::int32_t offset) {
    if (controls.checked(box)) append(offset);
  };
  if (controls.checked(Ctl::CheckBox45)) {  // "<<": rightmost first
    geometry.pointOffsets[0] = 0;
    k = 1;
    for (int d = kMaskDistances; d >= 1; --d) visit(rightMaskBox(d), d);
    for (int d = 1; d <= kMaskDistances; ++d) visit(leftMaskBox(d), -d);
    geometry.pointCount = k;
  }
  if (controls.checked(Ctl::CheckBox41)) {  // ">>": leftmost first
    // Counts on from what "<<" left, should both ever be checked.
    geometry.pointOffsets[0] = 0;
    k = std::min(k + 1, OffsetSlots);
    for (int d = kMaskDistances; d >= 1; --d) visit(leftMaskBox(d), -d);
    for (int d = 1; d <= kMaskDistances; ++d) visit(rightMaskBox(d), d);
    geometry.pointCount = k;
  }
  refreshGeometryDisplays();
  setItemIndex(Ctl::RadioGroup15, k - MinPoints);
}

// The first pass settles N (and, when the item changes, clears its table and
// installs the defaults); the second derives the offsets over those defaults.
void Laboratory::Button129Click() {
  Button127Click();
  Button127Click();
}

void Laboratory::CheckBox41Click() {
  if (controls.checked(Ctl::CheckBox41)) setChecked(Ctl::CheckBox45, false);
  Button129Click();
}

void Laboratory::CheckBox45Click() {
  if (controls.checked(Ctl::CheckBox45)) setChecked(Ctl::CheckBox41, false);
  Button129Click();
}

void Laboratory::maskBoxClick() {
  Button122Click();
  if (controls.checked(Ctl::CheckBox46)) Button129Click();
}

// "Nac 122": the two mask codes, bit d-1 for distance d.
void Laboratory::Button122Click() {
  std::int32_t left = 0, right = 0;
  for (int d = 1; d <= kMaskDistances; ++d) {
    if (controls.checked(leftMaskBox(d))) left |= 1 << (d - 1);
    if (controls.checked(rightMaskBox(d))) right |= 1 << (d - 1);
  }
  setLabel(Ctl::Label107, left);
  setLabel(Ctl::Label108, right);
}

// Writing an edit runs its change handler only when the text differs, and
// the handler reads the value straight back, so this settles at once.
void Laboratory::refreshGeometryDisplays() {
  setNumber(Ctl::Edit33, geometry.pointCount);
  for (int k = 0; k < OffsetSlots; ++k) setNumber(kOffsetEdits[k], geometry.pointOffsets[k]);
  const std::int32_t n = geometry.pointCount;
  for (int k = 0; k < OffsetSlots; ++k) controls.setVisible(kOffsetEdits[k], k < 3 || n >= k + 1);
}

namespace {

void dumpGrid(ControlModel& controls, Ctl panel, const MarkMatrix<std::int16_t>& grid, int lastRow,
              int cells) {
  std::string text;
  const std::int32_t lines = gridDumpText(grid, lastRow, cells, text);
  controls.setLines(panel, std::move(text), lines);
}

}  // namespace

void Laboratory::Button119Click() {
  ++analysesRun;
  const int lastRow = analysedLastRow(lattice.markRows);
  const int cells = lattice.cells();
  reduceMarkStepsToPointValues(lattice, grids, lastRow, cells);
  if (controls.checked(Ctl::F3x1)) dumpGrid(controls, Ctl::RichEdit3, grids.valueGrid, lastRow, cells);
  if (controls.checked(Ctl::F2x1)) dumpGrid(controls, Ctl::RichEdit10, grids.parityGrid, lastRow, cells);

  if (const int n = selectedPointCount()) {
    // N = 4 never enters the step from row 0 to row 1.
    const int firstRow = n == 4 ? 1 : 0;
    scanRecord(grids, n, geometry.pointOffsets.data(), firstRow, lastRow, cells, lattice.squareCols,
               patterns.forN(n).data(), [&](const Ambiguity& a) {
                 if (n == 4) {
                   // The first contradiction stops a running test and the scan.
                   setTimer(Ctl::Timer1, false);
                   setTimer(Ctl::Timer11, false);
                   warn(ambiguityText(n, a));
                   return false;
                 }
                 warn(ambiguityText(n, a));
                 return true;
               });
  }
  Button101Click();
}

void Laboratory::Button101Click() {
  const bool toTable1 = controls.checked(Ctl::ResNfbleN11);
  const bool toTable2 = controls.checked(Ctl::ResTableN21);
  if (toTable1) resetTable(store.table1, geometry.pointCount);
  if (toTable2) resetTable(store.table2, geometry.pointCount);

  ConstructionOptions opt;
  opt.classPanels = controls.checked(Ctl::N7);
  opt.zeroColumn = controls.checked(Ctl::N0colomn1);
  opt.zeroToAll = controls.checked(Ctl::Res01231);
  opt.table1 = toTable1 ? &store.table1 : nullptr;
  opt.table2 = toTable2 ? &store.table2 : nullptr;
  const int n = selectedPointCount();
  constructTables(n, n ? patterns.forN(n).data() : nullptr, construction, opt);
  ConstructionState& c = construction;
  for (int i = 0; i < 6; ++i) controls.setLines(kResultPanels[i], c.panels.text[i], c.panels.lines[i]);

  if (toTable1) saveTable(files, "RT/rt1.dat", geometry, store.table1);
  if (toTable2) saveTable(files, "RT/rt2.dat", geometry, store.table2);

  setLabel(Ctl::Label138, test.trialCount);
  setLabel(Ctl::Label139, notReturnedRuns);
  setLabel(Ctl::Label156, c.total);
  setLabel(Ctl::Label58, std::int64_t{c.total} - c.previousTotal);
  c.previousTotal = c.total;
  static constexpr Ctl kValueLabels[6] = {Ctl::Label169, Ctl::Label170, Ctl::Label171,
                                          Ctl::Label173, Ctl::Label174, Ctl::Label175};
  for (int v = 0; v < 6; ++v) setLabel(kValueLabels[v], c.valueCounts[v]);
  static constexpr Ctl kUnionLabels[3] = {Ctl::Label140, Ctl::Label157, Ctl::Label158};
  static constexpr Ctl kDeltaLabels[3] = {Ctl::Label165, Ctl::Label166, Ctl::Label167};
  std::int32_t gain = 0;
  for (int u = 0; u < 3; ++u) {
    setLabel(kUnionLabels[u], c.unionCounts[u]);
    const std::int32_t delta = c.unionCounts[u] - c.previousUnionCounts[u];
    setLabel(kDeltaLabels[u], delta);
    gain += delta;
  }
  c.unionGain = gain;
  c.previousUnionCounts = c.unionCounts;
  const std::int64_t rows = std::int64_t{lattice.markRows} + 1;
  setLabel(Ctl::Label159, rows);
  setLabel(Ctl::Label160, c.bestRows);
  setLabel(Ctl::Label221, initial.bCellCount);
  setLabel(Ctl::Label223, c.bestSeedCount);
  setLabel(Ctl::Label222, c.unionGain);
  setLabel(Ctl::Label224, c.bestGain);
  if (c.unionGain > 0) {
    c.bestRows = static_cast<std::int32_t>(rows);
    c.bestSeedCount = initial.bCellCount;
    c.bestGain = c.unionGain;
  }
  static constexpr Ctl kOtherLabels[6] = {Ctl::Label168, Ctl::Label183, Ctl::Label184,
                                          Ctl::Label185, Ctl::Label186, Ctl::Label187};
  static constexpr Ctl kFirstLabels[6] = {Ctl::Label182, Ctl::Label188, Ctl::Label189,
                                          Ctl::Label190, Ctl::Label191, Ctl::Label192};
  for (int v = 0; v < 6; ++v) {
    setLabel(kOtherLabels[v], c.otherPointHistogram[v]);
    setLabel(kFirstLabels[v], c.firstPointHistogram[v]);
  }
  setLabel(Ctl::Label193, c.lastZeroFirstIsOne);
}

}  // namespace quorvan
