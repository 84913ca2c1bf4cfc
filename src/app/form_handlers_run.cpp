// Run control, the line, its drawing and the display switches.
// Each slot forwards the event to the core and mirrors the result.
#include "app/tform1.h"

using quorvan::Ctl;

// "Single Work" (GroupBox8): display switches
void TForm1::CheckBox33Click() { toggle(Ctl::CheckBox33); }
void TForm1::CheckBox34Click() { toggle(Ctl::CheckBox34); }
void TForm1::CheckBox35Click() { toggle(Ctl::CheckBox35); }
void TForm1::CheckBox1Click() { toggle(Ctl::CheckBox1); }
void TForm1::CheckBox2Click() { toggle(Ctl::CheckBox2); }
void TForm1::CheckBox29Click() { toggle(Ctl::CheckBox29); }
void TForm1::CheckBox30Click() { toggle(Ctl::CheckBox30); }
void TForm1::CheckBox31Click() { toggle(Ctl::CheckBox31); }
void TForm1::CheckBox32Click() { toggle(Ctl::CheckBox32); }
void TForm1::Button16Click() { click(Ctl::Button16); }
void TForm1::RadioGroup4Click() { select(Ctl::RadioGroup4); }

// "Manage"
void TForm1::Button6Click() { click(Ctl::Button6); }
void TForm1::Button7Click() { click(Ctl::Button7); }
void TForm1::Button140Click() { click(Ctl::Button140); }
void TForm1::Button10Click() { click(Ctl::Button10); }

// "Step work"
void TForm1::Button1Click() { click(Ctl::Button1); }
void TForm1::Button2Click() { click(Ctl::Button2); }
void TForm1::Edit2Change() { type(Ctl::Edit2); }
void TForm1::UpDown1Click() { spin(Ctl::UpDown1); }
void TForm1::Button57Click() { click(Ctl::Button57); }
void TForm1::Button72Click() { click(Ctl::Button72); }

// "Length =" (GroupBox2)
void TForm1::Edit1Change() { type(Ctl::Edit1); }
void TForm1::UpDown2Click() { spin(Ctl::UpDown2); }

// "Initial" (GroupBox11), with the hidden pens
void TForm1::Button58Click() { click(Ctl::Button58); }
void TForm1::Edit7Change() { type(Ctl::Edit7); }
void TForm1::Edit6Change() { type(Ctl::Edit6); }
void TForm1::Edit3Change() { type(Ctl::Edit3); }
void TForm1::UpDown3Click() { spin(Ctl::UpDown3); }
void TForm1::Edit4Change() { type(Ctl::Edit4); }
void TForm1::UpDown4Click() { spin(Ctl::UpDown4); }
void TForm1::Button8Click() { click(Ctl::Button8); }

// "Scale" (GroupBox21)
void TForm1::Edit49Change() { type(Ctl::Edit49); }
void TForm1::Edit50Change() { type(Ctl::Edit50); }
void TForm1::UpDown8Click() { spin(Ctl::UpDown8); }

// Timers
void TForm1::Timer1Timer() { tick(Ctl::Timer1); }
void TForm1::Timer10Timer() { tick(Ctl::Timer10); }
void TForm1::Timer11Timer() { tick(Ctl::Timer11); }
void TForm1::Timer2Timer() { tick(Ctl::Timer2); }
void TForm1::Timer3Timer() { tick(Ctl::Timer3); }
