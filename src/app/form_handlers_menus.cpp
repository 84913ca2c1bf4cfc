// The menu items. Help's two items open their windows here; every other item is the core's.
// Each slot forwards the event to the core and mirrors the result.
#include "app/tform1.h"
#include "windows/about_window.h"
#include "windows/help_window.h"
#include "windows/mask_window.h"

using quorvan::Ctl;

// Menu items
void TForm1::Starttest1Click() { click(Ctl::Starttest1); }
void TForm1::Stoptest1Click() { click(Ctl::Stoptest1); }
void TForm1::Clearresults1Click() { click(Ctl::Clearresults1); }
void TForm1::isSMES1Click() { click(Ctl::isSMES1); }
void TForm1::Timer101Click() { click(Ctl::Timer101); }
void TForm1::notITZ1Click() { click(Ctl::notITZ1); }
void TForm1::randomize2Click() { click(Ctl::randomize2); }
void TForm1::Nonreversible1Click() { click(Ctl::Nonreversible1); }
void TForm1::Viewinitial1Click() { click(Ctl::Viewinitial1); }
void TForm1::MainPanel1Click() { click(Ctl::MainPanel1); }
void TForm1::SingleWork1Click() { click(Ctl::SingleWork1); }
void TForm1::Scale1Click() { click(Ctl::Scale1); }
void TForm1::Extended1Click() { click(Ctl::Extended1); }
void TForm1::F2x1Click() { click(Ctl::F2x1); }
void TForm1::F3x1Click() { click(Ctl::F3x1); }
void TForm1::ResT0c1c11Click() { click(Ctl::ResT0c1c11); }
void TForm1::N7Click() { click(Ctl::N7); }
void TForm1::N0colomn1Click() { click(Ctl::N0colomn1); }
void TForm1::Res01231Click() { click(Ctl::Res01231); }
void TForm1::Dontshow1Click() { click(Ctl::Dontshow1); }
void TForm1::INTEGRATEDPanel1Click() { click(Ctl::INTEGRATEDPanel1); }
void TForm1::PanelInt1Click() { click(Ctl::PanelInt1); }
void TForm1::notpaint1Click() { click(Ctl::notpaint1); }
void TForm1::WriteRT1Click() { click(Ctl::WriteRT1); }
void TForm1::ResNfbleN11Click() { click(Ctl::ResNfbleN11); }
void TForm1::ResTableN21Click() { click(Ctl::ResTableN21); }
void TForm1::Cytcr1Click() { click(Ctl::Cytcr1); }
void TForm1::Write11Click() { click(Ctl::Write11); }
void TForm1::Write21Click() { click(Ctl::Write21); }
void TForm1::WriteU1Click() { click(Ctl::WriteU1); }
void TForm1::ReadtempN11Click() { click(Ctl::ReadtempN11); }

void TForm1::F11Click() { help_->exec(); }
void TForm1::About1Click() { about_->exec(); }
void TForm1::MainTable1Click() { mask_->exec(); }
