// The main window's first showing: every start value, then the first random
// line and the analysis geometry. Each value set on a check box, radio group
// or edit runs that control's handler when it changes the value, so the
// order below is part of the behaviour.
#include "lab/laboratory.h"

namespace quorvan {

void Laboratory::FormShow() {
  controls.setEnabled(Ctl::Button126, false);
  controls.setEnabled(Ctl::Button124, false);

  // menu check marks (setting them runs nothing)
  controls.setChecked(Ctl::MainPanel1, true);
  controls.setChecked(Ctl::SingleWork1, false);
  controls.setChecked(Ctl::Scale1, false);
  controls.setChecked(Ctl::Extended1, false);
  controls.setChecked(Ctl::F2x1, false);
  controls.setChecked(Ctl::F3x1, false);
  controls.setChecked(Ctl::ResT0c1c11, false);
  controls.setChecked(Ctl::N7, false);
  controls.setChecked(Ctl::N0colomn1, true);
  controls.setChecked(Ctl::Res01231, true);
  controls.setChecked(Ctl::INTEGRATEDPanel1, false);
  controls.setChecked(Ctl::ResNfbleN11, true);
  controls.setChecked(Ctl::ResTableN21, false);
  controls.setChecked(Ctl::Cytcr1, false);

  setText(Ctl::Edit49, "30");
  setText(Ctl::Edit50, "30");

  controls.setVisible(Ctl::RichEdit7, false);
  controls.setVisible(Ctl::RichEdit8, false);
  controls.setVisible(Ctl::RichEdit9, false);
  controls.clearLines(Ctl::RichEdit5);
  controls.addLine(Ctl::RichEdit5, "(=0) 0 column = -1");
  controls.clearLines(Ctl::RichEdit6);
  controls.addLine(Ctl::RichEdit6, "(=0) 0 column = +1");
  controls.setVisible(Ctl::Image9, false);

  setText(Ctl::Edit45, "50");
  setText(Ctl::Edit46, "5");
  setText(Ctl::Edit47, "20");
  setText(Ctl::Edit48, "100");

  setChecked(Ctl::CheckBox43, true);  // "Not Draw"
  setChecked(Ctl::CheckBox44, true);  // "Ri or Dr"
  setChecked(Ctl::CheckBox41, true);  // ">>"
  setChecked(Ctl::CheckBox46, true);  // "Auto" of the offsets
  setChecked(Ctl::CheckBox42, false);
  setChecked(Ctl::CheckBox39, false);  // "+tem"
  setChecked(Ctl::CheckBox38, false);
  setChecked(Ctl::CheckBox40, false);  // "Auto" of the parameters
  setChecked(Ctl::CheckBox45, false);  // "<<"

  controls.setChecked(Ctl::F11, false);

  setText(Ctl::Edit1, "11");  // lineLength, squareRows, squareCols

  setChecked(Ctl::CheckBox33, true);  // "Ordinary", cleared again at the end
  setChecked(Ctl::CheckBox34, true);
  setChecked(Ctl::CheckBox35, true);
  setChecked(Ctl::CheckBox36, false);  // "Marker 36"
  setChecked(Ctl::CheckBox37, false);  // "DrRab 37"
  setChecked(Ctl::CheckBox1, false);   // "mA"
  setChecked(Ctl::CheckBox2, false);   // "mB"
  setChecked(Ctl::CheckBox30, false);  // "mdA"
  setChecked(Ctl::CheckBox31, false);  // "mdB"
  setChecked(Ctl::CheckBox29, true);   // "mC"
  setChecked(Ctl::CheckBox32, true);   // "mdC"
  {
    const bool ordinary = controls.checked(Ctl::CheckBox33);
    for (Ctl box : {Ctl::CheckBox1, Ctl::CheckBox2, Ctl::CheckBox29, Ctl::CheckBox30, Ctl::CheckBox31,
                    Ctl::CheckBox32, Ctl::Button16})
      controls.setEnabled(box, !ordinary);
    controls.setEnabled(Ctl::CheckBox34, ordinary);
    controls.setEnabled(Ctl::CheckBox35, ordinary);
  }

  for (int d = 1; d <= MaxDistance; ++d) {
    setChecked(leftMaskBox(d), d == 1 || d == 2);
    setChecked(rightMaskBox(d), d == 1);
  }

  controls.setChecked(Ctl::isSMES1, true);
  controls.setChecked(Ctl::Timer101, false);
  controls.setChecked(Ctl::notITZ1, false);
  controls.setChecked(Ctl::randomize2, false);
  controls.setChecked(Ctl::Nonreversible1, false);
  controls.setChecked(Ctl::Viewinitial1, false);

  setText(Ctl::Edit6, "0");
  setText(Ctl::Edit7, "1");
  controls.setText(Ctl::Label21, "+");
  setText(Ctl::Edit2, "1");  // stepsPerCall

  Button8Click();  // the canvas clear

  controls.setPosition(Ctl::UpDown4, 5);
  controls.setPosition(Ctl::UpDown2, 11);
  controls.setPosition(Ctl::UpDown1, 1);
  setItemIndex(Ctl::RadioGroup15, 1);  // "Npoint" 4
  setItemIndex(Ctl::RadioGroup4, 0);   // "Mouse"
  setItemIndex(Ctl::RadioGroup2, Circle);

  Button58Click();                     // the first random line, drawn but not run
  Button122Click();                    // "Nac 122"
  Button93Click();                     // "Clear 93"
  setItemIndex(Ctl::RadioGroup12, 2);  // "Direct Work 3"; leaves "Ordinary" clear
}

}  // namespace quorvan
