#include "windows/help_window.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr const char* kHelp =
    "Quorvan runs two lines of cells side by side: the direct line and its\n"
    "dual, the same line with A and B exchanged. A cell in state C is active;\n"
    "a cell is fed when a neighbour chosen by the mask is C.\n"
    "\n"
    "Automatic test\n"
    "  1. Tick the mask boxes (Left- and -Right; View > Extended shows\n"
    "     distances 7..10).\n"
    "  2. Choose Npoint, or let the mask choose the analysis window.\n"
    "  3. Press \"Start test\". Each trial draws a random length and seed\n"
    "     count from \"Parameters\", runs to the end and adds its\n"
    "     observations to the Resolution Table panels.\n"
    "  4. \"Stop\" ends the test, \"Clear\" empties the results.\n"
    "\n"
    "Single runs (View > Single Work)\n"
    "  \"Random\" makes a new line, \"One st.\" steps once, \"GO\" runs,\n"
    "  \"Stop\" halts. \"Ordinary\" shows the space-time diagram; clear it\n"
    "  for the feeding view, and clear \"Not Draw\" to see it drawn.\n"
    "\n"
    "Tables\n"
    "  The \"Re N=...\" menus load stored tables into table 1; Explore\n"
    "  saves and reloads tables 1, 2 and U.\n";

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("HelpWindow");
  setWindowTitle("Help");
  setModal(true);
  resize(460, 420);
  auto* layout = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("HelpText");
  text_->setReadOnly(true);
  text_->setPlainText(kHelp);
  layout->addWidget(text_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  hide();
}
