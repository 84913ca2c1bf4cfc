// The window's own events: its first showing and the click on "Results".
#include "app/tform1.h"

using quorvan::Ctl;

void TForm1::FormShow() {
  guarded([this] { lab_->FormShow(); });
  sync();
}

void TForm1::GroupBox5Click() { click(Ctl::GroupBox5); }
