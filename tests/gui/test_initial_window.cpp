// The initial-line tools in the window: "Show initial" driven by its edits'
// object names, the save dialog of "Write RCA", the mouse over the diagram,
// the hidden pens and the picture reader on the real canvas.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QMouseEvent>
#include <QTest>

#include "form_fixture.h"
#include "windows/show_initial_window.h"

namespace {

using quorvan::Ctl;

TEST_F(FormTest, ShowInitialOpensModallyAndItsEditsStoreAsTyped) {
  quorvan::Laboratory& lab = form_->lab();
  lab.initial.bCellList.positions[2] = 6;
  bool seen = false;
  onNextModal([&](QWidget* modal) {
    seen = true;
    EXPECT_EQ(modal, form_->showInitialWindow());
    EXPECT_EQ(modal->objectName(), "TForm3");
    EXPECT_EQ(modal->windowTitle(), "Show initial");
    EXPECT_EQ(modal->size(), QSize(403, 437));
    EXPECT_EQ(modal->pos(), QPoint(444, 125));
    auto edit = [&](const char* name) { return modal->findChild<QLineEdit*>(name); };
    ASSERT_NE(edit("Form3Edit3"), nullptr);
    EXPECT_EQ(edit("Form3Edit1")->text(), "0");
    EXPECT_EQ(edit("Form3Edit2")->text(), "1");
    EXPECT_EQ(edit("Form3Edit11")->text(), "11");
    EXPECT_EQ(edit("Form3Edit26")->text(), "6");
    EXPECT_EQ(edit("Form3Edit3")->geometry().topLeft(), QPoint(40, 104));
    EXPECT_EQ(edit("Form3Edit35")->geometry().topLeft(), QPoint(312, 328));

    edit("Form3Edit3")->selectAll();
    QTest::keyClicks(edit("Form3Edit3"), "70000");
    EXPECT_EQ(lab.initial.cCellList.positions[0], 4464);
    edit("Form3Edit2")->selectAll();
    QTest::keyClicks(edit("Form3Edit2"), "12x");
    EXPECT_EQ(lab.initial.bCellCount, 12);
    edit("Form3Edit26")->selectAll();
    QTest::keyClicks(edit("Form3Edit26"), "99");
    EXPECT_EQ(lab.initial.bCellList.positions[2], 6) << "no handler behind this edit";

    auto* doButton = modal->findChild<QPushButton*>("Form3Button1");
    ASSERT_NE(doButton, nullptr);
    EXPECT_EQ(doButton->text(), "DO");
    lab.lattice.stepCount = 5;
    QTest::mouseClick(doButton, Qt::LeftButton);
    EXPECT_EQ(lab.lattice.stepCount, 0);
    EXPECT_EQ(statusText(), "0") << "the main window follows while the dialog is open";
    EXPECT_TRUE(modal->isVisible()) << "DO keeps the window open";
  });
  action("FShowinitial1")->trigger();
  ASSERT_TRUE(seen);
  EXPECT_FALSE(form_->showInitialWindow()->isVisible());

  // Opening again shows the bound values, not what was typed.
  onNextModal([&](QWidget* modal) {
    EXPECT_EQ(modal->findChild<QLineEdit*>("Form3Edit26")->text(), "6");
    EXPECT_EQ(modal->findChild<QLineEdit*>("Form3Edit3")->text(), "4464");
  });
  action("FShowinitial1")->trigger();
}

TEST_F(FormTest, WriteRcaSavesThroughTheSaveDialog) {
  const QString path = dir_.filePath("rca.dat");
  QString filter;
  onNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), "SaveDialog1");
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    filter = dialog->nameFilters().join(';');
    dialog->selectFile(path);
  });
  form_->lab().tools.exampleTable.fill(1);
  action("WriteRCA1")->trigger();
  EXPECT_EQ(filter, "*.dat");
  QFile written(path);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), QByteArray(2250, '\1'));
  written.remove();

  QTimer::singleShot(0, [] {
    if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      d->selectFile(QDir::temp().filePath("never.dat"));
      d->reject();
    }
  });
  action("WriteRCA1")->trigger();
  EXPECT_FALSE(QFile::exists(QDir::temp().filePath("never.dat"))) << "a cancelled dialog writes nothing";
}

TEST_F(FormTest, MouseOnTheBareDiagramEditsTheLineAndShowsWhereItIs) {
  quorvan::Laboratory& lab = form_->lab();
  Surface* surface = form_->surface();
  ASSERT_EQ(lab.lattice.directLine[0], quorvan::A);
  QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(lab.lattice.directLine[0], quorvan::B);
  EXPECT_EQ(lab.lattice.dualLine[0], quorvan::A);

  // Cell 3 lies under "D Work": a press there is the group's, not the cell's.
  const quorvan::CellState under = lab.lattice.directLine[3];
  QWidget* dwork = widget("GroupBox16");
  QTest::mouseClick(dwork, Qt::LeftButton, {}, dwork->mapFrom(surface, QPoint(100, 10)));
  EXPECT_EQ(lab.lattice.directLine[3], under) << "passed on by the group";
  QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(100, 10));
  EXPECT_EQ(lab.lattice.directLine[3], under) << "sent to the surface under the group";

  // A move with no button held, as the pointer crosses the diagram.
  auto moveTo = [&](QWidget* w, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
  };
  moveTo(surface, QPoint(40, 690));
  EXPECT_EQ(find<QLabel>("LabelMouseX")->text(), "8");
  EXPECT_EQ(find<QLabel>("LabelMouseY")->text(), "138");
  moveTo(surface, QPoint(300, 300));  // over "D Work"
  EXPECT_EQ(find<QLabel>("LabelMouseX")->text(), "8") << "a move over a group is the group's";
  EXPECT_FALSE(widget("GroupBoxXY")->isVisible());
}

TEST_F(FormTest, PensSitInTheirHiddenGroupsInsideInitial) {
  const struct {
    const char* group;
    const char* title;
    const char* edit;
    const char* spinner;
  } pens[] = {{"GroupBoxPenC", "C", "Edit3", "UpDown3"}, {"GroupBoxPenAfr", "Afr", "Edit4", "UpDown4"}};
  for (const auto& p : pens) {
    auto* group = find<QGroupBox>(p.group);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), p.title);
    EXPECT_EQ(group->parentWidget(), widget("GroupBox11"));
    EXPECT_TRUE(group->isHidden());
    EXPECT_EQ(widget(p.edit)->parentWidget(), group);
    EXPECT_EQ(widget(p.spinner)->parentWidget(), group);
  }
  EXPECT_EQ(find<QLineEdit>("Edit4")->text(), "5");
}

TEST_F(FormTest, PictureReaderPaintsTheBrightPixelsBlueOnTheCanvas) {
  ASSERT_TRUE(QDir(dir_.path()).mkpath("data"));
  ASSERT_TRUE(QFile::copy(QUORVAN_DATA_DIR "/lab/data/1_1.BMP", dir_.filePath("data/1_1.BMP")));
  QFile::setPermissions(dir_.filePath("data/1_1.BMP"), QFile::ReadOwner | QFile::WriteOwner);
  const QImage before = form_->canvas().image().copy(0, 0, 512, 512);
  action("READFROMFILE1")->trigger();
  EXPECT_EQ(form_->canvas().image().copy(0, 0, 512, 512), before) << "the plain reader paints nothing";
  action("READFROMFILER1")->trigger();
  const QImage after = form_->canvas().image();
  // The delivered diagram's background (button face, blue 240) is bright:
  // its top left corner, the file's last row, turns blue.
  EXPECT_EQ(after.pixel(0, 0), qRgb(0, 0, 255));
  EXPECT_EQ(after.pixel(600, 600), qRgb(240, 240, 240)) << "nothing beyond the picture";
}

}  // namespace
