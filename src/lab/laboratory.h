#pragma once
// The laboratory: every record of the system and every event handler of the
// main window, free of any toolkit. The window forwards its widgets' events
// here and mirrors the control model back; the headless front end drives the
// same handlers, so both give the same lines, marks, tables and files.
//
// Handlers carry the names of the controls and events they serve
// (`Button125Click`, `Timer11Timer`) and call one another directly, as the
// window's own handlers do. Each subsystem defines its handlers in its own
// file of lab/ (`run_handlers.cpp`, `test_handlers.cpp`, ...); the records
// and the functions they call live in the model.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analysis_state.h"
#include "engine/batch.h"
#include "engine/lattice.h"
#include "files/file_access.h"
#include "initial/generator.h"
#include "initial/initial_state.h"
#include "initial/tool_files.h"
#include "lab/control_model.h"
#include "render/canvas.h"
#include "render/drawing_state.h"
#include "tables/resolution_table.h"
#include "trials/test_state.h"

namespace quorvan {

// The mask boxes by side and distance 1..11.
Ctl leftMaskBox(int distance);
Ctl rightMaskBox(int distance);

// The six result panels, for the results 0..5 in order.
inline constexpr Ctl kResultPanels[6] = {Ctl::RichEdit4, Ctl::RichEdit5, Ctl::RichEdit6,
                                         Ctl::RichEdit7, Ctl::RichEdit8, Ctl::RichEdit9};

struct LabEnvironment {
  // Directory against which every relative file path is resolved; empty
  // means the process's working directory.
  std::string workDir;
  // Shows one "Warning" box and returns when it is closed.
  std::function<void(const std::string&)> showWarning;
  // The calendar time in whole seconds.
  std::function<std::uint32_t()> clockSeconds;
  // Shows a save-file dialog offering `filter` (e.g. "*.dat|") and returns
  // the chosen file name, or nothing when the user cancels. Unset, every
  // dialog counts as cancelled.
  std::function<std::optional<std::string>(const std::string& filter)> askFileName;
};

// The mouse buttons a press can come from; every one edits alike.
enum class MouseButton : std::uint8_t { Left, Right, Middle };

class Laboratory {
 public:
  explicit Laboratory(LabEnvironment env = {});
  Laboratory(const Laboratory&) = delete;
  Laboratory& operator=(const Laboratory&) = delete;
  ~Laboratory();

  // --- what a user does (each runs to completion) -----------------------
  void userClick(Ctl id);                        // button, menu item, group box
  void userToggle(Ctl id, bool checked);         // check box
  void userSelect(Ctl id, std::int32_t item);    // radio group item
  void userType(Ctl id, std::string_view text);  // edit text
  void userSpin(Ctl id, std::int32_t position);  // spinner arrow
  // The mouse over the bare diagram (not over a group), at a point of the
  // main window's client area, the canvas's own coordinates.
  void mouseDown(std::int64_t x, std::int64_t y, MouseButton button = MouseButton::Left);
  void mouseMove(std::int64_t x, std::int64_t y);
  // A timer's tick. Ignored while another handler is still running (a
  // "Warning" box keeps the window's event loop going), so no tick can start
  // a run or an analysis before the current one has returned.
  void timerTick(Ctl timer);
  bool busy() const { return depth_ > 0; }

  // --- setting a control from code runs its handler when the value changes
  void setChecked(Ctl id, bool checked);
  void setText(Ctl id, std::string_view text);
  void setNumber(Ctl id, std::int64_t value);  // setText with the decimal text
  // Radio groups: the index is brought into -1..items-1; the click handler
  // runs only when the index changes to an item.
  void setItemIndex(Ctl id, std::int32_t item);
  void setLabel(Ctl id, std::int64_t value);  // a label's caption, decimal
  void setTimer(Ctl timer, bool enabled) { controls.setChecked(timer, enabled); }
  bool timerEnabled(Ctl timer) const { return controls.checked(timer); }
  bool checked(Ctl id) const { return controls.checked(id); }
  std::uint32_t clockSeconds() const;
  // N of the selected "Npoint" item ("3".."9"); 0 while no item is selected.
  int selectedPointCount() const;

  // --- records --------------------------------------------------------
  ControlModel controls;
  LatticeState& lattice;
  Generator generator;
  InitialState initial;
  ToolData tools;  // freeze mask, example table, picture size
  DrawingGeometry drawing;
  std::int32_t notReturnedRuns = 0;
  BatchCounters batch;
  TestState test;
  AnalysisGeometry geometry;
  PatternTables& patterns;
  AnalysisGrids& grids;
  ConstructionState& construction;
  TableStore& store;
  FileAccess files;

  Canvas* canvas = &nullCanvas_;
  void setCanvas(Canvas* c) { canvas = c ? c : &nullCanvas_; }

  // Every "Warning" text shown since start: the count, and the first texts.
  static constexpr std::size_t kKeptWarnings = 1000;
  std::int64_t warningCount = 0;
  std::vector<std::string> warnings;
  void warn(const std::string& text);

  // Direct analyses run since start (the headless front end counts trials).
  std::int64_t analysesRun = 0;

  // --- application shell ----------------------------------------------
  void FormShow();
  void MainPanel1Click();
  void SingleWork1Click();
  void Scale1Click();
  void Extended1Click();
  void F3x1Click();
  void F2x1Click();
  void INTEGRATEDPanel1Click();
  void PanelInt1Click();
  void GroupBox5Click();
  void Dontshow1Click();

  // --- lattice, step rule, run control ----------------------------------
  void Edit1Change();
  void UpDown2Click();
  void Edit2Change();
  void UpDown1Click();
  void Button2Click();  // the step handler
  void Timer1Timer();
  void Button1Click();    // "One st."
  void Button6Click();    // "GO"
  void Button7Click();    // "Stop" (full)
  void Button140Click();  // "Stop" (timer only)
  void Button10Click();   // "Reverse"
  void Button57Click();   // upper "-"
  void Button72Click();   // lower "-"
  void Button5Click();    // "M A =0 5"
  void RadioGroup12Click();
  void backwardStep();

  // --- batch statistics ---------------------------------------------------
  void Timer101Click();  // "Timer10": batch mode on or off
  void Timer10Timer();   // the next batch run
  void endOfBatchRun();
  void showBatchLabels();
  void endOfRun();
  void analyseFinishedRun();  // Button119Click, noting the rows it rewrote

  // --- drawing ------------------------------------------------------------
  void Button3Click();        // the drawing pass
  void displaySwitchClick();  // "mA".."mdC", CheckBox34, CheckBox35
  void CheckBox33Click();     // "Ordinary"
  void Viewinitial1Click();
  void notpaint1Click();
  void Edit49Change();
  void Edit50Change();
  void UpDown8Click();
  void drawAnalysisGrids();

  // --- initial lines ------------------------------------------------------
  void Button58Click();  // "Random"
  void Button8Click();   // the window clear
  void Edit6Change();
  void Edit7Change();
  void Edit3Change();
  void UpDown3Click();
  void Edit4Change();
  void UpDown4Click();
  void toggleOwnCheck(Ctl menuItem);
  void fullReset();
  void partialReset();

  // --- line, mask, example and picture files ------------------------------
  void WriteCA1Click();  // "Write square"
  void Wsq21Click();
  void Wsq31Click();
  void Wsq41Click();
  void Wsq51Click();
  void ReadCA1Click();  // "Read square"
  void sq21Click();     // "R sq(2)"
  void Rsq31Click();
  void sq41Click();
  void Rsq51Click();
  void Readmask1Click();
  void Writemask1Click();
  void Readrandom1Click();   // "Read Exr.dat"
  void Writerandom1Click();  // "Write Exr.dat"
  void WriteRCA1Click();
  void SaveDialog1CanClose(const std::string& fileName);
  void READFROMFILE1Click();
  void READFROMFILER1Click();
  void applyLoadedLength();

  // --- other line commands and the mouse ----------------------------------
  void XXX1Click();
  void N159101Click();  // "Re 15 9 10"
  void Make1Click();
  void Iesinv1Click();
  void Clear1Click();
  void Clearall1Click();
  void Line1Click();  // also "Line Center"
  void N14Click();    // "N times CB"
  void CBCNtimes1Click();
  void Center1Click();
  void RANDOM2Click();
  void drawSquareFrame();
  void FormMouseDown(MouseButton button, std::int64_t x, std::int64_t y);
  void FormMouseMove(std::int64_t x, std::int64_t y);

  // --- "Show initial" (TForm3) ---------------------------------------------
  void FShowinitial1Click();  // "(F) Show initial": the window's FormShow
  void Form3FormShow();
  void Form3Edit1Change();
  void Form3Edit2Change();
  void Form3Edit11Change();
  void Form3EntryEditChange(Ctl edit);  // Edit3..Edit10
  void Form3Button1Click();             // "DO"

  // --- test loop ----------------------------------------------------------
  void Button125Click();  // "Start test"
  void Button126Click();  // "Stop"
  void Button124Click();  // "Clear"
  void Timer11Timer();
  void Button103Click();  // trial set-up
  void Edit45Change();
  void Edit46Change();
  void Edit51Change();
  void Edit47Change();
  void Edit48Change();

  // --- analysis geometry, direct analysis, construction -------------------
  void Button93Click();  // "Clear 93"
  void RadioGroup15Click();
  void Edit33Change();
  void offsetEditChange(Ctl edit);  // Edit34..Edit44
  void Button127Click();            // "Do from mask"
  void Button129Click();            // "Do from mask" twice
  void CheckBox41Click();           // ">>"
  void CheckBox45Click();           // "<<"
  void maskBoxClick();              // CheckBox3..12, CheckBox14..23
  void Button122Click();            // "Nac 122"
  void refreshGeometryDisplays();
  void Button119Click();  // direct analysis
  void Button101Click();  // table construction

  // --- table store and panels --------------------------------------------
  void Write11Click();
  void Write21Click();
  void WriteU1Click();
  void ReadtempN11Click();
  void Button139Click();  // "R1 -> temp"
  void WriteRT1Click();
  void loadLibraryTable(int item);  // an item of the library menus
  void Button130Click();            // "Show RT1"
  void Button131Click();            // "Show Rt2"
  void Button133Click();            // "Show RTU"
  void ResT0c1c11Click();
  void N7Click();
  void Res01231Click();
  void N0colomn1Click();
  void ResNfbleN11Click();
  void ResTableN21Click();
  void Cytcr1Click();

  // --- comparison and copying ---------------------------------------------
  void Button132Click();  // Compare ("Comp.+", hidden; reached through "Comp.P")
  void Button141Click();  // "Comp.P"
  void Button135Click();  // "Comp P (20"
  void Button137Click();  // "1 => 2"
  void Button136Click();  // "2 <= U"
  void Copy1to2Click();
  void Copy1toInv2Click();
  void Copy2to1Click();
  void Copy1toUClick();
  void CopyUto1Click();
  void CopyUto2Click();

 private:
  struct Depth;
  void runHandler(Ctl id);
  void noteCheckedChange(Ctl id);
  void initialiseControls();

  LabEnvironment env_;
  int depth_ = 0;
  NullCanvas nullCanvas_;
  std::unique_ptr<LatticeState> latticeStore_;
  std::unique_ptr<PatternTables> patternStore_;
  std::unique_ptr<AnalysisGrids> gridStore_;
  std::unique_ptr<ConstructionState> constructionStore_;
  std::unique_ptr<TableStore> tableStore_;
};

}  // namespace quorvan
