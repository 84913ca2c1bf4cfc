// "Random", the run resets and the window clear.
#include <algorithm>

#include "initial/line_file.h"
#include "initial/random_line.h"
#include "lab/laboratory.h"
#include "lab/parse.h"

namespace quorvan {

void Laboratory::fullReset() {
  clearMarks(lattice);
  partialReset();
}

void Laboratory::partialReset() {
  resetRun(lattice);
  drawing.originX = 0;
}

void Laboratory::Button8Click() {
  canvas->fillRect(Box{0, 0, 1000, 800}, kButtonFace);
  controls.setChecked(Ctl::Dontshow1, false);
  setTimer(Ctl::Timer1, false);
  controls.setColour(Ctl::GroupBoxManage, GroupColour::ButtonFace);
}

void Laboratory::Button58Click() {
  Button8Click();
  fullReset();
  placeRandomLine(generator, initial, lattice);
  Button3Click();
  setLabel(Ctl::StatusBar1, lattice.stepCount);
  writeLineFile(files, "CA/ca5.dat", lattice);
  controls.setText(Ctl::LabelCheck, "X");
  Button5Click();
  if (!controls.checked(Ctl::CheckBox33) && controls.itemIndex(Ctl::RadioGroup12) != 0) Button6Click();
}

void Laboratory::Edit6Change() { initial.cCellCount = parseLeadingInt(controls.text(Ctl::Edit6)); }
void Laboratory::Edit7Change() { initial.bCellCount = parseLeadingInt(controls.text(Ctl::Edit7)); }

// The hidden pens: each change stores its value twice and moves the spinner.
void Laboratory::Edit3Change() {
  initial.penC = initial.penCCopy = parseLeadingInt(controls.text(Ctl::Edit3));
  controls.setPosition(Ctl::UpDown3, initial.penC);
}
void Laboratory::UpDown3Click() {
  initial.penC = initial.penCCopy = controls.position(Ctl::UpDown3);
  setNumber(Ctl::Edit3, initial.penC);
}
void Laboratory::Edit4Change() {
  initial.penAfr = initial.penAfrCopy = parseLeadingInt(controls.text(Ctl::Edit4));
  controls.setPosition(Ctl::UpDown4, initial.penAfr);
}
void Laboratory::UpDown4Click() {
  initial.penAfr = initial.penAfrCopy = controls.position(Ctl::UpDown4);
  setNumber(Ctl::Edit4, initial.penAfr);
}

}  // namespace quorvan
