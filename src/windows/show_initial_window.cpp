#include "windows/show_initial_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using quorvan::Ctl;

namespace {

struct EntryRow {
  Ctl cPosition, cCompanion, bPosition, bCompanion;
};

}  // namespace

TForm3::TForm3(const std::function<void(Ctl, QObject*)>& registerObject, QWidget* parent) : QDialog(parent) {
  registerObject(Ctl::TForm3, this);
  setWindowTitle("Show initial");
  setModal(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(240, 240, 240));
  setPalette(pal);
  resize(403, 437);
  move(444, 125);

  auto label = [this](QLabel*& member, const char* name, const QString& text, int left, int top) {
    member = new QLabel(text, this);
    member->setObjectName(QString("Form3") + name);
    member->setGeometry(left, top, member->sizeHint().width(), 16);
  };
  label(Label1, "Label1", "Npoints \"C\"", 32, 24);
  label(Label2, "Label2", "Npoints \"B\"", 280, 24);
  label(Label7, "Label7", "SIZE X =", 144, 32);
  label(Label3, "Label3", "X", 48, 80);
  label(Label4, "Label4", "Y", 112, 80);
  label(Label5, "Label5", "X", 240, 80);
  label(Label6, "Label6", "Y", 312, 80);

  using Slot = void (TForm3::*)();
  auto edit = [&](QLineEdit*& member, Ctl id, int left, int top, int width, Slot handler) {
    member = new QLineEdit(this);
    registerObject(id, member);
    member->setGeometry(left, top, width, 21);
    // Every edit tells the core what it shows, so that the next opening
    // rewrites whatever was typed; the bound ones through their handlers.
    if (handler)
      connect(member, &QLineEdit::textEdited, this, handler);
    else
      connect(member, &QLineEdit::textEdited, this, [this, id] { emit edited(id); });
  };
  edit(Edit1, Ctl::Form3Edit1, 32, 48, 65, &TForm3::Edit1Change);
  edit(Edit2, Ctl::Form3Edit2, 288, 48, 65, &TForm3::Edit2Change);
  edit(Edit11, Ctl::Form3Edit11, 200, 32, 41, &TForm3::Edit11Change);

  QLineEdit** rows[8][4] = {
      {&Edit3, &Edit4, &Edit7, &Edit8},     {&Edit5, &Edit6, &Edit9, &Edit10},
      {&Edit12, &Edit13, &Edit26, &Edit27}, {&Edit14, &Edit15, &Edit24, &Edit25},
      {&Edit16, &Edit17, &Edit22, &Edit23}, {&Edit18, &Edit19, &Edit21, &Edit20},
      {&Edit28, &Edit29, &Edit30, &Edit31}, {&Edit33, &Edit32, &Edit34, &Edit35},
  };
  const EntryRow ids[8] = {
      {Ctl::Form3Edit3, Ctl::Form3Edit4, Ctl::Form3Edit7, Ctl::Form3Edit8},
      {Ctl::Form3Edit5, Ctl::Form3Edit6, Ctl::Form3Edit9, Ctl::Form3Edit10},
      {Ctl::Form3Edit12, Ctl::Form3Edit13, Ctl::Form3Edit26, Ctl::Form3Edit27},
      {Ctl::Form3Edit14, Ctl::Form3Edit15, Ctl::Form3Edit24, Ctl::Form3Edit25},
      {Ctl::Form3Edit16, Ctl::Form3Edit17, Ctl::Form3Edit22, Ctl::Form3Edit23},
      {Ctl::Form3Edit18, Ctl::Form3Edit19, Ctl::Form3Edit21, Ctl::Form3Edit20},
      {Ctl::Form3Edit28, Ctl::Form3Edit29, Ctl::Form3Edit30, Ctl::Form3Edit31},
      {Ctl::Form3Edit33, Ctl::Form3Edit32, Ctl::Form3Edit34, Ctl::Form3Edit35},
  };
  const Slot bound[2][4] = {
      {&TForm3::Edit3Change, &TForm3::Edit4Change, &TForm3::Edit7Change, &TForm3::Edit8Change},
      {&TForm3::Edit5Change, &TForm3::Edit6Change, &TForm3::Edit9Change, &TForm3::Edit10Change}};
  const int tops[8] = {104, 136, 168, 200, 232, 264, 296, 328};
  const int lefts[4] = {40, 112, 240, 312};
  for (int r = 0; r < 8; ++r) {
    const Ctl rowIds[4] = {ids[r].cPosition, ids[r].cCompanion, ids[r].bPosition, ids[r].bCompanion};
    for (int c = 0; c < 4; ++c)
      edit(*rows[r][c], rowIds[c], lefts[c], tops[r], 57, r < 2 ? bound[r][c] : nullptr);
  }

  Button1 = new QPushButton("DO", this);
  registerObject(Ctl::Form3Button1, Button1);
  Button1->setGeometry(208, 368, 75, 25);
  Button1->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
  hide();
}
