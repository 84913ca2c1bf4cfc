// The automatic test, the mask, the analysis window and the tables.
// Each slot forwards the event to the core and mirrors the result.
#include "app/tform1.h"

using quorvan::Ctl;

// "D Work" (GroupBox16): test commands, "Npoint", panels and pictures
void TForm1::Button125Click() { click(Ctl::Button125); }
void TForm1::Button126Click() { click(Ctl::Button126); }
void TForm1::Button124Click() { click(Ctl::Button124); }
void TForm1::RadioGroup15Click() { select(Ctl::RadioGroup15); }

// "Parameters" (GroupBox17)
void TForm1::Edit45Change() { type(Ctl::Edit45); }
void TForm1::Edit46Change() { type(Ctl::Edit46); }
void TForm1::Edit51Change() { type(Ctl::Edit51); }
void TForm1::Edit47Change() { type(Ctl::Edit47); }
void TForm1::Edit48Change() { type(Ctl::Edit48); }
void TForm1::CheckBox40Click() { toggle(Ctl::CheckBox40); }

// "Mask": distances 1..6 on both sides
void TForm1::CheckBox3Click() { toggle(Ctl::CheckBox3); }
void TForm1::CheckBox4Click() { toggle(Ctl::CheckBox4); }
void TForm1::CheckBox5Click() { toggle(Ctl::CheckBox5); }
void TForm1::CheckBox6Click() { toggle(Ctl::CheckBox6); }
void TForm1::CheckBox7Click() { toggle(Ctl::CheckBox7); }
void TForm1::CheckBox8Click() { toggle(Ctl::CheckBox8); }
void TForm1::CheckBox14Click() { toggle(Ctl::CheckBox14); }
void TForm1::CheckBox15Click() { toggle(Ctl::CheckBox15); }
void TForm1::CheckBox16Click() { toggle(Ctl::CheckBox16); }
void TForm1::CheckBox17Click() { toggle(Ctl::CheckBox17); }
void TForm1::CheckBox18Click() { toggle(Ctl::CheckBox18); }
void TForm1::CheckBox19Click() { toggle(Ctl::CheckBox19); }

// "Offsets"
void TForm1::Edit34Change() { type(Ctl::Edit34); }
void TForm1::Edit35Change() { type(Ctl::Edit35); }
void TForm1::Edit37Change() { type(Ctl::Edit37); }
void TForm1::Edit38Change() { type(Ctl::Edit38); }
void TForm1::Edit39Change() { type(Ctl::Edit39); }
void TForm1::Edit40Change() { type(Ctl::Edit40); }
void TForm1::Edit41Change() { type(Ctl::Edit41); }
void TForm1::Edit42Change() { type(Ctl::Edit42); }
void TForm1::Edit43Change() { type(Ctl::Edit43); }
void TForm1::Edit44Change() { type(Ctl::Edit44); }
void TForm1::CheckBox41Click() { toggle(Ctl::CheckBox41); }
void TForm1::CheckBox45Click() { toggle(Ctl::CheckBox45); }
void TForm1::CheckBox46Click() { toggle(Ctl::CheckBox46); }
void TForm1::Edit33Change() { type(Ctl::Edit33); }

// "Cnfrol"
void TForm1::CheckBox43Click() { toggle(Ctl::CheckBox43); }
void TForm1::CheckBox44Click() { toggle(Ctl::CheckBox44); }
void TForm1::CheckBox42Click() { toggle(Ctl::CheckBox42); }
void TForm1::CheckBox38Click() { toggle(Ctl::CheckBox38); }

// "Compare" (GroupBox20)
void TForm1::Button139Click() { click(Ctl::Button139); }
void TForm1::CheckBox39Click() { toggle(Ctl::CheckBox39); }
void TForm1::Button130Click() { click(Ctl::Button130); }
void TForm1::Button131Click() { click(Ctl::Button131); }
void TForm1::Button133Click() { click(Ctl::Button133); }

// Panel7 / Panel6: mask distances 7..11 (11 hidden)
void TForm1::CheckBox12Click() { toggle(Ctl::CheckBox12); }
void TForm1::CheckBox11Click() { toggle(Ctl::CheckBox11); }
void TForm1::CheckBox10Click() { toggle(Ctl::CheckBox10); }
void TForm1::CheckBox9Click() { toggle(Ctl::CheckBox9); }
void TForm1::CheckBox13Click() { toggle(Ctl::CheckBox13); }
void TForm1::CheckBox20Click() { toggle(Ctl::CheckBox20); }
void TForm1::CheckBox21Click() { toggle(Ctl::CheckBox21); }
void TForm1::CheckBox22Click() { toggle(Ctl::CheckBox22); }
void TForm1::CheckBox23Click() { toggle(Ctl::CheckBox23); }
void TForm1::CheckBox24Click() { toggle(Ctl::CheckBox24); }

// "Theory" (hidden): analysis choice and the hidden command buttons
void TForm1::RadioGroup12Click() { select(Ctl::RadioGroup12); }
void TForm1::RadioGroup2Click() { select(Ctl::RadioGroup2); }
void TForm1::CheckBox36Click() { toggle(Ctl::CheckBox36); }
void TForm1::CheckBox37Click() { toggle(Ctl::CheckBox37); }
void TForm1::Button93Click() { click(Ctl::Button93); }
void TForm1::Button127Click() { click(Ctl::Button127); }
void TForm1::Button129Click() { click(Ctl::Button129); }
void TForm1::Button122Click() { click(Ctl::Button122); }
void TForm1::Button119Click() { click(Ctl::Button119); }
void TForm1::Button101Click() { click(Ctl::Button101); }
void TForm1::Button5Click() { click(Ctl::Button5); }
void TForm1::Button3Click() { click(Ctl::Button3); }
void TForm1::Button103Click() { click(Ctl::Button103); }
