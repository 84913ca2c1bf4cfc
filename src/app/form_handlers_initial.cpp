// The initial-line items of "Initial" and "File2", the mouse over the
// diagram, and "(F) Show initial". Each slot forwards the event to the core
// and mirrors the result.
#include "app/tform1.h"
#include "windows/show_initial_window.h"

using quorvan::Ctl;

// The core fills the window's edits as it opens; the user closes it with its
// close box.
void TForm1::FShowinitial1Click() {
  click(Ctl::FShowinitial1);
  form3_->exec();
}

void TForm1::XXX1Click() { click(Ctl::XXX1); }
void TForm1::Make1Click() { click(Ctl::Make1); }
void TForm1::Iesinv1Click() { click(Ctl::Iesinv1); }
void TForm1::Clear1Click() { click(Ctl::Clear1); }
void TForm1::Clearall1Click() { click(Ctl::Clearall1); }
void TForm1::Line1Click() { click(Ctl::Line1); }
void TForm1::LineCenter1Click() { click(Ctl::LineCenter1); }
void TForm1::N14Click() { click(Ctl::N14); }
void TForm1::CBCNtimes1Click() { click(Ctl::CBCNtimes1); }
void TForm1::Center1Click() { click(Ctl::Center1); }
void TForm1::RANDOM2Click() { click(Ctl::RANDOM2); }
void TForm1::READFROMFILE1Click() { click(Ctl::READFROMFILE1); }
void TForm1::READFROMFILER1Click() { click(Ctl::READFROMFILER1); }
void TForm1::WriteCA1Click() { click(Ctl::WriteCA1); }
void TForm1::Wsq21Click() { click(Ctl::Wsq21); }
void TForm1::Wsq31Click() { click(Ctl::Wsq31); }
void TForm1::Wsq41Click() { click(Ctl::Wsq41); }
void TForm1::Wsq51Click() { click(Ctl::Wsq51); }
void TForm1::ReadCA1Click() { click(Ctl::ReadCA1); }
void TForm1::sq21Click() { click(Ctl::sq21); }
void TForm1::Rsq31Click() { click(Ctl::Rsq31); }
void TForm1::sq41Click() { click(Ctl::sq41); }
void TForm1::Rsq51Click() { click(Ctl::Rsq51); }
void TForm1::Readmask1Click() { click(Ctl::Readmask1); }
void TForm1::Writemask1Click() { click(Ctl::Writemask1); }
void TForm1::Readrandom1Click() { click(Ctl::Readrandom1); }
void TForm1::Writerandom1Click() { click(Ctl::Writerandom1); }
void TForm1::WriteRCA1Click() { click(Ctl::WriteRCA1); }
void TForm1::N159101Click() { click(Ctl::N159101); }
void TForm1::Mousesoliton1Click() { click(Ctl::Mousesoliton1); }

void TForm1::FormMouseDown(int x, int y, Qt::MouseButton button) {
  const quorvan::MouseButton b = button == Qt::RightButton    ? quorvan::MouseButton::Right
                                 : button == Qt::MiddleButton ? quorvan::MouseButton::Middle
                                                              : quorvan::MouseButton::Left;
  guarded([&] { lab_->mouseDown(x, y, b); });
  sync();
}

void TForm1::FormMouseMove(int x, int y) {
  guarded([&] { lab_->mouseMove(x, y); });
  sync();
}
