// The View and View 2 panel toggles, and the "Results" box click.
#include "lab/laboratory.h"

namespace quorvan {
namespace {

// Flips the item's check mark, then shows its targets when it is checked
// and hides them when it is not.
void toggleTargets(ControlModel& controls, Ctl item, std::initializer_list<Ctl> targets) {
  const bool on = !controls.checked(item);
  controls.setChecked(item, on);
  for (Ctl t : targets) controls.setVisible(t, on);
}

}  // namespace

void Laboratory::MainPanel1Click() { toggleTargets(controls, Ctl::MainPanel1, {Ctl::GroupBox16}); }
void Laboratory::SingleWork1Click() { toggleTargets(controls, Ctl::SingleWork1, {Ctl::GroupBox8}); }
void Laboratory::Scale1Click() { toggleTargets(controls, Ctl::Scale1, {Ctl::GroupBox21}); }
// Starts unchecked while its panels are visible: the first click checks it
// and leaves them shown, the second hides them.
void Laboratory::Extended1Click() { toggleTargets(controls, Ctl::Extended1, {Ctl::Panel6, Ctl::Panel7}); }
void Laboratory::F3x1Click() { toggleTargets(controls, Ctl::F3x1, {Ctl::RichEdit3}); }
void Laboratory::F2x1Click() { toggleTargets(controls, Ctl::F2x1, {Ctl::RichEdit10}); }
void Laboratory::INTEGRATEDPanel1Click() { toggleTargets(controls, Ctl::INTEGRATEDPanel1, {Ctl::Panel1}); }
void Laboratory::PanelInt1Click() { controls.setVisible(Ctl::Panel2, !controls.visible(Ctl::Panel2)); }
void Laboratory::Dontshow1Click() { controls.setChecked(Ctl::Dontshow1, !controls.checked(Ctl::Dontshow1)); }

// Removes eight research menus and the extended mask panels for good.
void Laboratory::GroupBox5Click() {
  for (Ctl menu : {Ctl::MenuZAD, Ctl::MenuFile2, Ctl::MenuInitial, Ctl::MenuT6, Ctl::MenuEXPO1, Ctl::MenuNEW,
                   Ctl::Menu1DIM})
    controls.setVisible(menu, false);
  controls.setVisible(Ctl::Panel6, false);
  controls.setVisible(Ctl::Panel7, false);
}

void Laboratory::toggleOwnCheck(Ctl menuItem) { controls.setChecked(menuItem, !controls.checked(menuItem)); }

}  // namespace quorvan
