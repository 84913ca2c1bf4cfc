// The groups beside "D Work": "Single Work", "Results", "Length =",
// "Initial" and "Scale".
#include <QCheckBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "app/form_build.h"
#include "app/surface.h"

using form::caption;
using form::opaque;
using form::place;
using quorvan::Ctl;

void TForm1::buildSingleWork() {
  NAMED(GroupBox8, QGroupBox, "Single Work", surface_);
  opaque(GroupBox8);
  place(GroupBox8, 8, 480, 217, 201);
  QWidget* s = GroupBox8;

  NAMED(GroupBoxManage, QGroupBox, "Manage", s);
  opaque(GroupBoxManage);
  place(GroupBoxManage, 6, 16, 100, 72);
  NAMED(Button6, QPushButton, "GO", GroupBoxManage);
  place(Button6, 6, 16, 42, 22);
  NAMED(Button7, QPushButton, "Stop", GroupBoxManage);
  place(Button7, 52, 16, 42, 22);
  NAMED(Button140, QPushButton, "Stop", GroupBoxManage);
  place(Button140, 52, 42, 42, 22);
  NAMED(Button10, QPushButton, "Reverse", GroupBoxManage);
  place(Button10, 6, 42, 42, 22);
  NAMED(Label21, QLabel, GroupBoxManage);
  place(Label21, 88, 2, 10, 14);

  NAMED(GroupBoxStepWork, QGroupBox, "Step work", s);
  opaque(GroupBoxStepWork);
  place(GroupBoxStepWork, 110, 16, 100, 72);
  NAMED(Button1, QPushButton, "One st.", GroupBoxStepWork);
  place(Button1, 6, 16, 88, 22);
  NAMED(Button57, QPushButton, "-", GroupBoxStepWork);
  place(Button57, 6, 42, 42, 22);
  NAMED(Button72, QPushButton, "-", GroupBoxStepWork);
  place(Button72, 52, 42, 42, 22);
  NAMED(Button2, QPushButton, "n steps", GroupBoxStepWork);
  place(Button2, 6, 16, 42, 22);
  NAMED(Edit2, QLineEdit, GroupBoxStepWork);
  place(Edit2, 52, 16, 26, 20);
  NAMED(UpDown1, UpDown, GroupBoxStepWork);
  place(UpDown1, 78, 16, 16, 20);

  NAMED(CheckBox33, QCheckBox, "Ordinary", s);
  place(CheckBox33, 8, 92, 74, 17);
  NAMED(CheckBox34, QCheckBox, QString(), s);
  CheckBox34->setToolTip("Ordinary view: draw the direct line");
  place(CheckBox34, 86, 92, 20, 17);
  NAMED(CheckBox35, QCheckBox, "CheckBox35", s);
  CheckBox35->setToolTip("Ordinary view: draw the dual line");
  place(CheckBox35, 108, 92, 100, 17);

  struct Switch {
    QCheckBox** member;
    Ctl id;
    const char* text;
  };
  const Switch switches[] = {{&CheckBox1, Ctl::CheckBox1, "mA"},    {&CheckBox2, Ctl::CheckBox2, "mB"},
                             {&CheckBox29, Ctl::CheckBox29, "mC"},  {&CheckBox30, Ctl::CheckBox30, "mdA"},
                             {&CheckBox31, Ctl::CheckBox31, "mdB"}, {&CheckBox32, Ctl::CheckBox32, "mdC"}};
  for (int i = 0; i < 6; ++i) {
    *switches[i].member = make<QCheckBox>(switches[i].id, switches[i].text, s);
    place(*switches[i].member, 8 + (i % 3) * 48, 112 + (i / 3) * 18, 48, 17);
  }
  NAMED(Button16, QPushButton, "Button16", s);
  place(Button16, 154, 114, 56, 30);

  NAMED(RadioGroup4, RadioGroup, s);
  RadioGroup4->setTitle("Mouse");
  RadioGroup4->setItems({"Edit cells", "Off"}, 2);
  place(RadioGroup4, 6, 152, 204, 42);
}

void TForm1::buildResults() {
  NAMED(GroupBox5, ClickableGroupBox, "Results", surface_);
  opaque(GroupBox5);
  place(GroupBox5, 784, 8, 233, 337);
  QWidget* g = GroupBox5;
  auto rowCaption = [&](const char* text, int y, int width = 84) {
    caption(g, text, 8, y, width, 15)->setStyleSheet("color: gray");
  };
  auto value = [&](QLabel*& member, Ctl id, int x, int y, int w) {
    member = make<QLabel>(id, g);
    place(member, x, y, w, 15);
  };

  rowCaption("balance /2", 18);
  value(Label3, Ctl::Label3, 92, 18, 32);
  value(Label4, Ctl::Label4, 126, 18, 32);
  value(Label6, Ctl::Label6, 160, 18, 32);
  value(Label17, Ctl::Label17, 194, 18, 34);
  rowCaption("dual /2", 34);
  value(Label18, Ctl::Label18, 92, 34, 32);
  value(Label23, Ctl::Label23, 126, 34, 32);
  value(Label26, Ctl::Label26, 160, 34, 32);
  value(Label27, Ctl::Label27, 194, 34, 34);
  rowCaption("finish T1, T2", 54);
  value(Label25, Ctl::Label25, 92, 54, 50);
  value(Label34, Ctl::Label34, 146, 54, 50);
  rowCaption("(T1+T2)/3", 70);
  value(Label56, Ctl::Label56, 92, 70, 136);
  rowCaption("|b0| = |bD0|", 90, 150);
  value(Label29, Ctl::Label29, 160, 90, 60);
  rowCaption("finals differ", 106, 150);
  value(Label33, Ctl::Label33, 160, 106, 60);
  rowCaption("no cell kept", 122, 150);
  value(Label112, Ctl::Label112, 160, 122, 60);
  rowCaption("|T1-T2| = |b0|/2", 138, 150);
  value(Label35, Ctl::Label35, 160, 138, 60);
  rowCaption("class", 158);
  value(Label131, Ctl::Label131, 92, 158, 32);
  value(Label130, Ctl::Label130, 126, 158, 32);
  value(Label128, Ctl::Label128, 160, 158, 32);
  value(Label132, Ctl::Label132, 194, 158, 34);
  rowCaption("record rows", 174, 150);
  value(Label37, Ctl::Label37, 160, 174, 60);
  rowCaption("dual A = C", 190, 150);
  value(Label24, Ctl::Label24, 160, 190, 60);
  rowCaption("dual C = A", 206, 150);
  value(Label32, Ctl::Label32, 160, 206, 60);
  rowCaption("check", 222, 150);
  value(LabelCheck, Ctl::LabelCheck, 160, 222, 60);

  // The legend of the diagram's marks.
  caption(g, "Marks", 8, 246, 84, 15)->setStyleSheet("color: gray");
  struct Picture {
    QLabel** member;
    Ctl id;
    const char* file;
    const char* text;
  };
  const Picture pictures[] = {
      {&Image2, Ctl::Image2, "direct_c.png", "C"},    {&Image3, Ctl::Image3, "direct_b.png", "B"},
      {&Image4, Ctl::Image4, "dual_c.png", "dual C"}, {&Image5, Ctl::Image5, "dual_b.png", "dual B"},
      {&Image6, Ctl::Image6, "feed_a.png", "A fed"},  {&Image7, Ctl::Image7, "feed_dual_a.png", "dual A"},
      {&Image10, Ctl::Image10, "time.png", "time"},   {&Image11, Ctl::Image11, "weight.png", "weight"},
  };
  for (int i = 0; i < 8; ++i) {
    const int x = 8 + (i % 3) * 74, y = 264 + (i / 3) * 23;
    *pictures[i].member = make<QLabel>(pictures[i].id, g);
    QLabel* pic = *pictures[i].member;
    pic->setPixmap(QPixmap(QString(":/pictures/") + pictures[i].file));
    place(pic, x, y, 20, 20);
    caption(g, pictures[i].text, x + 23, y + 3, 48, 15);
  }
}

void TForm1::buildLength() {
  NAMED(GroupBox2, QGroupBox, "Length =", surface_);
  opaque(GroupBox2);
  place(GroupBox2, 784, 352, 65, 49);
  NAMED(Edit1, QLineEdit, GroupBox2);
  Edit1->setAlignment(Qt::AlignRight);
  place(Edit1, 6, 20, 37, 21);
  NAMED(UpDown2, UpDown, GroupBox2);
  place(UpDown2, 43, 20, 16, 21);
}

void TForm1::buildInitial() {
  NAMED(GroupBox11, QGroupBox, "Initial", surface_);
  opaque(GroupBox11);
  place(GroupBox11, 856, 352, 145, 49);
  QWidget* g = GroupBox11;
  NAMED(Button58, QPushButton, "Random", g);
  place(Button58, 6, 18, 62, 24);
  caption(g, "NB=", 74, 23, 24);
  NAMED(Edit7, QLineEdit, g);
  Edit7->setAlignment(Qt::AlignRight);
  place(Edit7, 100, 20, 38, 21);
  // Hidden in the form: the C count, and the two pens in their own hidden
  // groups "C" and "Afr".
  NAMED(Edit6, QLineEdit, g);
  place(Edit6, 100, 20, 38, 21);
  NAMED(GroupBoxPenC, QGroupBox, "C", g);
  opaque(GroupBoxPenC);
  place(GroupBoxPenC, 4, 4, 64, 42);
  NAMED(Edit3, QLineEdit, GroupBoxPenC);
  place(Edit3, 6, 16, 30, 20);
  NAMED(UpDown3, UpDown, GroupBoxPenC);
  place(UpDown3, 36, 16, 14, 20);
  NAMED(GroupBoxPenAfr, QGroupBox, "Afr", g);
  opaque(GroupBoxPenAfr);
  place(GroupBoxPenAfr, 74, 4, 64, 42);
  NAMED(Edit4, QLineEdit, GroupBoxPenAfr);
  place(Edit4, 6, 16, 30, 20);
  NAMED(UpDown4, UpDown, GroupBoxPenAfr);
  place(UpDown4, 36, 16, 14, 20);
  NAMED(Button8, QPushButton, "Clear", g);
  place(Button8, 6, 18, 62, 24);
}

void TForm1::buildScale() {
  NAMED(GroupBox21, QGroupBox, "Scale", surface_);
  opaque(GroupBox21);
  place(GroupBox21, 784, 608, 225, 65);
  QWidget* g = GroupBox21;
  caption(g, "X", 8, 24, 10);
  NAMED(Edit49, QLineEdit, g);
  Edit49->setAlignment(Qt::AlignRight);
  place(Edit49, 20, 21, 40, 21);
  caption(g, "Y", 68, 24, 10);
  NAMED(Edit50, QLineEdit, g);
  Edit50->setAlignment(Qt::AlignRight);
  place(Edit50, 80, 21, 40, 21);
  caption(g, "base", 128, 24, 30);
  NAMED(Label225, QLabel, g);
  place(Label225, 160, 24, 36, 16);
  NAMED(UpDown8, UpDown, g);
  place(UpDown8, 200, 18, 18, 28);
}
