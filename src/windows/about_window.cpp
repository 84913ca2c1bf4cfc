#include "windows/about_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutWindow");
  setWindowTitle("About");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel("<b>Quorvan</b>", this);
  title->setObjectName("AboutTitle");
  layout->addWidget(title);
  layout->addWidget(
      new QLabel("A laboratory for a one-dimensional automaton with three\n"
                 "cell states, a direct line and its dual, and the\n"
                 "Resolution Tables read from their runs.",
                 this));
  date_ = new QLabel("6.08.13", this);
  date_->setObjectName("LabelDate");
  layout->addWidget(date_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  hide();
}
