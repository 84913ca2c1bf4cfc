// The controls as the form holds them before the window is first shown:
// design captions, ranges, items, and which controls are hidden.
#include "lab/laboratory.h"

namespace quorvan {
namespace {

// The design tables keep a few controls a line.
// clang-format off

struct TextValue {
  Ctl id;
  const char* text;
};

constexpr TextValue kDesignTexts[] = {
    // edits
    {Ctl::Edit1, "10"}, {Ctl::Edit2, "6"}, {Ctl::Edit3, "1"}, {Ctl::Edit4, "5"},
    {Ctl::Edit6, "0"}, {Ctl::Edit7, "1"}, {Ctl::Edit33, "0"}, {Ctl::Edit34, "0"},
    {Ctl::Edit35, "0"}, {Ctl::Edit37, "0"}, {Ctl::Edit38, "0"}, {Ctl::Edit39, "0"},
    {Ctl::Edit40, "0"}, {Ctl::Edit41, "0"}, {Ctl::Edit42, "0"}, {Ctl::Edit43, "0"},
    {Ctl::Edit44, "0"}, {Ctl::Edit45, "50"}, {Ctl::Edit46, "5"}, {Ctl::Edit47, "20"},
    {Ctl::Edit48, "100"}, {Ctl::Edit49, "30"}, {Ctl::Edit50, "30"}, {Ctl::Edit51, "1"},
    // "Results"
    {Ctl::Label3, "ld0"}, {Ctl::Label4, "ld1"}, {Ctl::Label6, "ld2"}, {Ctl::Label17, "ld3"},
    {Ctl::Label18, "ldD0"}, {Ctl::Label23, "ldD1"}, {Ctl::Label26, "ldD2"}, {Ctl::Label27, "ldD3"},
    {Ctl::Label25, "T1"}, {Ctl::Label34, "T2"}, {Ctl::Label29, "X"}, {Ctl::Label33, "X"},
    {Ctl::Label112, "X"}, {Ctl::Label35, "X"}, {Ctl::Label131, "X"}, {Ctl::Label130, "X"},
    {Ctl::Label128, "X"}, {Ctl::Label132, "X"}, {Ctl::Label37, "X"},
    {Ctl::Label56, "1/3*(T1+T2)=  "}, {Ctl::Label24, "X"}, {Ctl::Label32, "X"},
    // batch statistics
    {Ctl::Label10, "X"}, {Ctl::Label31, "X"}, {Ctl::Label70, "X"}, {Ctl::Label71, "X"},
    {Ctl::Label87, "X"}, {Ctl::Label88, "X"}, {Ctl::Label89, "X"}, {Ctl::Label93, "X"},
    {Ctl::Label94, "X"}, {Ctl::Label95, "X"}, {Ctl::Label72, "X"}, {Ctl::Label73, "X"},
    {Ctl::Label75, "X"}, {Ctl::Label79, "X"}, {Ctl::Label82, "X"}, {Ctl::Label84, "X"},
    {Ctl::Label85, "X"}, {Ctl::Label109, "X"}, {Ctl::Label110, "X"},
    // single labels
    {Ctl::Label21, "+"}, {Ctl::Label225, "0"}, {Ctl::Label107, "0"}, {Ctl::Label108, "0"},
    {Ctl::Label278, "Label278"}, {Ctl::LabelCheck, "X"},
    // "N total"
    {Ctl::Label138, "X"}, {Ctl::Label139, "X"},
    // "RESULTS (Cr)"
    {Ctl::Label156, "Total"}, {Ctl::Label58, "Delta"}, {Ctl::Label169, "=  0"},
    {Ctl::Label170, "=  1"}, {Ctl::Label171, "=  2"}, {Ctl::Label173, "= -0"},
    {Ctl::Label174, "= -1"}, {Ctl::Label175, "= -2"}, {Ctl::Label140, "U 0"},
    {Ctl::Label157, "U 1"}, {Ctl::Label158, "U 2"}, {Ctl::Label165, "d"},
    {Ctl::Label166, "d"}, {Ctl::Label167, "d"},
    // "Cnfrol"
    {Ctl::Label159, "X"}, {Ctl::Label160, "X"}, {Ctl::Label221, "X"}, {Ctl::Label222, "X"},
    {Ctl::Label223, "X"}, {Ctl::Label224, "X"},
    // "Res."
    {Ctl::Label168, "=0"}, {Ctl::Label183, "=1"}, {Ctl::Label184, "=2"}, {Ctl::Label185, "=-0"},
    {Ctl::Label186, "=-1"}, {Ctl::Label187, "=-2"}, {Ctl::Label182, "=00"}, {Ctl::Label188, "=01"},
    {Ctl::Label189, "=02"}, {Ctl::Label190, "=03"}, {Ctl::Label191, "04"}, {Ctl::Label192, "=05"},
    {Ctl::Label193, "X"},
    // "Compare"
    {Ctl::Label198, "X"}, {Ctl::Label200, "x"}, {Ctl::Label201, "x"}, {Ctl::Label202, "x"},
    {Ctl::Label203, "x"}, {Ctl::Label204, "x"}, {Ctl::Label205, "x"}, {Ctl::Label206, "x"},
    {Ctl::Label207, "x"}, {Ctl::Label194, "N_1"}, {Ctl::Label195, "Cr_1"}, {Ctl::Label199, "X"},
    {Ctl::Label208, "x"}, {Ctl::Label209, "x"}, {Ctl::Label210, "x"}, {Ctl::Label211, "x"},
    {Ctl::Label212, "x"}, {Ctl::Label213, "x"}, {Ctl::Label214, "x"}, {Ctl::Label215, "x"},
    {Ctl::Label196, "N_2"}, {Ctl::Label197, "Cr_2"}, {Ctl::Label216, "CrU"}, {Ctl::Label218, "0"},
    // panels: their design lines
    {Ctl::RichEdit3, "F(3)"}, {Ctl::RichEdit10, "F(2)"},
    {Ctl::RichEdit4, "Resolution Table (=0)"}, {Ctl::RichEdit5, "Resolution Table (=1)"},
    {Ctl::RichEdit6, "Resolution Table (=2)"}, {Ctl::RichEdit7, "Resolution Table (=3 (-0))"},
    {Ctl::RichEdit8, "Resolution Table (=4 (-1))"}, {Ctl::RichEdit9, "Resolution Table (=5 (-2))"},
    // "XY"
    {Ctl::LabelMouseX, "0"}, {Ctl::LabelMouseY, "0"},
    // "Show initial": the counts, the square's width, every entry "0"
    {Ctl::Form3Edit1, "0"}, {Ctl::Form3Edit2, "8"}, {Ctl::Form3Edit11, "131"},
    {Ctl::Form3Edit3, "0"}, {Ctl::Form3Edit4, "0"}, {Ctl::Form3Edit5, "0"}, {Ctl::Form3Edit6, "0"},
    {Ctl::Form3Edit7, "0"}, {Ctl::Form3Edit8, "0"}, {Ctl::Form3Edit9, "0"}, {Ctl::Form3Edit10, "0"},
    {Ctl::Form3Edit12, "0"}, {Ctl::Form3Edit13, "0"}, {Ctl::Form3Edit14, "0"}, {Ctl::Form3Edit15, "0"},
    {Ctl::Form3Edit16, "0"}, {Ctl::Form3Edit17, "0"}, {Ctl::Form3Edit18, "0"}, {Ctl::Form3Edit19, "0"},
    {Ctl::Form3Edit20, "0"}, {Ctl::Form3Edit21, "0"}, {Ctl::Form3Edit22, "0"}, {Ctl::Form3Edit23, "0"},
    {Ctl::Form3Edit24, "0"}, {Ctl::Form3Edit25, "0"}, {Ctl::Form3Edit26, "0"}, {Ctl::Form3Edit27, "0"},
    {Ctl::Form3Edit28, "0"}, {Ctl::Form3Edit29, "0"}, {Ctl::Form3Edit30, "0"}, {Ctl::Form3Edit31, "0"},
    {Ctl::Form3Edit32, "0"}, {Ctl::Form3Edit33, "0"}, {Ctl::Form3Edit34, "0"}, {Ctl::Form3Edit35, "0"},
};

// Hidden in the form: research groups, hidden buttons and edits.
constexpr Ctl kDesignHidden[] = {
    Ctl::GroupBox8, Ctl::GroupBox21, Ctl::Panel1, Ctl::Panel2, Ctl::GroupBoxTheory,
    Ctl::RichEdit3, Ctl::RichEdit10, Ctl::Edit33, Ctl::CheckBox13, Ctl::CheckBox24,
    Ctl::CheckBox46, Ctl::Button93, Ctl::Button127, Ctl::Button129, Ctl::Button122,
    Ctl::Button2, Ctl::Button10, Ctl::Label21, Ctl::Edit2, Ctl::UpDown1, Ctl::Button119,
    Ctl::Button101, Ctl::Button5, Ctl::Button3, Ctl::Button8, Ctl::Button103, Ctl::Button130,
    Ctl::Button131, Ctl::Button133, Ctl::Edit6, Ctl::GroupBoxPenC, Ctl::GroupBoxPenAfr, Ctl::GroupBoxXY,
    Ctl::RadioGroup2, Ctl::Button132,
};

// Menu items whose check mark the form shows at design time.
constexpr Ctl kDesignChecked[] = {
    Ctl::MainPanel1, Ctl::N0colomn1, Ctl::Res01231, Ctl::ResNfbleN11, Ctl::isSMES1,
};

// clang-format on

}  // namespace

void Laboratory::initialiseControls() {
  for (const TextValue& t : kDesignTexts) {
    controls.setText(t.id, t.text);
  }
  for (Ctl id : kDesignHidden) controls.setVisible(id, false);
  for (Ctl id : kDesignChecked) controls.setChecked(id, true);

  controls.setItemCount(Ctl::RadioGroup2, 2);  // "Frozen A", "Circle"
  controls.setItemIndex(Ctl::RadioGroup2, Circle);
  controls.setItemCount(Ctl::RadioGroup4, 2);
  controls.setItemIndex(Ctl::RadioGroup4, 0);
  controls.setItemCount(Ctl::RadioGroup12, 3);  // "NOT", "Marker Work", "Direct Work 3"
  controls.setItemIndex(Ctl::RadioGroup12, 0);
  controls.setItemCount(Ctl::RadioGroup15, 7);  // "3" .. "9"
  controls.setItemIndex(Ctl::RadioGroup15, -1);

  controls.setRange(Ctl::UpDown1, 1, 1000);
  controls.setPosition(Ctl::UpDown1, 6);
  controls.setRange(Ctl::UpDown2, 0, MaxLength);
  controls.setPosition(Ctl::UpDown2, 10);
  controls.setRange(Ctl::UpDown3, 1, 100);
  controls.setPosition(Ctl::UpDown3, 1);
  controls.setRange(Ctl::UpDown4, 0, 100);
  controls.setPosition(Ctl::UpDown4, 5);
  controls.setRange(Ctl::UpDown8, 0, 9999);
  controls.setPosition(Ctl::UpDown8, 0);
}

}  // namespace quorvan
