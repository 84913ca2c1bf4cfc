// The comparison and the copies of the three Resolution Tables, in the group
// "Compare" and the Explore menu. Every command ends by showing the tables
// it changed.
#include "lab/laboratory.h"
#include "tables/comparison.h"
#include "tables/store.h"

namespace quorvan {

// Compare: pair numbers as marks, the size of the union, and with "CH !!! "
// the symmetry warnings and the union in table U with its file.
void Laboratory::Button132Click() {
  const std::int32_t pairs = pairTables(store);
  setLabel(Ctl::Label218, std::int64_t{store.table1.rowCount} + store.table2.rowCount - pairs);
  if (controls.checked(Ctl::Cytcr1)) {
    symmetryPasses(store, [this](int which) { warn(which == 1 ? "IS AMB 1" : "IS AMB 2"); });
    std::int32_t wanted = 0;
    // Table U holds 1000 rows; when the union needs more, the status bar
    // says how many combinations it had, as the table cannot.
    if (uniteIntoU(store, wanted) && wanted > TableRows)
      controls.setText(Ctl::StatusBar1,
                       "Table U full: 1000 of " + std::to_string(wanted) + " combinations of the union kept");
    Button133Click();
    saveTable(files, "RT/rtU.dat", geometry, store.tableU);
  }
  Button130Click();
  Button131Click();
}

// "Comp.P": compare, then keep the shared combinations in table U.
void Laboratory::Button141Click() {
  Button132Click();
  keepShared(store);
  setLabel(Ctl::Label216, store.tableU.rowCount);
  Button133Click();
  if (controls.checked(Ctl::CheckBox39)) saveTable(files, "RT/rtemp.dat", geometry, store.tableU);
}

// "Comp P (20": the first intersection goes to table 2, table 1 comes from
// the temp file (marks kept, not shown), and the two are intersected again.
void Laboratory::Button135Click() {
  Button141Click();
  Button136Click();
  loadTable(files, "RT/rtemp.dat", geometry.pointCount, store.table1, false);
  Button141Click();
}

// "1 => 2"
void Laboratory::Button137Click() {
  Copy1to2Click();
  controls.clearLines(Ctl::RichEdit4);
}

// "2 <= U"
void Laboratory::Button136Click() {
  CopyUto2Click();
  controls.clearLines(Ctl::RichEdit6);
}

void Laboratory::Copy1to2Click() {
  copy1To2(store);
  Button131Click();
}

void Laboratory::Copy1toInv2Click() {
  copy1ToInverted2(store);
  Button131Click();
}

void Laboratory::Copy2to1Click() {
  copy2To1(store);
  Button130Click();
}

void Laboratory::Copy1toUClick() {
  copy1ToU(store);
  Button133Click();
}

void Laboratory::CopyUto1Click() {
  copyUTo1(store);
  Button130Click();
  controls.clearLines(Ctl::RichEdit5);
  controls.clearLines(Ctl::RichEdit6);
}

void Laboratory::CopyUto2Click() {
  copyUTo2(store);
  Button131Click();
}

}  // namespace quorvan
