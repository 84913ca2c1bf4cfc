// "Show initial" (TForm3): the counts of C and B positions that "Random"
// draws, the first entries of its position lists with their companion
// coordinates, and the square's width. The window keeps no data of its own.
#include <algorithm>

#include "lab/laboratory.h"
#include "lab/parse.h"

namespace quorvan {
namespace {

struct EntryEdits {
  Ctl position, companion;
};

// The bound rows: C entries 0 and 1, then B entries 0 to 7.
constexpr EntryEdits kCEntries[] = {{Ctl::Form3Edit3, Ctl::Form3Edit4}, {Ctl::Form3Edit5, Ctl::Form3Edit6}};
constexpr EntryEdits kBEntries[] = {
    {Ctl::Form3Edit7, Ctl::Form3Edit8},   {Ctl::Form3Edit9, Ctl::Form3Edit10},
    {Ctl::Form3Edit26, Ctl::Form3Edit27}, {Ctl::Form3Edit24, Ctl::Form3Edit25},
    {Ctl::Form3Edit22, Ctl::Form3Edit23}, {Ctl::Form3Edit21, Ctl::Form3Edit20},
    {Ctl::Form3Edit30, Ctl::Form3Edit31}, {Ctl::Form3Edit34, Ctl::Form3Edit35},
};

// A list's length follows a typed count, held to the list's capacity: a
// count of 70000 or -3 must not make a later walk over the list leave it.
void setListLength(PositionList& list, std::int32_t count) { list.length = drawableCount(count); }

}  // namespace

void Laboratory::FShowinitial1Click() { Form3FormShow(); }

// Every time the window opens. Writing an edit runs its handler, which
// stores the same value back.
void Laboratory::Form3FormShow() {
  setListLength(initial.cCellList, initial.cCellCount);
  setNumber(Ctl::Form3Edit1, initial.cCellCount);
  setListLength(initial.bCellList, initial.bCellCount);
  setNumber(Ctl::Form3Edit2, initial.bCellCount);
  setNumber(Ctl::Form3Edit11, lattice.squareCols);
  for (std::size_t i = 0; i < std::size(kCEntries); ++i) {
    setNumber(kCEntries[i].position, initial.cCellList.positions[i]);
    setNumber(kCEntries[i].companion, initial.cCellList.companions[i]);
  }
  for (std::size_t i = 0; i < std::size(kBEntries); ++i) {
    setNumber(kBEntries[i].position, initial.bCellList.positions[i]);
    setNumber(kBEntries[i].companion, initial.bCellList.companions[i]);
  }
}

void Laboratory::Form3Edit1Change() {
  initial.cCellCount = parseLeadingInt(controls.text(Ctl::Form3Edit1));
  setListLength(initial.cCellList, initial.cCellCount);
}

void Laboratory::Form3Edit2Change() {
  initial.bCellCount = parseLeadingInt(controls.text(Ctl::Form3Edit2));
  setListLength(initial.bCellList, initial.bCellCount);
}

// The square's width alone: the line length and the square's height stay.
// Held to 0..MaxLength like the length itself, so "Make " and the square's
// cells stay inside the line and the freeze mask.
void Laboratory::Form3Edit11Change() {
  lattice.squareCols = std::clamp(parseLeadingInt(controls.text(Ctl::Form3Edit11)), 0, MaxLength);
}

// Positions and companion coordinates are 16-bit: a typed value keeps its
// low 16 bits (70000 is stored as 4464).
void Laboratory::Form3EntryEditChange(Ctl edit) {
  const auto value = static_cast<std::int16_t>(parseLeadingInt(controls.text(edit)));
  for (std::size_t i = 0; i < std::size(kCEntries); ++i) {
    if (edit == kCEntries[i].position) initial.cCellList.positions[i] = value;
    if (edit == kCEntries[i].companion) initial.cCellList.companions[i] = value;
  }
  for (std::size_t i = 0; i < 2; ++i) {
    if (edit == kBEntries[i].position) initial.bCellList.positions[i] = value;
    if (edit == kBEntries[i].companion) initial.bCellList.companions[i] = value;
  }
}

// "DO": stop, clear, and redraw the current line from a cleared window; the
// next "Random" draws with the counts as the window left them. This program
// keeps no square lattice beside the line, so there is none to refill. The
// status bar is written too, so the counter shown is the one just reset.
void Laboratory::Form3Button1Click() {
  Button7Click();
  Button8Click();
  initial.cCellList.length = 0;
  initial.bCellList.length = 8;
  Button3Click();
  drawSquareFrame();
  lattice.stepCount = 0;
  setLabel(Ctl::StatusBar1, lattice.stepCount);
}

}  // namespace quorvan
