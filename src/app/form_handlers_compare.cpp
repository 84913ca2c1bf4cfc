// The comparison's buttons in "Compare" and the copies of the Explore menu.
#include "app/tform1.h"

using quorvan::Ctl;

void TForm1::Button132Click() { click(Ctl::Button132); }
void TForm1::Button141Click() { click(Ctl::Button141); }
void TForm1::Button135Click() { click(Ctl::Button135); }
void TForm1::Button137Click() { click(Ctl::Button137); }
void TForm1::Button136Click() { click(Ctl::Button136); }
void TForm1::Copy1to2Click() { click(Ctl::Copy1to2); }
void TForm1::Copy1toInv2Click() { click(Ctl::Copy1toInv2); }
void TForm1::Copy2to1Click() { click(Ctl::Copy2to1); }
void TForm1::Copy1toUClick() { click(Ctl::Copy1toU); }
void TForm1::CopyUto1Click() { click(Ctl::CopyUto1); }
void TForm1::CopyUto2Click() { click(Ctl::CopyUto2); }
