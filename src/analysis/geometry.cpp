// The analysis window: N points at fixed cell offsets, set from the "Npoint"
// defaults, from the mask, or typed into the offset edits.
#include <algorithm>

#include "shell/laboratory.h"
#include "shell/parse.h"

namespace quorvan {
namespace {

// The offset edits in slot order; there is no Edit36.
constexpr Ctl kOffsetEdits[OffsetSlots] = {Ctl::Edit34, Ctl::Edit35, Ctl::Edit37, Ctl::Edit38, Ctl::Edit39,
                                           Ctl::Edit40, Ctl::Edit41, Ctl::Edit42, Ctl::Edit43, Ctl::Edit44};

// Default offsets of items "3".."9": point 0 first, then left to right.
constexpr std::int32_t kDefaults[7][MaxPoints] = {
    {0, -1, 1},
    {0, -2, -1, 1},
    {0, -2, -1, 1, 2},
    {0, -2, -1, 1, 2, 3},
    {0, -3, -2, -1, 1, 2, 3},
    {0, -3, -2, -1, 1, 2, 3, 4},
    {0, -4, -3, -2, -1, 1, 2, 3, 4},
};

constexpr int kMaskDistances = 10;  // distance 11 is no part of the geometry

}  // namespace

// "Clear 93": a new series of observations for the selected N.
void Laboratory::Button93Click() {
  test.trialCount = 0;
  notReturnedRuns = 0;
  const std::int32_t item = controls.itemIndex(Ctl::RadioGroup15);
  if (item >= 0 && item <= MaxPoints - MinPoints) {
    const int n = item + MinPoints;
    geometry.pointCount = n;
    std::copy(kDefaults[item], kDefaults[item] + n, geometry.pointOffsets.begin());
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

}  // namespace quorvan
