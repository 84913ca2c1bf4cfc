// The main window's frame: caption, size, groups, menus, start-up state,
// the View toggles and the "Results" click.
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QtEndian>
#include <map>

#include "app/updown.h"
#include "lab/menu_marks.h"
#include "form_fixture.h"

namespace {

TEST_F(FormTest, CaptionSizeAndPlace) {
  EXPECT_EQ(form_->windowTitle(), "Quorvan");
  EXPECT_EQ(form_->objectName(), "TForm1");
  EXPECT_EQ(form_->size(), QSize(1032, 763));
  EXPECT_EQ(form_->pos(), QPoint(216, 134));
  EXPECT_EQ(form_->palette().color(QPalette::Window), QColor(240, 240, 240));
}

struct GroupPlace {
  const char* name;
  const char* title;  // nullptr for the borderless panels
  QRect place;
  bool visible;
};

TEST_F(FormTest, TopLevelGroupsSitAtTheirPlacesOverTheDiagram) {
  const GroupPlace groups[] = {
      {"GroupBox16", "D Work", {72, 0, 705, 681}, true},
      {"GroupBox8", "Single Work", {8, 480, 217, 201}, false},
      {"GroupBox5", "Results", {784, 8, 233, 337}, true},
      {"GroupBox2", "Length =", {784, 352, 65, 49}, true},
      {"GroupBox11", "Initial", {856, 352, 145, 49}, true},
      {"GroupBox21", "Scale", {784, 608, 225, 65}, false},
      {"Panel1", nullptr, {216, 200, 473, 353}, false},
      {"Panel6", nullptr, {352, 152, 145, 33}, true},
      {"Panel7", nullptr, {0, 128, 145, 33}, true},
  };
  for (const GroupPlace& g : groups) {
    SCOPED_TRACE(g.name);
    QWidget* w = widget(g.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), form_->centralWidget());
    EXPECT_EQ(w->geometry(), g.place);
    EXPECT_EQ(w->isVisible(), g.visible);
    if (g.title) {
      auto* box = qobject_cast<QGroupBox*>(w);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->title(), g.title);
    }
  }
  // Groups are opaque: paint the whole canvas red and look at a corner of
  // each group's inside, where no control lies.
  form_->canvas().fillRect({0, 0, 5000, 5000}, quorvan::kRed);
  form_->sync();
  for (const GroupPlace& g : groups) {
    QWidget* w = widget(g.name);
    if (!w->isVisible()) continue;
    const QImage shot = w->grab().toImage();
    EXPECT_NE(shot.pixel(w->width() - 4, w->height() - 4), qRgb(255, 0, 0)) << g.name;
  }
  const QImage bare = form_->surface()->grab(QRect(20, 700, 10, 10)).toImage();
  EXPECT_EQ(bare.pixel(5, 5), qRgb(255, 0, 0)) << "the diagram shows where no group lies";

  // The two small mask panels lie on top of "D Work".
  const QObjectList& order = form_->centralWidget()->children();
  EXPECT_GT(order.indexOf(widget("Panel6")), order.indexOf(widget("GroupBox16")));
  EXPECT_GT(order.indexOf(widget("Panel7")), order.indexOf(widget("GroupBox16")));
}

TEST_F(FormTest, EveryControlOfTheCoreHasItsNamedObject) {
  for (int i = 0; i < quorvan::kControlCount; ++i) {
    const auto id = static_cast<quorvan::Ctl>(i);
    const QString name = quorvan::controlName(id);
    QObject* o = form_->control(id);
    ASSERT_NE(o, nullptr) << name.toStdString();
    EXPECT_EQ(o->objectName(), name);
    if (id != quorvan::Ctl::TForm1) {
      EXPECT_EQ(form_->findChild<QObject*>(name), o) << name.toStdString() << " is not unique";
    }
  }
}

TEST_F(FormTest, MenuBarHoldsTheMenusInOrder) {
  QStringList titles;
  for (QAction* a : form_->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, QStringList({"File", "File2", "Initial", "View", "View 2", "T=6", "NEW", "1 DIM", "ZAD",
                                 "EXPO_1", "Write-Read", "Re N=4", "Re N=5", "Re N=6(n)", "Re N=6",
                                 "Re N=6(+S)", "+++", "Explore", "Help"}));
  EXPECT_EQ(form_->menuBar()->objectName(), "MainMenu1");
  EXPECT_EQ(form_->statusBar()->objectName(), "StatusBar1");
  // The research menus are empty but for "not paint".
  for (const char* m : {"MenuT6", "MenuNEW", "Menu1DIM", "MenuZAD"})
    EXPECT_TRUE(find<QMenu>(m)->actions().isEmpty()) << m;
  EXPECT_EQ(find<QMenu>("MenuEXPO1")->actions(), QList<QAction*>{action("notpaint1")});
  EXPECT_EQ(action("Dontshow1")->text(), "Don't show");
  EXPECT_EQ(action("PanelInt1")->text(), "Panel  Int.");
  EXPECT_EQ(action("F11")->text(), "F1");
}

// The library menus as a user sees them, separators written as "-".
TEST_F(FormTest, LibraryMenusShowTheirItemsAndSeparators) {
  const std::map<std::string, QStringList> expected = {
      {"MenuReN4", {"(1,3)", "-", "(3,1)"}},
      {"MenuReN5",
       {"(3,3)", "K=(5,5)", "-", "(3,5)", "(1,7)", "-", "(5,3)", "(7,1)", "-", "(3,5) + (5,3)",
        "(1,7) +(7,1)", "-", "(3,5) p K", "(1,7) p K"}},
      {"MenuReN6n", {"(9,25)", "(17,19)", "-", "(6,22)"}},
      {"MenuReN6",
       {"1  3,7", "2  3,11", "3  5,7", "4  6,7", "5  9,13", "-", "6  17,25", "7  5,13", "8  6,38",
        "9  9,11", "10  6,14", "-", "11  33,35", "12  5,37", "13  1,15", "14  7,9"}},
      {"MenuReN6S",
       {"3,7", "3,11", "5,7", "6,7", "9,13", "17,25", "5,13", "6,38", "9,11", "6,14", "33,35", "5,37",
        "1,15", "7,9"}},
      {"MenuPlus", {"13", "12", "11", "10", "09", "08", "07", "06", "05", "04"}},
  };
  for (const auto& [name, items] : expected) {
    const auto id = quorvan::controlByName(name);
    ASSERT_TRUE(id) << name;
    auto* menu = qobject_cast<QMenu*>(form_->control(*id));
    ASSERT_NE(menu, nullptr) << name;
    QStringList shown;
    for (QAction* a : menu->actions()) shown << (a->isSeparator() ? QString("-") : a->text());
    EXPECT_EQ(shown, items) << name;
  }
}

// A library item loads its own file into table 1 and shows it.
TEST_F(FormTest, LibraryItemLoadsItsFileIntoTableOne) {
  ASSERT_TRUE(QDir(dir_.path()).mkpath("RT_5"));
  QByteArray file(8044, '\0');
  auto put = [&](int offset, qint32 v) { qToLittleEndian(v, file.data() + offset); };
  put(0, 5);   // point count
  put(36, 5);  // columns
  put(40, 2);  // rows
  const char rows[2][9] = {{0, 4, 2, 1, 1}, {1, 1, 1, 1, 3}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 9; ++c) file[44 + 9 * r + c] = rows[r][c];
  QFile out(dir_.path() + "/RT_5/r_3_3.dat");
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(file);
  out.close();

  QAction* item = nullptr;
  for (QAction* a : find<QMenu>("MenuReN5")->actions())
    if (a->text() == "(3,3)") item = a;
  ASSERT_NE(item, nullptr);
  item->trigger();
  const QStringList lines = find<QPlainTextEdit>("RichEdit4")->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith("  0   -1  2  1  1")) << lines[0].toStdString();
  EXPECT_EQ(find<QLabel>("Label194")->text(), "5");
  EXPECT_EQ(find<QLabel>("Label195")->text(), "2");
}

TEST_F(FormTest, StartUpLeavesTheDocumentedState) {
  EXPECT_EQ(statusText(), "0");
  for (int d = 1; d <= 11; ++d) {
    SCOPED_TRACE(d);
    EXPECT_EQ(qobject_cast<QCheckBox*>(form_->control(quorvan::leftMaskBox(d)))->isChecked(), d <= 2);
    EXPECT_EQ(qobject_cast<QCheckBox*>(form_->control(quorvan::rightMaskBox(d)))->isChecked(), d == 1);
  }
  EXPECT_EQ(find<QLineEdit>("Edit1")->text(), "11");
  EXPECT_EQ(find<UpDown>("UpDown2")->position(), 11);
  EXPECT_FALSE(box("CheckBox33")->isChecked()) << "start-up ends in the feeding view";
  EXPECT_TRUE(box("CheckBox43")->isChecked());
  EXPECT_TRUE(box("CheckBox29")->isEnabled()) << "the m boxes follow the feeding view";
  EXPECT_FALSE(box("CheckBox34")->isEnabled());
  EXPECT_TRUE(button("Button125")->isEnabled());
  EXPECT_FALSE(button("Button126")->isEnabled());
  EXPECT_FALSE(button("Button124")->isEnabled());
  EXPECT_FALSE(find<QTimer>("Timer1")->isActive());
  EXPECT_EQ(find<RadioGroup>("RadioGroup15")->itemIndex(), 1);
  EXPECT_EQ(find<QLineEdit>("Edit45")->text(), "50");
  EXPECT_EQ(find<QPlainTextEdit>("RichEdit5")->toPlainText(), "(=0) 0 column = -1");
  EXPECT_FALSE(widget("RichEdit7")->isVisible());
  EXPECT_FALSE(widget("Image9")->isVisible());
  EXPECT_TRUE(action("MainPanel1")->isChecked());
  EXPECT_FALSE(action("Extended1")->isChecked());
  EXPECT_TRUE(action("ResNfbleN11")->isChecked());
  // The first random line was made in the ordinary view with "Ordinary"
  // checked, but the view then switched and cleared: nothing is drawn.
  const QImage& img = form_->canvas().image();
  int drawn = 0;
  for (int y = 0; y < 800; ++y)
    for (int x = 0; x < 1032; ++x) drawn += img.pixel(x, y) != qRgb(240, 240, 240);
  EXPECT_EQ(drawn, 0);
}

TEST_F(FormTest, ViewTogglesFlipTheirMarkAndTheirTargets) {
  struct Toggle {
    const char* item;
    std::vector<const char*> targets;
  };
  const Toggle toggles[] = {
      {"MainPanel1", {"GroupBox16"}}, {"SingleWork1", {"GroupBox8"}}, {"Scale1", {"GroupBox21"}},
      {"F3x1", {"RichEdit3"}},        {"F2x1", {"RichEdit10"}},       {"INTEGRATEDPanel1", {"Panel1"}},
  };
  for (const Toggle& t : toggles) {
    SCOPED_TRACE(t.item);
    QAction* a = action(t.item);
    for (int round = 0; round < 2; ++round) {
      const bool before = a->isChecked();
      a->trigger();
      EXPECT_EQ(a->isChecked(), !before);
      for (const char* target : t.targets) EXPECT_EQ(widget(target)->isVisible(), !before) << target;
    }
  }
  // "Panel  Int." flips its panel without a mark of its own.
  QAction* panelInt = action("PanelInt1");
  EXPECT_FALSE(panelInt->isCheckable());
  panelInt->trigger();
  EXPECT_TRUE(widget("Panel2")->isVisible());
  panelInt->trigger();
  EXPECT_FALSE(widget("Panel2")->isVisible());
}

TEST_F(FormTest, ExtendedStartsClearWhileItsPanelsShow) {
  QAction* extended = action("Extended1");
  ASSERT_FALSE(extended->isChecked());
  ASSERT_TRUE(widget("Panel6")->isVisible());
  extended->trigger();
  EXPECT_TRUE(extended->isChecked());
  EXPECT_TRUE(widget("Panel6")->isVisible());
  EXPECT_TRUE(widget("Panel7")->isVisible());
  extended->trigger();
  EXPECT_FALSE(extended->isChecked());
  EXPECT_FALSE(widget("Panel6")->isVisible());
  EXPECT_FALSE(widget("Panel7")->isVisible());
}

TEST_F(FormTest, ClickOnResultsRemovesResearchMenusAndMaskPanels) {
  QWidget* results = widget("GroupBox5");
  QTest::mouseClick(results, Qt::LeftButton, {}, QPoint(results->width() - 4, results->height() - 4));
  for (const char* m : {"MenuZAD", "MenuFile2", "MenuInitial", "MenuT6", "MenuEXPO1", "MenuNEW", "Menu1DIM"})
    EXPECT_FALSE(find<QMenu>(m)->menuAction()->isVisible()) << m;
  for (const char* m : {"MenuFile", "MenuView", "MenuExplore", "MenuHelp", "MenuReN5"})
    EXPECT_TRUE(find<QMenu>(m)->menuAction()->isVisible()) << m;
  EXPECT_FALSE(widget("Panel6")->isVisible());
  EXPECT_FALSE(widget("Panel7")->isVisible());
  // A second click changes nothing further.
  QMetaObject::invokeMethod(form_.get(), "GroupBox5Click");
  EXPECT_FALSE(find<QMenu>("MenuZAD")->menuAction()->isVisible());
}

TEST_F(FormTest, PicturesAreEmbedded) {
  auto* table = find<QLabel>("Image9");
  EXPECT_EQ(table->size(), QSize(169, 185));
  EXPECT_TRUE(table->hasScaledContents());
  const QImage bitmap = table->pixmap().toImage();
  ASSERT_EQ(bitmap.size(), QSize(500, 489));
  QSet<QRgb> colours;
  for (int y = 0; y < bitmap.height(); y += 3)
    for (int x = 0; x < bitmap.width(); x += 3) colours.insert(bitmap.pixel(x, y));
  EXPECT_EQ(colours.size(), 2) << "a two-colour bitmap";
  for (const char* name :
       {"Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image10", "Image11"}) {
    auto* picture = find<QLabel>(name);
    EXPECT_FALSE(picture->pixmap().isNull()) << name;
    EXPECT_EQ(picture->parentWidget(), widget("GroupBox5")) << name;
  }
  // The one-panel-per-class layout shows the table and the lower panels.
  action("N7")->trigger();
  EXPECT_TRUE(table->isVisible());
  for (const char* panel : {"RichEdit7", "RichEdit8", "RichEdit9"}) EXPECT_TRUE(widget(panel)->isVisible());
  action("ResT0c1c11")->trigger();
  EXPECT_FALSE(table->isVisible());
  EXPECT_FALSE(widget("RichEdit7")->isVisible());
}

TEST_F(FormTest, MenuItemMarkIsTheCoresNotQts) {
  // Triggering a checkable item flips Qt's own mark first; the window must
  // end with whatever the core decided. "Timer10" and "is SMES" are marks
  // the core keeps; "Write 1" carries none.
  QAction* smes = action("isSMES1");
  ASSERT_TRUE(smes->isChecked());
  smes->trigger();
  EXPECT_EQ(smes->isChecked(), form_->lab().checked(quorvan::Ctl::isSMES1));
  EXPECT_FALSE(smes->isChecked());
  QAction* write = action("Write11");
  EXPECT_FALSE(write->isCheckable());
  write->trigger();
  EXPECT_FALSE(write->isChecked());
}

TEST_F(FormTest, TypingIntoTheLengthEditMovesTheSpinner) {
  auto* edit = find<QLineEdit>("Edit1");
  edit->selectAll();
  QTest::keyClicks(edit, "25x");
  EXPECT_EQ(edit->text(), "25x") << "the core must not rewrite the text being typed";
  EXPECT_EQ(find<UpDown>("UpDown2")->position(), 25);
  EXPECT_EQ(form_->lab().lattice.lineLength, 25);
}

TEST_F(FormTest, SpinnerArrowWritesTheEdit) {
  auto* spin = find<UpDown>("UpDown2");
  spin->upButton()->click();
  EXPECT_EQ(spin->position(), 12);
  EXPECT_EQ(find<QLineEdit>("Edit1")->text(), "12");
  EXPECT_EQ(form_->lab().lattice.lineLength, 12);
}

TEST_F(FormTest, GoAndStopDriveTheStepTimer) {
  auto* timer = find<QTimer>("Timer1");
  EXPECT_EQ(timer->interval(), 1);
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
  EXPECT_EQ(find<QTimer>("Timer11")->interval(), 10);
  EXPECT_EQ(find<QTimer>("Timer10")->interval(), 10);
  box("CheckBox33")->click();  // ordinary view: a line without end
  button("Button6")->click();
  EXPECT_TRUE(timer->isActive());
  QTest::qWait(60);
  EXPECT_GT(statusText().toInt(), 0) << "the timer's ticks reached the step handler";
  button("Button140")->click();
  EXPECT_FALSE(timer->isActive());
}

TEST_F(FormTest, StartTestRunsTrialsOnTheTimersUntilStop) {
  // Any ambiguity box a trial raises is closed at once.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  closer.start(5);
  button("Button125")->click();
  EXPECT_FALSE(button("Button125")->isEnabled());
  EXPECT_TRUE(button("Button126")->isEnabled());
  EXPECT_FALSE(button("Button124")->isEnabled());
  EXPECT_TRUE(find<QTimer>("Timer11")->isActive());
  QTRY_VERIFY_WITH_TIMEOUT(find<QLabel>("Label138")->text().toInt() >= 2, 5000);
  button("Button126")->click();
  EXPECT_FALSE(find<QTimer>("Timer11")->isActive());
  EXPECT_FALSE(find<QTimer>("Timer1")->isActive());
  EXPECT_TRUE(button("Button124")->isEnabled());
  EXPECT_TRUE(button("Button125")->isEnabled());
  EXPECT_FALSE(find<QPlainTextEdit>("RichEdit4")->toPlainText().isEmpty());
}

TEST_F(FormTest, ManageGroupTakesTheCoresColour) {
  // Sampled from the group's rendering, just inside its lower left corner.
  auto colour = [&] {
    QWidget* manage = widget("GroupBoxManage");
    return QColor(manage->grab().toImage().pixel(3, manage->height() - 4));
  };
  button("Button10")->click();  // "Reverse": time now runs backwards
  EXPECT_EQ(colour(), QColor(0, 120, 215));
  button("Button10")->click();
  EXPECT_EQ(colour(), QColor(255, 255, 0));
  button("Button7")->click();  // the full stop paints it back
  EXPECT_EQ(colour(), QColor(240, 240, 240));
}

TEST_F(FormTest, WarningIsAModalOkBox) {
  bool seen = false;
  onNextModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "Warning");
    EXPECT_EQ(box->text(), "    AMBIGUITY!!!  ");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    seen = true;
  });
  form_->lab().warn("    AMBIGUITY!!!  ");
  EXPECT_TRUE(seen);
  EXPECT_EQ(form_->lab().warningCount, 1);
}

TEST_F(FormTest, HelpItemsOpenTheirModalWindows) {
  QString title, date;
  onNextModal([&](QWidget* modal) {
    title = modal->windowTitle();
    if (auto* l = modal->findChild<QLabel*>("LabelDate")) date = l->text();
  });
  action("About1")->trigger();
  EXPECT_EQ(title, "About");
  EXPECT_EQ(date, "6.08.13");
  onNextModal([&](QWidget* modal) { title = modal->windowTitle(); });
  action("F11")->trigger();
  EXPECT_EQ(title, "Help");
  EXPECT_FALSE(form_->aboutWindow()->isVisible());
  EXPECT_FALSE(form_->helpWindow()->isVisible());
}

TEST_F(FormTest, LongPanelTextArrivesShortlyAfter) {
  auto& controls = form_->lab().controls;
  auto* panel = find<QPlainTextEdit>("RichEdit4");
  controls.setLines(quorvan::Ctl::RichEdit4, "short", 1);
  form_->sync();
  EXPECT_EQ(panel->toPlainText(), "short");

  std::string big;
  for (int i = 0; i < 30000; ++i) big += "  0  1 -2  1  0\n";
  controls.setLines(quorvan::Ctl::RichEdit4, big, 30000);
  form_->sync();
  EXPECT_EQ(panel->toPlainText(), "short") << "a long text is not set within the handler";
  // Rewritten again before it was shown: only the latest text counts.
  big += "last";
  controls.setLines(quorvan::Ctl::RichEdit4, big, 30001);
  form_->sync();
  QTRY_COMPARE_WITH_TIMEOUT(panel->blockCount(), 30001, 2000);
  EXPECT_TRUE(panel->toPlainText().endsWith("last"));
}


// The items a script may `check` are exactly the window's check-mark items.
TEST_F(FormTest, CheckMarkItemsAreTheOnesScriptsMayCheck) {
  for (int i = 0; i < quorvan::kControlCount; ++i) {
    const auto id = static_cast<quorvan::Ctl>(i);
    if (quorvan::controlKind(id) != quorvan::Kind::MenuItem) continue;
    auto* item = qobject_cast<QAction*>(form_->control(id));
    ASSERT_NE(item, nullptr) << quorvan::controlName(id);
    EXPECT_EQ(item->isCheckable(), quorvan::hasCheckMark(id)) << quorvan::controlName(id);
  }
}

}  // namespace
