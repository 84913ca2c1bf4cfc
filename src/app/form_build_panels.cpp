// The borderless panels (batch statistics, mask distances 7..10, the
// research panel), the hidden "Theory" group, and the wiring of every
// control to its named slot.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/form_build.h"
#include "app/surface.h"

using form::caption;
using form::opaque;
using form::place;
using quorvan::Ctl;
using quorvan::Kind;

namespace {

QFrame* raisedPanel(QFrame* f) {
  f->setFrameShape(QFrame::Panel);
  f->setFrameShadow(QFrame::Raised);
  return opaque(f);
}

}  // namespace

void TForm1::buildBatchPanel() {
  NAMED(Panel1, QFrame, surface_);
  raisedPanel(Panel1);
  place(Panel1, 216, 200, 473, 353);
  QWidget* p = Panel1;
  caption(p, "Batch of random runs (lengths 20..39)", 12, 8, 300, 16);
  struct Row {
    const char* text;
    QLabel** runs;
    Ctl runsId;
    QLabel** average;
    Ctl averageId;
  };
  const Row rows[] = {
      {"ended runs", &Label10, Ctl::Label10, nullptr, Ctl::Count},
      {"unfinished (step cap)", &Label31, Ctl::Label31, nullptr, Ctl::Count},
      {"|b0|/2 = 0", &Label70, Ctl::Label70, nullptr, Ctl::Count},
      {"|b0|/2 > 0", &Label71, Ctl::Label71, nullptr, Ctl::Count},
      {"|b0|/2 = 1", &Label87, Ctl::Label87, &Label88, Ctl::Label88},
      {"|b0|/2 = 2..4", &Label89, Ctl::Label89, &Label93, Ctl::Label93},
      {"|b0|/2 >= 5", &Label94, Ctl::Label94, &Label95, Ctl::Label95},
      {"0, a cell kept", &Label72, Ctl::Label72, &Label73, Ctl::Label73},
      {"0, T1 = T2 = 3", &Label75, Ctl::Label75, nullptr, Ctl::Count},
      {"0, T1 even", &Label79, Ctl::Label79, &Label82, Ctl::Label82},
      {"0, T1 odd", &Label84, Ctl::Label84, &Label85, Ctl::Label85},
  };
  caption(p, "runs", 200, 32, 60, 16)->setStyleSheet("color: gray");
  caption(p, "average T1", 280, 32, 80, 16)->setStyleSheet("color: gray");
  int y = 52;
  for (const Row& r : rows) {
    caption(p, r.text, 24, y, 170, 16);
    *r.runs = make<QLabel>(r.runsId, p);
    place(*r.runs, 200, y, 70, 16);
    if (r.average) {
      *r.average = make<QLabel>(r.averageId, p);
      place(*r.average, 280, y, 70, 16);
    }
    y += 22;
  }
  caption(p, "length range", 24, y + 8, 170, 16);
  NAMED(Label109, QLabel, p);
  place(Label109, 200, y + 8, 40, 16);
  NAMED(Label110, QLabel, p);
  place(Label110, 280, y + 8, 40, 16);
}

void TForm1::buildMaskPanels() {
  // Left-hand distances read outwards to the left, 10 9 8 7, so the row
  // continues the left row of "Mask"; the right-hand ones continue its
  // right row, 7 8 9 10.
  NAMED(Panel7, QFrame, surface_);
  raisedPanel(Panel7);
  place(Panel7, 0, 128, 145, 33);
  QCheckBox** left[] = {&CheckBox12, &CheckBox11, &CheckBox10, &CheckBox9};
  const Ctl leftIds[] = {Ctl::CheckBox12, Ctl::CheckBox11, Ctl::CheckBox10, Ctl::CheckBox9};
  NAMED(Panel6, QFrame, surface_);
  raisedPanel(Panel6);
  place(Panel6, 352, 152, 145, 33);
  QCheckBox** right[] = {&CheckBox20, &CheckBox21, &CheckBox22, &CheckBox23};
  const Ctl rightIds[] = {Ctl::CheckBox20, Ctl::CheckBox21, Ctl::CheckBox22, Ctl::CheckBox23};
  for (int i = 0; i < 4; ++i) {
    *left[i] = make<QCheckBox>(leftIds[i], QString::number(10 - i), Panel7);
    place(*left[i], 4 + i * 35, 8, 35, 17);
    *right[i] = make<QCheckBox>(rightIds[i], QString::number(7 + i), Panel6);
    place(*right[i], 4 + i * 35, 8, 35, 17);
  }
  NAMED(CheckBox13, QCheckBox, "11", Panel7);
  place(CheckBox13, 4, 8, 35, 17);
  NAMED(CheckBox24, QCheckBox, "11", Panel6);
  place(CheckBox24, 106, 8, 35, 17);
}

void TForm1::buildResearchPanel() {
  NAMED(Panel2, QFrame, surface_);
  raisedPanel(Panel2);
  place(Panel2, 232, 560, 457, 110);
  caption(Panel2, "Int.", 8, 6, 60, 16);
}

void TForm1::buildTheory() {
  NAMED(GroupBoxTheory, QGroupBox, "Theory", surface_);
  opaque(GroupBoxTheory);
  place(GroupBoxTheory, 232, 200, 440, 170);
  QWidget* g = GroupBoxTheory;
  NAMED(RadioGroup12, RadioGroup, g);
  RadioGroup12->setTitle("Predictoms");
  RadioGroup12->setItems({"NOT", "Marker Work", "Direct Work 3"});
  place(RadioGroup12, 8, 18, 130, 70);
  NAMED(RadioGroup2, RadioGroup, g);
  RadioGroup2->setTitle("Border");
  RadioGroup2->setItems({"Frozen A", "Circle"});
  place(RadioGroup2, 8, 92, 130, 52);
  NAMED(CheckBox36, QCheckBox, "Marker 36", g);
  place(CheckBox36, 146, 20, 90, 17);
  NAMED(CheckBox37, QCheckBox, "DrRab 37", g);
  place(CheckBox37, 146, 40, 90, 17);
  struct Command {
    QPushButton** member;
    Ctl id;
    const char* text;
  };
  const Command commands[] = {
      {&Button93, Ctl::Button93, "Clear 93"},
      {&Button127, Ctl::Button127, "Do from mask"},
      {&Button129, Ctl::Button129, "Do from mask"},
      {&Button122, Ctl::Button122, "Nac 122"},
      {&Button119, Ctl::Button119, "D Theory +R 119"},
      {&Button101, Ctl::Button101, "Button101"},
      {&Button5, Ctl::Button5, "M A =0 5"},
      {&Button3, Ctl::Button3, "Пок (3)"},
      {&Button103, Ctl::Button103, "Button103"},
  };
  for (int i = 0; i < 9; ++i) {
    *commands[i].member = make<QPushButton>(commands[i].id, QString::fromUtf8(commands[i].text), g);
    place(*commands[i].member, 244 + (i % 2) * 96, 18 + (i / 2) * 28, 92, 24);
  }
}

// Each control reaches the slot named after its handler; the string form of
// connect lets one loop serve them all, and a missing slot shows up at once.
void TForm1::wireControls() {
  for (int i = 0; i < quorvan::kControlCount; ++i) {
    const auto id = static_cast<Ctl>(i);
    QObject* o = control(id);
    if (!o) continue;
    const QByteArray name = quorvan::controlName(id);
    const char* signal = nullptr;
    QByteArray slot;
    switch (quorvan::controlKind(id)) {
      case Kind::Button:
        signal = SIGNAL(clicked());
        slot = name + "Click()";
        break;
      case Kind::CheckBox:
        signal = SIGNAL(clicked());
        slot = name + "Click()";
        break;
      case Kind::RadioGroup:
        signal = SIGNAL(itemClicked(int));
        slot = name + "Click()";
        break;
      case Kind::Edit:
        signal = SIGNAL(textEdited(QString));
        slot = name + "Change()";
        break;
      case Kind::UpDown:
        signal = SIGNAL(clicked(int));
        slot = name + "Click()";
        break;
      case Kind::MenuItem:
        signal = SIGNAL(triggered());
        slot = name + "Click()";
        break;
      case Kind::Timer:
        signal = SIGNAL(timeout());
        slot = name + "Timer()";
        break;
      default: break;
    }
    if (!signal) continue;
    // SLOT() prefixes the code "1" to the signature.
    connect(o, signal, this, ("1" + slot).constData());
  }
  connect(GroupBox5, &ClickableGroupBox::clicked, this, &TForm1::GroupBox5Click);
}
