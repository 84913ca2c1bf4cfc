#pragma once
// The main window. It owns the laboratory and mirrors it: every widget is
// named after the control the core knows, every user event goes to the core
// through the slot named after its handler, and after each handler `sync()`
// copies whatever the core changed back onto the widgets. No logic of the
// laboratory lives here.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "app/group_widgets.h"
#include "app/updown.h"
#include "lab/laboratory.h"

class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTimer;
class ImageCanvas;
class Surface;
class AboutWindow;
class HelpWindow;
class QFileDialog;
class TForm3;
class MaskWindow;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // `env.showWarning` may be left empty: the window then shows each warning
  // in a modal box of its own.
  explicit TForm1(quorvan::LabEnvironment env = {}, QWidget* parent = nullptr);
  ~TForm1() override;

  quorvan::Laboratory& lab() { return *lab_; }
  ImageCanvas& canvas() { return *canvas_; }
  Surface* surface() const { return surface_; }
  AboutWindow* aboutWindow() const { return about_; }
  HelpWindow* helpWindow() const { return help_; }
  TForm3* showInitialWindow() const { return form3_; }
  MaskWindow* maskWindow() const { return mask_; }
  // The widget, action, menu or timer of a control (the window itself for
  // TForm1).
  QObject* control(quorvan::Ctl id) const { return objects_[static_cast<std::size_t>(id)]; }

  // Applies every control the core changed since the last call, then
  // repaints what the canvas drew.
  void sync();

  // --- The frame
  QMenuBar* MainMenu1 = nullptr;
  QStatusBar* StatusBar1 = nullptr;

  // --- Top-level groups of the client area
  QGroupBox* GroupBox16 = nullptr;
  QGroupBox* GroupBox8 = nullptr;
  ClickableGroupBox* GroupBox5 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QGroupBox* GroupBox11 = nullptr;
  QGroupBox* GroupBox21 = nullptr;
  QFrame* Panel1 = nullptr;
  QFrame* Panel6 = nullptr;
  QFrame* Panel7 = nullptr;
  QFrame* Panel2 = nullptr;
  QGroupBox* GroupBoxTheory = nullptr;

  // --- "D Work" (GroupBox16): test commands, "Npoint", panels and pictures
  QPushButton* Button125 = nullptr;
  QPushButton* Button126 = nullptr;
  QPushButton* Button124 = nullptr;
  RadioGroup* RadioGroup15 = nullptr;
  QPlainTextEdit* RichEdit4 = nullptr;
  QPlainTextEdit* RichEdit5 = nullptr;
  QPlainTextEdit* RichEdit6 = nullptr;
  QPlainTextEdit* RichEdit7 = nullptr;
  QPlainTextEdit* RichEdit8 = nullptr;
  QPlainTextEdit* RichEdit9 = nullptr;
  QPlainTextEdit* RichEdit3 = nullptr;
  QPlainTextEdit* RichEdit10 = nullptr;
  QLabel* Image9 = nullptr;

  // --- "Parameters" (GroupBox17)
  QGroupBox* GroupBox17 = nullptr;
  QLineEdit* Edit45 = nullptr;
  QLineEdit* Edit46 = nullptr;
  QLineEdit* Edit51 = nullptr;
  QLineEdit* Edit47 = nullptr;
  QLineEdit* Edit48 = nullptr;
  QCheckBox* CheckBox40 = nullptr;

  // --- "N total"
  QGroupBox* GroupBoxNTotal = nullptr;
  QLabel* Label138 = nullptr;
  QLabel* Label139 = nullptr;

  // --- "Mask": distances 1..6 on both sides
  QGroupBox* GroupBoxMask = nullptr;
  QCheckBox* CheckBox3 = nullptr;
  QCheckBox* CheckBox4 = nullptr;
  QCheckBox* CheckBox5 = nullptr;
  QCheckBox* CheckBox6 = nullptr;
  QCheckBox* CheckBox7 = nullptr;
  QCheckBox* CheckBox8 = nullptr;
  QCheckBox* CheckBox14 = nullptr;
  QCheckBox* CheckBox15 = nullptr;
  QCheckBox* CheckBox16 = nullptr;
  QCheckBox* CheckBox17 = nullptr;
  QCheckBox* CheckBox18 = nullptr;
  QCheckBox* CheckBox19 = nullptr;
  QLabel* Label107 = nullptr;
  QLabel* Label108 = nullptr;

  // --- "Offsets"
  QGroupBox* GroupBoxOffsets = nullptr;
  QLineEdit* Edit34 = nullptr;
  QLineEdit* Edit35 = nullptr;
  QLineEdit* Edit37 = nullptr;
  QLineEdit* Edit38 = nullptr;
  QLineEdit* Edit39 = nullptr;
  QLineEdit* Edit40 = nullptr;
  QLineEdit* Edit41 = nullptr;
  QLineEdit* Edit42 = nullptr;
  QLineEdit* Edit43 = nullptr;
  QLineEdit* Edit44 = nullptr;
  QCheckBox* CheckBox41 = nullptr;
  QCheckBox* CheckBox45 = nullptr;
  QCheckBox* CheckBox46 = nullptr;
  QLineEdit* Edit33 = nullptr;

  // --- "Cnfrol"
  QGroupBox* GroupBoxCnfrol = nullptr;
  QCheckBox* CheckBox43 = nullptr;
  QCheckBox* CheckBox44 = nullptr;
  QCheckBox* CheckBox42 = nullptr;
  QCheckBox* CheckBox38 = nullptr;
  QLabel* Label159 = nullptr;
  QLabel* Label160 = nullptr;
  QLabel* Label221 = nullptr;
  QLabel* Label222 = nullptr;
  QLabel* Label223 = nullptr;
  QLabel* Label224 = nullptr;

  // --- "RESULTS (Cr)"
  QGroupBox* GroupBoxResultsCr = nullptr;
  QLabel* Label156 = nullptr;
  QLabel* Label58 = nullptr;
  QLabel* Label169 = nullptr;
  QLabel* Label170 = nullptr;
  QLabel* Label171 = nullptr;
  QLabel* Label173 = nullptr;
  QLabel* Label174 = nullptr;
  QLabel* Label175 = nullptr;
  QLabel* Label140 = nullptr;
  QLabel* Label157 = nullptr;
  QLabel* Label158 = nullptr;
  QLabel* Label165 = nullptr;
  QLabel* Label166 = nullptr;
  QLabel* Label167 = nullptr;

  // --- "Res."
  QGroupBox* GroupBoxRes = nullptr;
  QLabel* Label168 = nullptr;
  QLabel* Label183 = nullptr;
  QLabel* Label184 = nullptr;
  QLabel* Label185 = nullptr;
  QLabel* Label186 = nullptr;
  QLabel* Label187 = nullptr;
  QLabel* Label182 = nullptr;
  QLabel* Label188 = nullptr;
  QLabel* Label189 = nullptr;
  QLabel* Label190 = nullptr;
  QLabel* Label191 = nullptr;
  QLabel* Label192 = nullptr;
  QLabel* Label193 = nullptr;

  // --- "Compare" (GroupBox20)
  QGroupBox* GroupBox20 = nullptr;
  QLabel* Label198 = nullptr;
  QLabel* Label200 = nullptr;
  QLabel* Label201 = nullptr;
  QLabel* Label202 = nullptr;
  QLabel* Label203 = nullptr;
  QLabel* Label204 = nullptr;
  QLabel* Label205 = nullptr;
  QLabel* Label206 = nullptr;
  QLabel* Label207 = nullptr;
  QLabel* Label194 = nullptr;
  QLabel* Label195 = nullptr;
  QLabel* Label199 = nullptr;
  QLabel* Label208 = nullptr;
  QLabel* Label209 = nullptr;
  QLabel* Label210 = nullptr;
  QLabel* Label211 = nullptr;
  QLabel* Label212 = nullptr;
  QLabel* Label213 = nullptr;
  QLabel* Label214 = nullptr;
  QLabel* Label215 = nullptr;
  QLabel* Label196 = nullptr;
  QLabel* Label197 = nullptr;
  QLabel* Label216 = nullptr;
  QLabel* Label218 = nullptr;
  QLabel* Label278 = nullptr;
  QPushButton* Button139 = nullptr;
  QCheckBox* CheckBox39 = nullptr;
  QPushButton* Button130 = nullptr;
  QPushButton* Button131 = nullptr;
  QPushButton* Button133 = nullptr;
  QPushButton* Button132 = nullptr;  // "Comp.+", hidden
  QPushButton* Button141 = nullptr;
  QPushButton* Button135 = nullptr;
  QPushButton* Button137 = nullptr;
  QPushButton* Button136 = nullptr;

  // --- "Single Work" (GroupBox8): display switches
  QCheckBox* CheckBox33 = nullptr;
  QCheckBox* CheckBox34 = nullptr;
  QCheckBox* CheckBox35 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* CheckBox29 = nullptr;
  QCheckBox* CheckBox30 = nullptr;
  QCheckBox* CheckBox31 = nullptr;
  QCheckBox* CheckBox32 = nullptr;
  QPushButton* Button16 = nullptr;
  RadioGroup* RadioGroup4 = nullptr;

  // --- "Manage"
  QGroupBox* GroupBoxManage = nullptr;
  QPushButton* Button6 = nullptr;
  QPushButton* Button7 = nullptr;
  QPushButton* Button140 = nullptr;
  QPushButton* Button10 = nullptr;
  QLabel* Label21 = nullptr;

  // --- "Step work"
  QGroupBox* GroupBoxStepWork = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QLineEdit* Edit2 = nullptr;
  UpDown* UpDown1 = nullptr;
  QPushButton* Button57 = nullptr;
  QPushButton* Button72 = nullptr;

  // --- "Results" (GroupBox5)
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label17 = nullptr;
  QLabel* Label18 = nullptr;
  QLabel* Label23 = nullptr;
  QLabel* Label26 = nullptr;
  QLabel* Label27 = nullptr;
  QLabel* Label25 = nullptr;
  QLabel* Label34 = nullptr;
  QLabel* Label29 = nullptr;
  QLabel* Label33 = nullptr;
  QLabel* Label112 = nullptr;
  QLabel* Label35 = nullptr;
  QLabel* Label131 = nullptr;
  QLabel* Label130 = nullptr;
  QLabel* Label128 = nullptr;
  QLabel* Label132 = nullptr;
  QLabel* Label37 = nullptr;
  QLabel* Label56 = nullptr;
  QLabel* Label24 = nullptr;
  QLabel* Label32 = nullptr;
  QLabel* LabelCheck = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* Image3 = nullptr;
  QLabel* Image4 = nullptr;
  QLabel* Image5 = nullptr;
  QLabel* Image6 = nullptr;
  QLabel* Image7 = nullptr;
  QLabel* Image10 = nullptr;
  QLabel* Image11 = nullptr;

  // --- "Length =" (GroupBox2)
  QLineEdit* Edit1 = nullptr;
  UpDown* UpDown2 = nullptr;

  // --- "Initial" (GroupBox11), with the hidden pens
  QPushButton* Button58 = nullptr;
  QLineEdit* Edit7 = nullptr;
  QLineEdit* Edit6 = nullptr;
  QGroupBox* GroupBoxPenC = nullptr;
  QLineEdit* Edit3 = nullptr;
  UpDown* UpDown3 = nullptr;
  QGroupBox* GroupBoxPenAfr = nullptr;
  QLineEdit* Edit4 = nullptr;
  UpDown* UpDown4 = nullptr;
  QPushButton* Button8 = nullptr;

  // --- "XY" (hidden): where the mouse is over the diagram
  QGroupBox* GroupBoxXY = nullptr;
  QLabel* LabelMouseX = nullptr;
  QLabel* LabelMouseY = nullptr;

  // --- The save dialog of "Write RCA", made when first needed
  QFileDialog* SaveDialog1 = nullptr;

  // --- "Scale" (GroupBox21)
  QLineEdit* Edit49 = nullptr;
  QLineEdit* Edit50 = nullptr;
  UpDown* UpDown8 = nullptr;
  QLabel* Label225 = nullptr;

  // --- Panel1: batch statistics
  QLabel* Label10 = nullptr;
  QLabel* Label31 = nullptr;
  QLabel* Label70 = nullptr;
  QLabel* Label71 = nullptr;
  QLabel* Label87 = nullptr;
  QLabel* Label88 = nullptr;
  QLabel* Label89 = nullptr;
  QLabel* Label93 = nullptr;
  QLabel* Label94 = nullptr;
  QLabel* Label95 = nullptr;
  QLabel* Label72 = nullptr;
  QLabel* Label73 = nullptr;
  QLabel* Label75 = nullptr;
  QLabel* Label79 = nullptr;
  QLabel* Label82 = nullptr;
  QLabel* Label84 = nullptr;
  QLabel* Label85 = nullptr;
  QLabel* Label109 = nullptr;
  QLabel* Label110 = nullptr;

  // --- Panel7 / Panel6: mask distances 7..11 (11 hidden)
  QCheckBox* CheckBox12 = nullptr;
  QCheckBox* CheckBox11 = nullptr;
  QCheckBox* CheckBox10 = nullptr;
  QCheckBox* CheckBox9 = nullptr;
  QCheckBox* CheckBox13 = nullptr;
  QCheckBox* CheckBox20 = nullptr;
  QCheckBox* CheckBox21 = nullptr;
  QCheckBox* CheckBox22 = nullptr;
  QCheckBox* CheckBox23 = nullptr;
  QCheckBox* CheckBox24 = nullptr;

  // --- "Theory" (hidden): analysis choice and the hidden command buttons
  RadioGroup* RadioGroup12 = nullptr;
  RadioGroup* RadioGroup2 = nullptr;
  QCheckBox* CheckBox36 = nullptr;
  QCheckBox* CheckBox37 = nullptr;
  QPushButton* Button93 = nullptr;
  QPushButton* Button127 = nullptr;
  QPushButton* Button129 = nullptr;
  QPushButton* Button122 = nullptr;
  QPushButton* Button119 = nullptr;
  QPushButton* Button101 = nullptr;
  QPushButton* Button5 = nullptr;
  QPushButton* Button3 = nullptr;
  QPushButton* Button103 = nullptr;

  // --- Menus, left to right
  QMenu* MenuFile = nullptr;
  QMenu* MenuFile2 = nullptr;
  QMenu* MenuInitial = nullptr;
  QMenu* MenuView = nullptr;
  QMenu* MenuView2 = nullptr;
  QMenu* MenuT6 = nullptr;
  QMenu* MenuNEW = nullptr;
  QMenu* Menu1DIM = nullptr;
  QMenu* MenuZAD = nullptr;
  QMenu* MenuEXPO1 = nullptr;
  QMenu* MenuWriteRead = nullptr;
  QMenu* MenuReN4 = nullptr;
  QMenu* MenuReN5 = nullptr;
  QMenu* MenuReN6n = nullptr;
  QMenu* MenuReN6 = nullptr;
  QMenu* MenuReN6S = nullptr;
  QMenu* MenuPlus = nullptr;
  QMenu* MenuExplore = nullptr;
  QMenu* MenuHelp = nullptr;

  // --- Menu items
  QAction* Starttest1 = nullptr;
  QAction* Stoptest1 = nullptr;
  QAction* Clearresults1 = nullptr;
  QAction* isSMES1 = nullptr;
  QAction* Timer101 = nullptr;
  QAction* notITZ1 = nullptr;
  QAction* randomize2 = nullptr;
  QAction* Nonreversible1 = nullptr;
  QAction* Viewinitial1 = nullptr;
  QAction* FShowinitial1 = nullptr;
  QAction* XXX1 = nullptr;
  QAction* Make1 = nullptr;
  QAction* Iesinv1 = nullptr;
  QAction* Clear1 = nullptr;
  QAction* Clearall1 = nullptr;
  QAction* Line1 = nullptr;
  QAction* LineCenter1 = nullptr;
  QAction* N14 = nullptr;
  QAction* CBCNtimes1 = nullptr;
  QAction* Center1 = nullptr;
  QAction* RANDOM2 = nullptr;
  QAction* READFROMFILE1 = nullptr;
  QAction* READFROMFILER1 = nullptr;
  QAction* WriteCA1 = nullptr;
  QAction* Wsq21 = nullptr;
  QAction* Wsq31 = nullptr;
  QAction* Wsq41 = nullptr;
  QAction* Wsq51 = nullptr;
  QAction* ReadCA1 = nullptr;
  QAction* sq21 = nullptr;
  QAction* Rsq31 = nullptr;
  QAction* sq41 = nullptr;
  QAction* Rsq51 = nullptr;
  QAction* Readmask1 = nullptr;
  QAction* Writemask1 = nullptr;
  QAction* Readrandom1 = nullptr;
  QAction* Writerandom1 = nullptr;
  QAction* WriteRCA1 = nullptr;
  QAction* N159101 = nullptr;
  QAction* Mousesoliton1 = nullptr;
  QAction* MainPanel1 = nullptr;
  QAction* SingleWork1 = nullptr;
  QAction* Scale1 = nullptr;
  QAction* Extended1 = nullptr;
  QAction* F2x1 = nullptr;
  QAction* F3x1 = nullptr;
  QAction* ResT0c1c11 = nullptr;
  QAction* N7 = nullptr;
  QAction* N0colomn1 = nullptr;
  QAction* Res01231 = nullptr;
  QAction* Dontshow1 = nullptr;
  QAction* INTEGRATEDPanel1 = nullptr;
  QAction* PanelInt1 = nullptr;
  QAction* notpaint1 = nullptr;
  QAction* WriteRT1 = nullptr;
  QAction* ResNfbleN11 = nullptr;
  QAction* ResTableN21 = nullptr;
  QAction* Cytcr1 = nullptr;
  QAction* Write11 = nullptr;
  QAction* Write21 = nullptr;
  QAction* WriteU1 = nullptr;
  QAction* ReadtempN11 = nullptr;
  QAction* F11 = nullptr;
  QAction* About1 = nullptr;

  // --- Timers
  QTimer* Timer1 = nullptr;
  QTimer* Timer10 = nullptr;
  QTimer* Timer11 = nullptr;
  QTimer* Timer2 = nullptr;
  QTimer* Timer3 = nullptr;

 public slots:
  void FormShow();
  void GroupBox5Click();
  // "D Work" (GroupBox16): test commands, "Npoint", panels and pictures
  void Button125Click();
  void Button126Click();
  void Button124Click();
  void RadioGroup15Click();
  // "Parameters" (GroupBox17)
  void Edit45Change();
  void Edit46Change();
  void Edit51Change();
  void Edit47Change();
  void Edit48Change();
  void CheckBox40Click();
  // "Mask": distances 1..6 on both sides
  void CheckBox3Click();
  void CheckBox4Click();
  void CheckBox5Click();
  void CheckBox6Click();
  void CheckBox7Click();
  void CheckBox8Click();
  void CheckBox14Click();
  void CheckBox15Click();
  void CheckBox16Click();
  void CheckBox17Click();
  void CheckBox18Click();
  void CheckBox19Click();
  // "Offsets"
  void Edit34Change();
  void Edit35Change();
  void Edit37Change();
  void Edit38Change();
  void Edit39Change();
  void Edit40Change();
  void Edit41Change();
  void Edit42Change();
  void Edit43Change();
  void Edit44Change();
  void CheckBox41Click();
  void CheckBox45Click();
  void CheckBox46Click();
  void Edit33Change();
  // "Cnfrol"
  void CheckBox43Click();
  void CheckBox44Click();
  void CheckBox42Click();
  void CheckBox38Click();
  // "Compare" (GroupBox20)
  void Button139Click();
  void CheckBox39Click();
  void Button130Click();
  void Button131Click();
  void Button133Click();
  void Button132Click();
  void Button141Click();
  void Button135Click();
  void Button137Click();
  void Button136Click();
  // Explore: the copies
  void Copy1to2Click();
  void Copy1toInv2Click();
  void Copy2to1Click();
  void Copy1toUClick();
  void CopyUto1Click();
  void CopyUto2Click();
  // "Single Work" (GroupBox8): display switches
  void CheckBox33Click();
  void CheckBox34Click();
  void CheckBox35Click();
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox29Click();
  void CheckBox30Click();
  void CheckBox31Click();
  void CheckBox32Click();
  void Button16Click();
  void RadioGroup4Click();
  // "Manage"
  void Button6Click();
  void Button7Click();
  void Button140Click();
  void Button10Click();
  // "Step work"
  void Button1Click();
  void Button2Click();
  void Edit2Change();
  void UpDown1Click();
  void Button57Click();
  void Button72Click();
  // "Length =" (GroupBox2)
  void Edit1Change();
  void UpDown2Click();
  // "Initial" (GroupBox11), with the hidden pens
  void Button58Click();
  void Edit7Change();
  void Edit6Change();
  void Edit3Change();
  void UpDown3Click();
  void Edit4Change();
  void UpDown4Click();
  void Button8Click();
  // "Scale" (GroupBox21)
  void Edit49Change();
  void Edit50Change();
  void UpDown8Click();
  // Panel7 / Panel6: mask distances 7..11 (11 hidden)
  void CheckBox12Click();
  void CheckBox11Click();
  void CheckBox10Click();
  void CheckBox9Click();
  void CheckBox13Click();
  void CheckBox20Click();
  void CheckBox21Click();
  void CheckBox22Click();
  void CheckBox23Click();
  void CheckBox24Click();
  // "Theory" (hidden): analysis choice and the hidden command buttons
  void RadioGroup12Click();
  void RadioGroup2Click();
  void CheckBox36Click();
  void CheckBox37Click();
  void Button93Click();
  void Button127Click();
  void Button129Click();
  void Button122Click();
  void Button119Click();
  void Button101Click();
  void Button5Click();
  void Button3Click();
  void Button103Click();
  // Menu items
  void Starttest1Click();
  void Stoptest1Click();
  void Clearresults1Click();
  void isSMES1Click();
  void Timer101Click();
  void notITZ1Click();
  void randomize2Click();
  void Nonreversible1Click();
  void Viewinitial1Click();
  // Initial and File2: line files, line commands, "Show initial"
  void FShowinitial1Click();
  void XXX1Click();
  void Make1Click();
  void Iesinv1Click();
  void Clear1Click();
  void Clearall1Click();
  void Line1Click();
  void LineCenter1Click();
  void N14Click();
  void CBCNtimes1Click();
  void Center1Click();
  void RANDOM2Click();
  void READFROMFILE1Click();
  void READFROMFILER1Click();
  void WriteCA1Click();
  void Wsq21Click();
  void Wsq31Click();
  void Wsq41Click();
  void Wsq51Click();
  void ReadCA1Click();
  void sq21Click();
  void Rsq31Click();
  void sq41Click();
  void Rsq51Click();
  void Readmask1Click();
  void Writemask1Click();
  void Readrandom1Click();
  void Writerandom1Click();
  void WriteRCA1Click();
  void N159101Click();
  void Mousesoliton1Click();
  // The mouse over the bare diagram
  void FormMouseDown(int x, int y, Qt::MouseButton button);
  void FormMouseMove(int x, int y);
  void MainPanel1Click();
  void SingleWork1Click();
  void Scale1Click();
  void Extended1Click();
  void F2x1Click();
  void F3x1Click();
  void ResT0c1c11Click();
  void N7Click();
  void N0colomn1Click();
  void Res01231Click();
  void Dontshow1Click();
  void INTEGRATEDPanel1Click();
  void PanelInt1Click();
  void notpaint1Click();
  void WriteRT1Click();
  void ResNfbleN11Click();
  void ResTableN21Click();
  void Cytcr1Click();
  void Write11Click();
  void Write21Click();
  void WriteU1Click();
  void ReadtempN11Click();
  void F11Click();
  void About1Click();
  void MainTable1Click();  // View: "Main Table"
  // Timers
  void Timer1Timer();
  void Timer10Timer();
  void Timer11Timer();
  void Timer2Timer();
  void Timer3Timer();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Creates a widget for a control: its object name is the control's name
  // and it is registered under the control's id.
  template <class W, class... Args>
  W* make(quorvan::Ctl id, Args&&... args);
  void registerObject(quorvan::Ctl id, QObject* object);

  // One builder per group box; each lays out its own controls.
  void buildMenus();
  void buildTimers();
  void buildDWork();
  void buildParameters(QWidget* parent);
  void buildNTotal(QWidget* parent);
  void buildMask(QWidget* parent);
  void buildOffsets(QWidget* parent);
  void buildNpoint(QWidget* parent);
  void buildCnfrol(QWidget* parent);
  void buildResultsCr(QWidget* parent);
  void buildRes(QWidget* parent);
  void buildCompare(QWidget* parent);
  void buildPanels(QWidget* parent);
  void buildSingleWork();
  void buildResults();
  void buildLength();
  void buildInitial();
  void buildXY();
  void buildShowInitial();
  void buildScale();
  void buildBatchPanel();
  void buildMaskPanels();
  void buildTheory();
  void buildResearchPanel();
  void wireControls();

  // The generic event paths behind the named slots.
  void click(quorvan::Ctl id);
  void toggle(quorvan::Ctl id);
  void select(quorvan::Ctl id);
  void type(quorvan::Ctl id);
  void spin(quorvan::Ctl id);
  void tick(quorvan::Ctl id);

  // Runs a call into the core; an exception that escapes it is shown in an
  // error box and the event loop goes on.
  void guarded(const std::function<void()>& call);

  void apply(quorvan::Ctl id);
  void applyPanel(quorvan::Ctl id, bool force);
  void flushPanels();
  void showWarning(const std::string& text);
  // The save dialog `SaveDialog1` with a filter in the form "*.dat|".
  std::optional<std::string> askFileName(const std::string& filter);

  std::unique_ptr<ImageCanvas> canvas_;
  std::unique_ptr<quorvan::Laboratory> lab_;
  Surface* surface_ = nullptr;
  AboutWindow* about_ = nullptr;
  HelpWindow* help_ = nullptr;
  TForm3* form3_ = nullptr;
  MaskWindow* mask_ = nullptr;
  std::array<QObject*, quorvan::kControlCount> objects_{};
  std::array<std::uint32_t, quorvan::kControlCount> shownGeneration_{};
  QTimer* panelTimer_ = nullptr;  // applies very long panel texts a moment later
  std::vector<quorvan::Ctl> pendingPanels_;
  bool shown_ = false;
};
