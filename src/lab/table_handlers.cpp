// The table store's commands: the Explore and View items, the "Show"
// buttons and the library menus, and the panels they fill.
#include "lab/laboratory.h"
#include "lab/library_menus.h"
#include "tables/panel_text.h"
#include "tables/store.h"

namespace quorvan {

void Laboratory::Write11Click() { saveTable(files, "RT/rt1.dat", geometry, store.table1); }
void Laboratory::Write21Click() { saveTable(files, "RT/rt2.dat", geometry, store.table2); }
void Laboratory::WriteU1Click() { saveTable(files, "RT/rtU.dat", geometry, store.tableU); }

void Laboratory::ReadtempN11Click() { loadIntoTable1(*this, "RT/rtemp.dat", true); }

// "R1 -> temp"
void Laboratory::Button139Click() {
  saveTable(files, "RT/rtemp.dat", geometry, store.table1);
  controls.setText(Ctl::Label278, "1000");
}

// "Write-Read"/"Write RT": the menu's only item has no action.
void Laboratory::WriteRT1Click() {}

namespace {

constexpr const char* kDesignLines[6] = {"Resolution Table (=0)",      "Resolution Table (=1)",
                                         "Resolution Table (=2)",      "Resolution Table (=3 (-0))",
                                         "Resolution Table (=4 (-1))", "Resolution Table (=5 (-2))"};

void showLowerPanels(ControlModel& controls, bool on) {
  for (int i = 3; i < 6; ++i) controls.setVisible(kResultPanels[i], on);
}

void singleLine(ControlModel& controls, Ctl panel, const char* line) {
  controls.clearLines(panel);
  controls.addLine(panel, line);
}

bool flip(ControlModel& controls, Ctl item) {
  const bool on = !controls.checked(item);
  controls.setChecked(item, on);
  return on;
}

}  // namespace

// "Res.T (=0) (c-1) (c+1)": class 0 split by column 0 over three panels.
// Menu check marks set from code run nothing, so the other layout item is
// simply unmarked.
void Laboratory::ResT0c1c11Click() {
  if (!flip(controls, Ctl::ResT0c1c11)) return;
  controls.setChecked(Ctl::N7, false);
  showLowerPanels(controls, false);
  singleLine(controls, Ctl::RichEdit4, "Resolution Table (=0)");
  singleLine(controls, Ctl::RichEdit5, "(=0) 0 column = -1");
  singleLine(controls, Ctl::RichEdit6, "(=0) 0 column = +1");
  controls.setVisible(Ctl::Image9, false);
}

// "Res.T =0=1=2=3=4=5": one panel per result class.
void Laboratory::N7Click() {
  if (!flip(controls, Ctl::N7)) return;
  controls.setChecked(Ctl::ResT0c1c11, false);
  showLowerPanels(controls, true);
  for (int i = 0; i < 6; ++i) singleLine(controls, kResultPanels[i], kDesignLines[i]);
  controls.setVisible(Ctl::Image9, true);
}

// "Res 0 => 1,2,3": back to the three full-height panels, lines kept.
void Laboratory::Res01231Click() {
  if (!flip(controls, Ctl::Res01231)) return;
  controls.setChecked(Ctl::ResT0c1c11, false);
  controls.setChecked(Ctl::N7, false);
  showLowerPanels(controls, false);
}

void Laboratory::N0colomn1Click() { flip(controls, Ctl::N0colomn1); }
void Laboratory::ResNfbleN11Click() { flip(controls, Ctl::ResNfbleN11); }
void Laboratory::ResTableN21Click() { flip(controls, Ctl::ResTableN21); }
void Laboratory::Cytcr1Click() { flip(controls, Ctl::Cytcr1); }

namespace {

// Where one of the two numbered tables is shown: its panel, the labels of
// its offsets, and those of the point count, column count and row count.
struct TableView {
  Ctl panel;
  Ctl offsets[TableOffsets];
  Ctl pointCount, columnCount, rowCount;
};

// Fills the panel with the table's rows and its labels with its header.
// Offsets 0..2 are always shown; offset k from 3 on only while the point
// count reaches past it.
void showTable(Laboratory& lab, const ResolutionTable& table, std::string_view firstGap,
               std::string_view markGap, const TableView& view) {
  std::string text;
  const std::int32_t lines = tableText(table, firstGap, markGap, text);
  lab.controls.setLines(view.panel, std::move(text), lines);
  lab.setLabel(view.pointCount, lab.geometry.pointCount);
  for (int k = 0; k < TableOffsets; ++k) {
    if (k < 3 || lab.geometry.pointCount > k)
      lab.setLabel(view.offsets[k], table.offsets[k]);
    else
      lab.controls.setText(view.offsets[k], "");
  }
  lab.setLabel(view.columnCount, table.columnCount);
  lab.setLabel(view.rowCount, table.rowCount);
}

}  // namespace

void Laboratory::Button130Click() {
  static constexpr TableView kView{Ctl::RichEdit4,
                                   {Ctl::Label200, Ctl::Label201, Ctl::Label202, Ctl::Label203, Ctl::Label204,
                                    Ctl::Label205, Ctl::Label206, Ctl::Label207},
                                   Ctl::Label198,
                                   Ctl::Label194,
                                   Ctl::Label195};
  showTable(*this, store.table1, "  ", "     ", kView);
}

void Laboratory::Button131Click() {
  static constexpr TableView kView{Ctl::RichEdit5,
                                   {Ctl::Label208, Ctl::Label209, Ctl::Label210, Ctl::Label211, Ctl::Label212,
                                    Ctl::Label213, Ctl::Label214, Ctl::Label215},
                                   Ctl::Label199,
                                   Ctl::Label196,
                                   Ctl::Label197};
  showTable(*this, store.table2, " ", "    ", kView);
}

void Laboratory::Button133Click() {
  std::string text;
  const std::int32_t lines = tableText(store.tableU, " ", "    ", text);
  controls.setLines(Ctl::RichEdit6, std::move(text), lines);
  setLabel(Ctl::Label216, store.tableU.rowCount);
}

}  // namespace quorvan
