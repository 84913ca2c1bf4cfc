#pragma once
// The menu items that show a check mark, as the window builds them. A click
// on one of them is how a user sets or clears that mark; the other items
// only run their command, so a script may `check` only these.
#include <algorithm>
#include <array>

#include "lab/control_model.h"

namespace quorvan {

inline constexpr std::array kCheckMarkItems = {
    // File2
    Ctl::Mousesoliton1,
    // Initial
    Ctl::randomize2, Ctl::isSMES1, Ctl::notITZ1, Ctl::Nonreversible1, Ctl::Timer101, Ctl::Viewinitial1,
    // View
    Ctl::MainPanel1, Ctl::SingleWork1, Ctl::Scale1, Ctl::Extended1, Ctl::F2x1, Ctl::F3x1, Ctl::ResT0c1c11,
    Ctl::N7, Ctl::N0colomn1, Ctl::Res01231, Ctl::Dontshow1,
    // View 2
    Ctl::INTEGRATEDPanel1,
    // EXPO_1
    Ctl::notpaint1,
    // Explore
    Ctl::ResNfbleN11, Ctl::ResTableN21, Ctl::Cytcr1};

constexpr bool hasCheckMark(Ctl menuItem) {
  return std::find(kCheckMarkItems.begin(), kCheckMarkItems.end(), menuItem) != kCheckMarkItems.end();
}

}  // namespace quorvan
