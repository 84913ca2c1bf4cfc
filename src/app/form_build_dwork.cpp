// "D Work": the automatic test, the mask and the analysis window, the
// result counts and the Resolution Table panels.
#include <QCheckBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/form_build.h"
#include "app/surface.h"

using form::caption;
using form::opaque;
using form::place;
using quorvan::Ctl;

namespace {

QLineEdit* smallEdit(QLineEdit* e) {
  e->setAlignment(Qt::AlignRight);
  return e;
}

}  // namespace

void TForm1::buildDWork() {
  NAMED(GroupBox16, QGroupBox, "D Work", surface_);
  opaque(GroupBox16);
  place(GroupBox16, 72, 0, 705, 681);
  QWidget* d = GroupBox16;

  buildParameters(d);
  buildNTotal(d);
  buildCnfrol(d);

  caption(d, "Choose mask ", 546, 18, -1, 14, "LabelChooseMask");
  caption(d, "and press Start test ", 546, 32, -1, 14, "LabelPressStartTest");
  NAMED(Button125, QPushButton, "Start test", d);
  place(Button125, 546, 54, 74, 24);
  NAMED(Button126, QPushButton, "Stop", d);
  place(Button126, 624, 54, 36, 24);
  NAMED(Button124, QPushButton, "Clear", d);
  place(Button124, 664, 54, 36, 24);

  buildMask(d);
  buildNpoint(d);
  buildOffsets(d);
  buildResultsCr(d);
  buildRes(d);
  buildCompare(d);
  buildPanels(d);
}

void TForm1::buildParameters(QWidget* parent) {
  NAMED(GroupBox17, QGroupBox, "Parameters", parent);
  opaque(GroupBox17);
  place(GroupBox17, 6, 14, 240, 84);
  QWidget* g = GroupBox17;
  auto edit = [&](QLineEdit*& member, Ctl id, const char* label, int col, int row) {
    const int x = 6 + col * 64, y = 18 + row * 21;
    caption(g, label, x, y + 1, 29);
    member = smallEdit(make<QLineEdit>(id, g));
    place(member, x + 29, y, 32, 19);
  };
  edit(Edit45, Ctl::Edit45, "N0=", 0, 0);
  edit(Edit46, Ctl::Edit46, "dN0=", 1, 0);
  edit(Edit51, Ctl::Edit51, "N0=", 0, 1);
  edit(Edit47, Ctl::Edit47, "NB=", 1, 1);
  edit(Edit48, Ctl::Edit48, "C=", 0, 2);
  caption(g, "N0 + dN0 < 150", 134, 19, 104, 16, "LabelHintLength");
  caption(g, "C < 3000", 72, 61, 70, 16, "LabelHintRows");
  NAMED(CheckBox40, QCheckBox, "Auto", g);
  place(CheckBox40, 134, 39, 70, 18);
}

void TForm1::buildNTotal(QWidget* parent) {
  NAMED(GroupBoxNTotal, QGroupBox, "N total", parent);
  opaque(GroupBoxNTotal);
  place(GroupBoxNTotal, 250, 14, 78, 84);
  NAMED(Label138, QLabel, GroupBoxNTotal);
  place(Label138, 10, 18, 64, 16);
  caption(GroupBoxNTotal, "Not. ret", 10, 40, 64, 16, "LabelNotReturned");
  NAMED(Label139, QLabel, GroupBoxNTotal);
  place(Label139, 10, 58, 64, 16);
}

void TForm1::buildCnfrol(QWidget* parent) {
  NAMED(GroupBoxCnfrol, QGroupBox, "Cnfrol", parent);
  opaque(GroupBoxCnfrol);
  place(GroupBoxCnfrol, 332, 14, 208, 84);
  QWidget* g = GroupBoxCnfrol;
  NAMED(CheckBox43, QCheckBox, "Not Draw", g);
  place(CheckBox43, 6, 15, 98, 17);
  NAMED(CheckBox44, QCheckBox, "Ri or Dr", g);
  place(CheckBox44, 6, 31, 98, 17);
  NAMED(CheckBox42, QCheckBox, "CheckBox42", g);
  place(CheckBox42, 6, 47, 98, 17);
  NAMED(CheckBox38, QCheckBox, "CheckBox38", g);
  place(CheckBox38, 6, 63, 98, 17);
  caption(g, "K1=", 106, 17, 24);
  NAMED(Label159, QLabel, g);
  place(Label159, 130, 17, 72, 16);
  caption(g, "K2=", 106, 33, 24);
  NAMED(Label160, QLabel, g);
  place(Label160, 130, 33, 72, 16);
  NAMED(Label221, QLabel, g);
  place(Label221, 106, 49, 46, 16);
  NAMED(Label222, QLabel, g);
  place(Label222, 154, 49, 48, 16);
  NAMED(Label223, QLabel, g);
  place(Label223, 106, 65, 46, 16);
  NAMED(Label224, QLabel, g);
  place(Label224, 154, 65, 48, 16);
}

// Distances 1..6; 7..10 sit in Panel7 (left) and Panel6 (right), which line
// up with the two rows here.
void TForm1::buildMask(QWidget* parent) {
  NAMED(GroupBoxMask, QGroupBox, "Mask", parent);
  opaque(GroupBoxMask);
  place(GroupBoxMask, 76, 102, 204, 96);
  QWidget* g = GroupBoxMask;
  caption(g, "Left-", 8, 13, 60, 14, "LabelLeftMask");
  caption(g, "-Right", 8, 45, 60, 14, "LabelRightMask");
  QCheckBox** left[] = {&CheckBox8, &CheckBox7, &CheckBox6, &CheckBox5, &CheckBox4, &CheckBox3};
  const Ctl leftIds[] = {Ctl::CheckBox8, Ctl::CheckBox7, Ctl::CheckBox6,
                         Ctl::CheckBox5, Ctl::CheckBox4, Ctl::CheckBox3};
  QCheckBox** right[] = {&CheckBox14, &CheckBox15, &CheckBox16, &CheckBox17, &CheckBox18, &CheckBox19};
  const Ctl rightIds[] = {Ctl::CheckBox14, Ctl::CheckBox15, Ctl::CheckBox16,
                          Ctl::CheckBox17, Ctl::CheckBox18, Ctl::CheckBox19};
  for (int i = 0; i < 6; ++i) {
    *left[i] = make<QCheckBox>(leftIds[i], QString::number(6 - i), g);
    place(*left[i], 4 + i * 29, 27, 29, 17);
    *right[i] = make<QCheckBox>(rightIds[i], QString::number(i + 1), g);
    place(*right[i], 4 + i * 29, 59, 29, 17);
  }
  caption(g, "=", 178, 28, 8);
  NAMED(Label107, QLabel, g);
  place(Label107, 186, 28, 16, 16);
  caption(g, "=", 178, 60, 8);
  NAMED(Label108, QLabel, g);
  place(Label108, 186, 60, 16, 16);
}

void TForm1::buildNpoint(QWidget* parent) {
  NAMED(RadioGroup15, RadioGroup, parent);
  RadioGroup15->setTitle("Npoint");
  RadioGroup15->setItems({"3", "4", "5", "6", "7", "8", "9"}, 4);
  opaque(RadioGroup15);
  place(RadioGroup15, 284, 100, 142, 50);
}

void TForm1::buildOffsets(QWidget* parent) {
  NAMED(GroupBoxOffsets, QGroupBox, "Offsets", parent);
  opaque(GroupBoxOffsets);
  place(GroupBoxOffsets, 430, 102, 270, 96);
  QWidget* g = GroupBoxOffsets;
  struct Cell {
    QLineEdit** member;
    Ctl id;
    const char* label;
  };
  const Cell cells[] = {
      {&Edit34, Ctl::Edit34, "Sh(0)"}, {&Edit35, Ctl::Edit35, "Sh(1)"}, {&Edit37, Ctl::Edit37, "Sh(2)"},
      {&Edit38, Ctl::Edit38, "Sh(3)"}, {&Edit39, Ctl::Edit39, "Sh(4)"}, {&Edit40, Ctl::Edit40, "Sh(6)"},
      {&Edit41, Ctl::Edit41, "Sh(7)"}, {&Edit42, Ctl::Edit42, "Sh(8)"}, {&Edit43, Ctl::Edit43, "Sh(9)"},
      {&Edit44, Ctl::Edit44, nullptr},
  };
  for (int i = 0; i < 10; ++i) {
    const int x = 4 + (i % 4) * 66, y = 16 + (i / 4) * 25;
    if (cells[i].label) caption(g, cells[i].label, x, y + 2, 33);
    *cells[i].member = smallEdit(make<QLineEdit>(cells[i].id, g));
    place(*cells[i].member, x + 33, y, 30, 20);
  }
  NAMED(CheckBox41, QCheckBox, ">>", g);
  place(CheckBox41, 4 + 2 * 66, 67, 44, 17);
  NAMED(CheckBox45, QCheckBox, "<<", g);
  place(CheckBox45, 4 + 3 * 66, 67, 44, 17);
  NAMED(CheckBox46, QCheckBox, "Auto", g);
  place(CheckBox46, 4 + 3 * 66, 67, 60, 17);
  NAMED(Edit33, QLineEdit, g);
  place(Edit33, 4 + 2 * 66, 66, 30, 20);
}

void TForm1::buildResultsCr(QWidget* parent) {
  NAMED(GroupBoxResultsCr, QGroupBox, "RESULTS (Cr)", parent);
  opaque(GroupBoxResultsCr);
  place(GroupBoxResultsCr, 6, 202, 250, 90);
  QWidget* g = GroupBoxResultsCr;
  NAMED(Label156, QLabel, g);
  place(Label156, 8, 15, 110, 15);
  NAMED(Label58, QLabel, g);
  place(Label58, 128, 15, 110, 15);
  const char* rows[] = {"+", "-", "U", "d"};
  QLabel** cells[4][3] = {{&Label169, &Label170, &Label171},
                          {&Label173, &Label174, &Label175},
                          {&Label140, &Label157, &Label158},
                          {&Label165, &Label166, &Label167}};
  const Ctl ids[4][3] = {{Ctl::Label169, Ctl::Label170, Ctl::Label171},
                         {Ctl::Label173, Ctl::Label174, Ctl::Label175},
                         {Ctl::Label140, Ctl::Label157, Ctl::Label158},
                         {Ctl::Label165, Ctl::Label166, Ctl::Label167}};
  for (int r = 0; r < 4; ++r) {
    caption(g, rows[r], 8, 31 + r * 14, 12, 14)->setStyleSheet("color: gray");
    for (int c = 0; c < 3; ++c) {
      *cells[r][c] = make<QLabel>(ids[r][c], g);
      place(*cells[r][c], 22 + c * 76, 31 + r * 14, 72, 14);
    }
  }
}

void TForm1::buildRes(QWidget* parent) {
  NAMED(GroupBoxRes, QGroupBox, "Res.     s0         s1         s2           s3         s4         s5     ",
        parent);
  opaque(GroupBoxRes);
  place(GroupBoxRes, 262, 202, 438, 90);
  QWidget* g = GroupBoxRes;
  caption(g, "!=0", 8, 24, 24, 16)->setStyleSheet("color: gray");
  caption(g, "=0", 8, 48, 24, 16)->setStyleSheet("color: gray");
  QLabel** upper[] = {&Label168, &Label183, &Label184, &Label185, &Label186, &Label187};
  const Ctl upperIds[] = {Ctl::Label168, Ctl::Label183, Ctl::Label184,
                          Ctl::Label185, Ctl::Label186, Ctl::Label187};
  QLabel** lower[] = {&Label182, &Label188, &Label189, &Label190, &Label191, &Label192};
  const Ctl lowerIds[] = {Ctl::Label182, Ctl::Label188, Ctl::Label189,
                          Ctl::Label190, Ctl::Label191, Ctl::Label192};
  for (int c = 0; c < 6; ++c) {
    *upper[c] = make<QLabel>(upperIds[c], g);
    place(*upper[c], 36 + c * 56, 24, 54, 16);
    *lower[c] = make<QLabel>(lowerIds[c], g);
    place(*lower[c], 36 + c * 56, 48, 54, 16);
  }
  NAMED(Label193, QLabel, g);
  place(Label193, 36 + 6 * 56, 36, 50, 16);
}

void TForm1::buildCompare(QWidget* parent) {
  NAMED(GroupBox20, QGroupBox, "Compare", parent);
  opaque(GroupBox20);
  place(GroupBox20, 6, 296, 694, 60);
  QWidget* g = GroupBox20;
  struct Row {
    const char* name;
    QLabel** n;
    Ctl nId;
    QLabel** offsets[8];
    Ctl offsetIds[8];
    QLabel** columns;
    Ctl columnsId;
    QLabel** rows;
    Ctl rowsId;
  };
  const Row rows[] = {
      {"1",
       &Label198,
       Ctl::Label198,
       {&Label200, &Label201, &Label202, &Label203, &Label204, &Label205, &Label206, &Label207},
       {Ctl::Label200, Ctl::Label201, Ctl::Label202, Ctl::Label203, Ctl::Label204, Ctl::Label205,
        Ctl::Label206, Ctl::Label207},
       &Label194,
       Ctl::Label194,
       &Label195,
       Ctl::Label195},
      {"2",
       &Label199,
       Ctl::Label199,
       {&Label208, &Label209, &Label210, &Label211, &Label212, &Label213, &Label214, &Label215},
       {Ctl::Label208, Ctl::Label209, Ctl::Label210, Ctl::Label211, Ctl::Label212, Ctl::Label213,
        Ctl::Label214, Ctl::Label215},
       &Label196,
       Ctl::Label196,
       &Label197,
       Ctl::Label197},
  };
  for (int r = 0; r < 2; ++r) {
    const int y = 16 + r * 20;
    caption(g, QString("Table %1:").arg(rows[r].name), 8, y, 46, 16)->setStyleSheet("color: gray");
    *rows[r].n = make<QLabel>(rows[r].nId, g);
    place(*rows[r].n, 56, y, 24, 16);
    for (int k = 0; k < 8; ++k) {
      *rows[r].offsets[k] = make<QLabel>(rows[r].offsetIds[k], g);
      (*rows[r].offsets[k])->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      place(*rows[r].offsets[k], 84 + k * 26, y, 22, 16);
    }
    *rows[r].columns = make<QLabel>(rows[r].columnsId, g);
    place(*rows[r].columns, 300, y, 40, 16);
    *rows[r].rows = make<QLabel>(rows[r].rowsId, g);
    place(*rows[r].rows, 344, y, 44, 16);
  }
  NAMED(Label216, QLabel, g);
  place(Label216, 400, 16, 50, 16);
  NAMED(Label218, QLabel, g);
  place(Label218, 400, 36, 50, 16);
  // Right of the counts: the copies and the temp file above, the options
  // and the comparisons below; the Show buttons are hidden under them.
  NAMED(Button137, QPushButton, "1 => 2", g);
  place(Button137, 454, 13, 44, 21);
  NAMED(Button136, QPushButton, "2 <= U", g);
  place(Button136, 500, 13, 46, 21);
  NAMED(Button139, QPushButton, "R1 -> temp", g);
  place(Button139, 548, 13, 76, 21);
  NAMED(Label278, QLabel, g);
  place(Label278, 628, 16, 62, 16);
  NAMED(CheckBox39, QCheckBox, "+tem", g);
  place(CheckBox39, 454, 37, 54, 17);
  NAMED(Button141, QPushButton, "Comp.P", g);
  place(Button141, 508, 36, 52, 21);
  NAMED(Button135, QPushButton, "Comp P (20", g);
  place(Button135, 562, 36, 74, 21);
  NAMED(Button132, QPushButton, "Comp.+", g);
  place(Button132, 638, 36, 50, 21);
  NAMED(Button130, QPushButton, "Show RT1", g);
  place(Button130, 548, 36, 50, 20);
  NAMED(Button131, QPushButton, "Show Rt2", g);
  place(Button131, 600, 36, 50, 20);
  NAMED(Button133, QPushButton, "Show RTU", g);
  place(Button133, 652, 36, 36, 20);
}

// Three columns of class 0, 1, 2; the lower halves carry classes 3, 4, 5
// when the one-panel-per-class layout shows them.
void TForm1::buildPanels(QWidget* parent) {
  QPlainTextEdit** panels[] = {&RichEdit4, &RichEdit5, &RichEdit6, &RichEdit7, &RichEdit8, &RichEdit9};
  const Ctl ids[] = {Ctl::RichEdit4, Ctl::RichEdit5, Ctl::RichEdit6,
                     Ctl::RichEdit7, Ctl::RichEdit8, Ctl::RichEdit9};
  for (int i = 0; i < 6; ++i) {
    auto* p = make<QPlainTextEdit>(ids[i], parent);
    p->setReadOnly(true);
    p->setLineWrapMode(QPlainTextEdit::NoWrap);
    p->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont mono("Monospace");
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(11);
    p->setFont(mono);
    const int column = i % 3;
    if (i < 3)
      place(p, 6 + column * 176, 360, 172, 315);
    else
      place(p, 6 + column * 176, 518, 172, 157);
    *panels[i] = p;
  }
  NAMED(Image9, QLabel, parent);
  Image9->setPixmap(QPixmap(":/pictures/image9.bmp"));
  Image9->setScaledContents(true);
  Image9->setFrameShape(QFrame::Box);
  place(Image9, 532, 360, 169, 185);

  // The analysis dumps "F(3)" and "F(2)" are wide; they get the free
  // right-hand column of the window below "Initial".
  QPlainTextEdit** dumps[] = {&RichEdit3, &RichEdit10};
  const Ctl dumpIds[] = {Ctl::RichEdit3, Ctl::RichEdit10};
  for (int i = 0; i < 2; ++i) {
    auto* p = make<QPlainTextEdit>(dumpIds[i], surface_);
    p->setReadOnly(true);
    p->setLineWrapMode(QPlainTextEdit::NoWrap);
    place(p, 784, 408 + i * 98, 233, 94);
    *dumps[i] = p;
  }
}
