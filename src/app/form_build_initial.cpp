// What the initial-line commands add to the main window: the hidden "XY"
// group, the mouse over the diagram, the "Show initial" window and the save
// dialog of "Write RCA".
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>

#include "app/form_build.h"
#include "app/surface.h"
#include "windows/show_initial_window.h"

using form::opaque;
using form::place;
using quorvan::Ctl;

void TForm1::buildXY() {
  NAMED(GroupBoxXY, QGroupBox, "XY", surface_);
  opaque(GroupBoxXY);
  place(GroupBoxXY, 856, 408, 145, 41);
  NAMED(LabelMouseX, QLabel, GroupBoxXY);
  place(LabelMouseX, 8, 18, 60, 16);
  NAMED(LabelMouseY, QLabel, GroupBoxXY);
  place(LabelMouseY, 76, 18, 60, 16);
  connect(surface_, &Surface::pressed, this, &TForm1::FormMouseDown);
  connect(surface_, &Surface::moved, this, &TForm1::FormMouseMove);
}

void TForm1::buildShowInitial() {
  form3_ = new TForm3([this](Ctl id, QObject* o) { registerObject(id, o); }, this);
  connect(form3_, &TForm3::edited, this, [this](Ctl id) { type(id); });
  connect(form3_, &TForm3::pressed, this, [this](Ctl id) { click(id); });
}

std::optional<std::string> TForm1::askFileName(const std::string& filter) {
  sync();
  if (!SaveDialog1) {
    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName("SaveDialog1");
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    // The toolkit's own dialog, the same on every desktop and under test.
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    const std::string& dir = lab_->files.workDir();
    SaveDialog1->setDirectory(dir.empty() ? QDir::currentPath() : QString::fromStdString(dir));
  }
  // The filter comes as "description|pattern|..." with the pattern after
  // the bar; "*.dat|" names its pattern in the description alone.
  const QStringList parts = QString::fromStdString(filter).split('|');
  QString pattern = parts.size() > 1 && !parts[1].isEmpty() ? parts[1] : parts.value(0);
  SaveDialog1->setNameFilter(pattern.isEmpty() ? QStringLiteral("*") : pattern);
  if (SaveDialog1->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = SaveDialog1->selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
  return QFile::encodeName(chosen.first()).toStdString();
}
