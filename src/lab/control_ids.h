#pragma once
// Every control, menu item and timer whose state the laboratory's logic reads
// or writes. The window creates a widget of the same name for each entry, so
// the object name of a widget and the identifier the core uses are one token.
//
// X(name, kind), one group of the window a line.
// clang-format off
#define QUORVAN_CONTROLS(X) \
  /* the main window and its frame */ \
  X(TForm1, Window) X(MainMenu1, Menu) X(StatusBar1, StatusBar) \
  /* top-level groups of the client area */ \
  X(GroupBox16, Group) X(GroupBox8, Group) X(GroupBox5, Group) X(GroupBox2, Group) \
  X(GroupBox11, Group) X(GroupBox21, Group) X(Panel1, Group) X(Panel6, Group) \
  X(Panel7, Group) X(Panel2, Group) \
  /* groups inside "D Work", "Single Work" and the hidden "Theory" */ \
  X(GroupBox17, Group) X(GroupBoxNTotal, Group) X(GroupBoxMask, Group) \
  X(GroupBoxOffsets, Group) X(GroupBoxCnfrol, Group) X(GroupBoxResultsCr, Group) \
  X(GroupBoxRes, Group) X(GroupBox20, Group) X(GroupBoxManage, Group) \
  X(GroupBoxStepWork, Group) X(GroupBoxTheory, Group) \
  /* the hidden groups of the pens inside "Initial", and "XY" */ \
  X(GroupBoxPenC, Group) X(GroupBoxPenAfr, Group) X(GroupBoxXY, Group) \
  /* the menu bar, left to right */ \
  X(MenuFile, Menu) X(MenuFile2, Menu) X(MenuInitial, Menu) X(MenuView, Menu) \
  X(MenuView2, Menu) X(MenuT6, Menu) X(MenuNEW, Menu) X(Menu1DIM, Menu) X(MenuZAD, Menu) \
  X(MenuEXPO1, Menu) X(MenuWriteRead, Menu) X(MenuReN4, Menu) X(MenuReN5, Menu) \
  X(MenuReN6n, Menu) X(MenuReN6, Menu) X(MenuReN6S, Menu) X(MenuPlus, Menu) \
  X(MenuExplore, Menu) X(MenuHelp, Menu) \
  /* File */ \
  X(Starttest1, MenuItem) X(Stoptest1, MenuItem) X(Clearresults1, MenuItem) \
  /* File2: line, mask and example files, a preset, a check mark */ \
  X(WriteCA1, MenuItem) X(Wsq21, MenuItem) X(Wsq31, MenuItem) X(Wsq41, MenuItem) X(Wsq51, MenuItem) \
  X(ReadCA1, MenuItem) X(sq21, MenuItem) X(Rsq31, MenuItem) X(sq41, MenuItem) X(Rsq51, MenuItem) \
  X(Readmask1, MenuItem) X(Writemask1, MenuItem) X(Readrandom1, MenuItem) X(Writerandom1, MenuItem) \
  X(WriteRCA1, MenuItem) X(N159101, MenuItem) X(Mousesoliton1, MenuItem) \
  /* Initial */ \
  X(isSMES1, MenuItem) X(Timer101, MenuItem) X(notITZ1, MenuItem) X(randomize2, MenuItem) \
  X(Nonreversible1, MenuItem) X(Viewinitial1, MenuItem) \
  X(FShowinitial1, MenuItem) X(XXX1, MenuItem) X(Make1, MenuItem) X(Iesinv1, MenuItem) X(Clear1, MenuItem) \
  X(Clearall1, MenuItem) X(Line1, MenuItem) X(LineCenter1, MenuItem) X(N14, MenuItem) \
  X(CBCNtimes1, MenuItem) X(Center1, MenuItem) X(RANDOM2, MenuItem) X(READFROMFILE1, MenuItem) \
  X(READFROMFILER1, MenuItem) \
  /* View */ \
  X(MainPanel1, MenuItem) X(SingleWork1, MenuItem) X(Scale1, MenuItem) X(Extended1, MenuItem) \
  X(F2x1, MenuItem) X(F3x1, MenuItem) X(ResT0c1c11, MenuItem) X(N7, MenuItem) \
  X(N0colomn1, MenuItem) X(Res01231, MenuItem) X(Dontshow1, MenuItem) X(MainTable1, MenuItem) \
  /* View 2 */ \
  X(INTEGRATEDPanel1, MenuItem) X(PanelInt1, MenuItem) \
  /* EXPO_1 */ \
  X(notpaint1, MenuItem) \
  /* Write-Read */ \
  X(WriteRT1, MenuItem) \
  /* Explore */ \
  X(ResNfbleN11, MenuItem) X(ResTableN21, MenuItem) X(Cytcr1, MenuItem) X(Write11, MenuItem) \
  X(Write21, MenuItem) X(WriteU1, MenuItem) X(ReadtempN11, MenuItem) \
  X(Copy1to2, MenuItem) X(Copy1toInv2, MenuItem) X(Copy2to1, MenuItem) X(Copy1toU, MenuItem) \
  X(CopyUto1, MenuItem) X(CopyUto2, MenuItem) \
  /* Help */ \
  X(F11, MenuItem) X(About1, MenuItem) \
  /* timers */ \
  X(Timer1, Timer) X(Timer10, Timer) X(Timer11, Timer) X(Timer2, Timer) X(Timer3, Timer) \
  /* buttons */ \
  X(Button125, Button) X(Button126, Button) X(Button124, Button) X(Button93, Button) \
  X(Button127, Button) X(Button129, Button) X(Button122, Button) X(Button139, Button) \
  X(Button1, Button) X(Button2, Button) X(Button6, Button) X(Button7, Button) \
  X(Button140, Button) X(Button57, Button) X(Button72, Button) X(Button10, Button) \
  X(Button16, Button) X(Button58, Button) X(Button119, Button) X(Button101, Button) \
  X(Button5, Button) X(Button3, Button) X(Button8, Button) X(Button103, Button) \
  X(Button130, Button) X(Button131, Button) X(Button133, Button) \
  X(Button132, Button) X(Button141, Button) X(Button135, Button) X(Button137, Button) X(Button136, Button) \
  /* check boxes: display switches, mask, options */ \
  X(CheckBox1, CheckBox) X(CheckBox2, CheckBox) \
  X(CheckBox3, CheckBox) X(CheckBox4, CheckBox) X(CheckBox5, CheckBox) X(CheckBox6, CheckBox) \
  X(CheckBox7, CheckBox) X(CheckBox8, CheckBox) X(CheckBox9, CheckBox) X(CheckBox10, CheckBox) \
  X(CheckBox11, CheckBox) X(CheckBox12, CheckBox) X(CheckBox13, CheckBox) \
  X(CheckBox14, CheckBox) X(CheckBox15, CheckBox) X(CheckBox16, CheckBox) X(CheckBox17, CheckBox) \
  X(CheckBox18, CheckBox) X(CheckBox19, CheckBox) X(CheckBox20, CheckBox) X(CheckBox21, CheckBox) \
  X(CheckBox22, CheckBox) X(CheckBox23, CheckBox) X(CheckBox24, CheckBox) \
  X(CheckBox29, CheckBox) X(CheckBox30, CheckBox) X(CheckBox31, CheckBox) X(CheckBox32, CheckBox) \
  X(CheckBox33, CheckBox) X(CheckBox34, CheckBox) X(CheckBox35, CheckBox) X(CheckBox36, CheckBox) \
  X(CheckBox37, CheckBox) X(CheckBox38, CheckBox) X(CheckBox39, CheckBox) X(CheckBox40, CheckBox) \
  X(CheckBox41, CheckBox) X(CheckBox42, CheckBox) X(CheckBox43, CheckBox) X(CheckBox44, CheckBox) \
  X(CheckBox45, CheckBox) X(CheckBox46, CheckBox) \
  /* radio groups */ \
  X(RadioGroup2, RadioGroup) X(RadioGroup4, RadioGroup) X(RadioGroup12, RadioGroup) \
  X(RadioGroup15, RadioGroup) \
  /* edits */ \
  X(Edit1, Edit) X(Edit2, Edit) X(Edit3, Edit) X(Edit4, Edit) X(Edit6, Edit) X(Edit7, Edit) \
  X(Edit33, Edit) X(Edit34, Edit) X(Edit35, Edit) X(Edit37, Edit) X(Edit38, Edit) \
  X(Edit39, Edit) X(Edit40, Edit) X(Edit41, Edit) X(Edit42, Edit) X(Edit43, Edit) X(Edit44, Edit) \
  X(Edit45, Edit) X(Edit46, Edit) X(Edit47, Edit) X(Edit48, Edit) X(Edit49, Edit) \
  X(Edit50, Edit) X(Edit51, Edit) \
  /* spinners */ \
  X(UpDown1, UpDown) X(UpDown2, UpDown) X(UpDown3, UpDown) X(UpDown4, UpDown) X(UpDown8, UpDown) \
  /* "Results" */ \
  X(Label3, Label) X(Label4, Label) X(Label6, Label) X(Label17, Label) X(Label18, Label) \
  X(Label23, Label) X(Label26, Label) X(Label27, Label) X(Label25, Label) X(Label34, Label) \
  X(Label29, Label) X(Label33, Label) X(Label112, Label) X(Label35, Label) X(Label131, Label) \
  X(Label130, Label) X(Label128, Label) X(Label132, Label) X(Label37, Label) X(Label56, Label) \
  X(Label24, Label) X(Label32, Label) \
  /* batch statistics in Panel1 */ \
  X(Label10, Label) X(Label31, Label) X(Label70, Label) X(Label71, Label) X(Label87, Label) \
  X(Label88, Label) X(Label89, Label) X(Label93, Label) X(Label94, Label) X(Label95, Label) \
  X(Label72, Label) X(Label73, Label) X(Label75, Label) X(Label79, Label) X(Label82, Label) \
  X(Label84, Label) X(Label85, Label) X(Label109, Label) X(Label110, Label) \
  /* single labels of several groups */ \
  X(Label21, Label) X(Label225, Label) X(Label107, Label) X(Label108, Label) \
  X(Label278, Label) X(LabelCheck, Label) \
  /* "XY": where the mouse is over the diagram */ \
  X(LabelMouseX, Label) X(LabelMouseY, Label) \
  /* "N total" */ \
  X(Label138, Label) X(Label139, Label) \
  /* "RESULTS (Cr)" */ \
  X(Label156, Label) X(Label58, Label) X(Label169, Label) X(Label170, Label) X(Label171, Label) \
  X(Label173, Label) X(Label174, Label) X(Label175, Label) X(Label140, Label) X(Label157, Label) \
  X(Label158, Label) X(Label165, Label) X(Label166, Label) X(Label167, Label) \
  /* "Cnfrol" */ \
  X(Label159, Label) X(Label160, Label) X(Label221, Label) X(Label222, Label) \
  X(Label223, Label) X(Label224, Label) \
  /* "Res." */ \
  X(Label168, Label) X(Label183, Label) X(Label184, Label) X(Label185, Label) X(Label186, Label) \
  X(Label187, Label) X(Label182, Label) X(Label188, Label) X(Label189, Label) X(Label190, Label) \
  X(Label191, Label) X(Label192, Label) X(Label193, Label) \
  /* "Compare" */ \
  X(Label198, Label) X(Label200, Label) X(Label201, Label) X(Label202, Label) X(Label203, Label) \
  X(Label204, Label) X(Label205, Label) X(Label206, Label) X(Label207, Label) X(Label194, Label) \
  X(Label195, Label) X(Label199, Label) X(Label208, Label) X(Label209, Label) X(Label210, Label) \
  X(Label211, Label) X(Label212, Label) X(Label213, Label) X(Label214, Label) X(Label215, Label) \
  X(Label196, Label) X(Label197, Label) X(Label216, Label) X(Label218, Label) \
  /* text panels */ \
  X(RichEdit3, RichEdit) X(RichEdit4, RichEdit) X(RichEdit5, RichEdit) X(RichEdit6, RichEdit) \
  X(RichEdit7, RichEdit) X(RichEdit8, RichEdit) X(RichEdit9, RichEdit) X(RichEdit10, RichEdit) \
  /* "Show initial" (TForm3); its controls carry the window's name first */ \
  X(TForm3, Window) X(Form3Edit1, Edit) X(Form3Edit2, Edit) X(Form3Edit11, Edit) X(Form3Button1, Button) \
  X(Form3Edit3, Edit) X(Form3Edit4, Edit) X(Form3Edit5, Edit) X(Form3Edit6, Edit) X(Form3Edit7, Edit) \
  X(Form3Edit8, Edit) X(Form3Edit9, Edit) X(Form3Edit10, Edit) X(Form3Edit12, Edit) X(Form3Edit13, Edit) \
  X(Form3Edit14, Edit) X(Form3Edit15, Edit) X(Form3Edit16, Edit) X(Form3Edit17, Edit) X(Form3Edit18, Edit) \
  X(Form3Edit19, Edit) X(Form3Edit20, Edit) X(Form3Edit21, Edit) X(Form3Edit22, Edit) X(Form3Edit23, Edit) \
  X(Form3Edit24, Edit) X(Form3Edit25, Edit) X(Form3Edit26, Edit) X(Form3Edit27, Edit) X(Form3Edit28, Edit) \
  X(Form3Edit29, Edit) X(Form3Edit30, Edit) X(Form3Edit31, Edit) X(Form3Edit32, Edit) X(Form3Edit33, Edit) \
  X(Form3Edit34, Edit) X(Form3Edit35, Edit) \
  /* pictures */ \
  X(Image9, Image) X(Image2, Image) X(Image3, Image) X(Image4, Image) X(Image5, Image) \
  X(Image6, Image) X(Image7, Image) X(Image10, Image) X(Image11, Image)
// clang-format on
