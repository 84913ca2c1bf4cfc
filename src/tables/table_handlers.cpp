// The Explore and View commands of the table store and its panels.
#include "shell/laboratory.h"
#include "tables/library.h"
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

constexpr Ctl kPanels[6] = {Ctl::RichEdit4, Ctl::RichEdit5, Ctl::RichEdit6,
                            Ctl::RichEdit7, Ctl::RichEdit8, Ctl::RichEdit9};
constexpr const char* kDesignLines[6] = {"Resolution Table (=0)",      "Resolution Table (=1)",
                                         "Resolution Table (=2)",      "Resolution Table (=3 (-0))",
                                         "Resolution Table (=4 (-1))", "Resolution Table (=5 (-2))"};

void showLowerPanels(ControlModel& controls, bool on) {
  for (int i = 3; i < 6; ++i) controls.setVisible(kPanels[i], on);
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
  for (int i = 0; i < 6; ++i) singleLine(controls, kPanels[i], kDesignLines[i]);
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

}  // namespace quorvan
