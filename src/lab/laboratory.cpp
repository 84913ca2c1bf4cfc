#include "lab/laboratory.h"

#include <algorithm>
#include <ctime>

namespace quorvan {

struct Laboratory::Depth {
  explicit Depth(Laboratory& lab) : lab_(lab) { ++lab_.depth_; }
  ~Depth() { --lab_.depth_; }
  Laboratory& lab_;
};

Laboratory::Laboratory(LabEnvironment env)
    : lattice(*new LatticeState),
      patterns(*new PatternTables),
      grids(*new AnalysisGrids),
      construction(*new ConstructionState),
      store(*new TableStore),
      files(env.workDir),
      env_(std::move(env)) {
  // The references above own these records; hand them to smart pointers at
  // once so they are freed with the laboratory.
  latticeStore_.reset(&lattice);
  patternStore_.reset(&patterns);
  gridStore_.reset(&grids);
  constructionStore_.reset(&construction);
  tableStore_.reset(&store);
  if (!env_.clockSeconds) env_.clockSeconds = [] { return static_cast<std::uint32_t>(std::time(nullptr)); };
  warnings.reserve(64);
  initialiseControls();
  controls.takeChanged();
}

Laboratory::~Laboratory() = default;

void Laboratory::warn(const std::string& text) {
  ++warningCount;
  if (warnings.size() < kKeptWarnings) warnings.push_back(text);
  if (env_.showWarning) env_.showWarning(text);
}

std::uint32_t Laboratory::clockSeconds() const { return env_.clockSeconds(); }

int Laboratory::selectedPointCount() const {
  const std::int32_t item = controls.itemIndex(Ctl::RadioGroup15);
  return item >= 0 && item <= MaxPoints - MinPoints ? item + MinPoints : 0;
}

// --- entry points ---------------------------------------------------------

void Laboratory::userClick(Ctl id) {
  Depth d(*this);
  runHandler(id);
}

void Laboratory::userToggle(Ctl id, bool isChecked) {
  Depth d(*this);
  if (controls.setChecked(id, isChecked)) noteCheckedChange(id);
  runHandler(id);
}

void Laboratory::userSelect(Ctl id, std::int32_t item) {
  Depth d(*this);
  const std::int32_t count = controls[id].itemCount;
  item = std::clamp(item, -1, count - 1);
  // A click on the item already selected changes nothing and runs nothing.
  if (controls.setItemIndex(id, item) && item >= 0) runHandler(id);
}

void Laboratory::userType(Ctl id, std::string_view text) {
  Depth d(*this);
  if (controls.setText(id, text)) runHandler(id);
}

void Laboratory::userSpin(Ctl id, std::int32_t position) {
  Depth d(*this);
  controls.setPosition(id, position);
  runHandler(id);
}

void Laboratory::mouseDown(std::int64_t x, std::int64_t y, MouseButton button) {
  Depth d(*this);
  FormMouseDown(button, x, y);
}

void Laboratory::mouseMove(std::int64_t x, std::int64_t y) {
  Depth d(*this);
  FormMouseMove(x, y);
}

void Laboratory::timerTick(Ctl timer) {
  if (busy() || !controls.checked(timer)) return;
  Depth d(*this);
  runHandler(timer);
}

// --- programmatic changes ---------------------------------------------------

void Laboratory::setChecked(Ctl id, bool isChecked) {
  if (!controls.setChecked(id, isChecked)) return;
  noteCheckedChange(id);
  runHandler(id);
}

void Laboratory::setText(Ctl id, std::string_view text) {
  if (controls.setText(id, text)) runHandler(id);
}

void Laboratory::setNumber(Ctl id, std::int64_t value) { setText(id, std::to_string(value)); }

void Laboratory::setLabel(Ctl id, std::int64_t value) { controls.setText(id, std::to_string(value)); }

void Laboratory::setItemIndex(Ctl id, std::int32_t item) {
  const std::int32_t count = controls[id].itemCount;
  item = std::clamp(item, -1, count - 1);
  if (controls.setItemIndex(id, item) && item >= 0) runHandler(id);
}

namespace {

constexpr Ctl kLeftMask[MaxDistance] = {Ctl::CheckBox3,  Ctl::CheckBox4,  Ctl::CheckBox5, Ctl::CheckBox6,
                                        Ctl::CheckBox7,  Ctl::CheckBox8,  Ctl::CheckBox9, Ctl::CheckBox10,
                                        Ctl::CheckBox11, Ctl::CheckBox12, Ctl::CheckBox13};
constexpr Ctl kRightMask[MaxDistance] = {Ctl::CheckBox14, Ctl::CheckBox15, Ctl::CheckBox16, Ctl::CheckBox17,
                                         Ctl::CheckBox18, Ctl::CheckBox19, Ctl::CheckBox20, Ctl::CheckBox21,
                                         Ctl::CheckBox22, Ctl::CheckBox23, Ctl::CheckBox24};

}  // namespace

Ctl leftMaskBox(int distance) { return kLeftMask[distance - 1]; }
Ctl rightMaskBox(int distance) { return kRightMask[distance - 1]; }

// The step rule keeps its own copy of the 22 mask boxes; every change of a
// box, by a user or by code, lands here first, so the copy always matches.
void Laboratory::noteCheckedChange(Ctl id) {
  for (int k = 0; k < MaxDistance; ++k) {
    if (id == kLeftMask[k]) lattice.mask.left[k] = controls.checked(id);
    if (id == kRightMask[k]) lattice.mask.right[k] = controls.checked(id);
  }
}

// --- dispatch ---------------------------------------------------------------

void Laboratory::runHandler(Ctl id) {
  switch (id) {
    // shell
    case Ctl::MainPanel1: MainPanel1Click(); break;
    case Ctl::SingleWork1: SingleWork1Click(); break;
    case Ctl::Scale1: Scale1Click(); break;
    case Ctl::Extended1: Extended1Click(); break;
    case Ctl::F3x1: F3x1Click(); break;
    case Ctl::F2x1: F2x1Click(); break;
    case Ctl::INTEGRATEDPanel1: INTEGRATEDPanel1Click(); break;
    case Ctl::PanelInt1: PanelInt1Click(); break;
    case Ctl::GroupBox5: GroupBox5Click(); break;
    case Ctl::Dontshow1: Dontshow1Click(); break;
    // engine
    case Ctl::Edit1: Edit1Change(); break;
    case Ctl::UpDown2: UpDown2Click(); break;
    case Ctl::Edit2: Edit2Change(); break;
    case Ctl::UpDown1: UpDown1Click(); break;
    case Ctl::Button2: Button2Click(); break;
    case Ctl::Timer1: Timer1Timer(); break;
    case Ctl::Button1: Button1Click(); break;
    case Ctl::Button6: Button6Click(); break;
    case Ctl::Button7: Button7Click(); break;
    case Ctl::Button140: Button140Click(); break;
    case Ctl::Button10: Button10Click(); break;
    case Ctl::Button57: Button57Click(); break;
    case Ctl::Button72: Button72Click(); break;
    case Ctl::Button5: Button5Click(); break;
    case Ctl::RadioGroup12: RadioGroup12Click(); break;
    // drawing
    case Ctl::Button3: Button3Click(); break;
    case Ctl::CheckBox1:
    case Ctl::CheckBox2:
    case Ctl::CheckBox29:
    case Ctl::CheckBox30:
    case Ctl::CheckBox31:
    case Ctl::CheckBox32:
    case Ctl::CheckBox34:
    case Ctl::CheckBox35: displaySwitchClick(); break;
    case Ctl::CheckBox33: CheckBox33Click(); break;
    case Ctl::Viewinitial1: Viewinitial1Click(); break;
    case Ctl::notpaint1: notpaint1Click(); break;
    case Ctl::Edit49: Edit49Change(); break;
    case Ctl::Edit50: Edit50Change(); break;
    case Ctl::UpDown8: UpDown8Click(); break;
    // initial lines
    case Ctl::Button58: Button58Click(); break;
    case Ctl::Button8: Button8Click(); break;
    case Ctl::Edit6: Edit6Change(); break;
    case Ctl::Edit7: Edit7Change(); break;
    case Ctl::Edit3: Edit3Change(); break;
    case Ctl::UpDown3: UpDown3Click(); break;
    case Ctl::Edit4: Edit4Change(); break;
    case Ctl::UpDown4: UpDown4Click(); break;
    case Ctl::isSMES1:
    case Ctl::notITZ1:
    case Ctl::Nonreversible1:
    case Ctl::Mousesoliton1:
    case Ctl::randomize2: toggleOwnCheck(id); break;
    // line, mask, example and picture files
    case Ctl::WriteCA1: WriteCA1Click(); break;
    case Ctl::Wsq21: Wsq21Click(); break;
    case Ctl::Wsq31: Wsq31Click(); break;
    case Ctl::Wsq41: Wsq41Click(); break;
    case Ctl::Wsq51: Wsq51Click(); break;
    case Ctl::ReadCA1: ReadCA1Click(); break;
    case Ctl::sq21: sq21Click(); break;
    case Ctl::Rsq31: Rsq31Click(); break;
    case Ctl::sq41: sq41Click(); break;
    case Ctl::Rsq51: Rsq51Click(); break;
    case Ctl::Readmask1: Readmask1Click(); break;
    case Ctl::Writemask1: Writemask1Click(); break;
    case Ctl::Readrandom1: Readrandom1Click(); break;
    case Ctl::Writerandom1: Writerandom1Click(); break;
    case Ctl::WriteRCA1: WriteRCA1Click(); break;
    case Ctl::READFROMFILE1: READFROMFILE1Click(); break;
    case Ctl::READFROMFILER1: READFROMFILER1Click(); break;
    // other line commands
    case Ctl::XXX1: XXX1Click(); break;
    case Ctl::N159101: N159101Click(); break;
    case Ctl::Make1: Make1Click(); break;
    case Ctl::Iesinv1: Iesinv1Click(); break;
    case Ctl::Clear1: Clear1Click(); break;
    case Ctl::Clearall1: Clearall1Click(); break;
    case Ctl::Line1:
    case Ctl::LineCenter1: Line1Click(); break;
    case Ctl::N14: N14Click(); break;
    case Ctl::CBCNtimes1: CBCNtimes1Click(); break;
    case Ctl::Center1: Center1Click(); break;
    case Ctl::RANDOM2: RANDOM2Click(); break;
    // "Show initial"
    case Ctl::FShowinitial1: FShowinitial1Click(); break;
    case Ctl::Form3Edit1: Form3Edit1Change(); break;
    case Ctl::Form3Edit2: Form3Edit2Change(); break;
    case Ctl::Form3Edit11: Form3Edit11Change(); break;
    case Ctl::Form3Edit3:
    case Ctl::Form3Edit4:
    case Ctl::Form3Edit5:
    case Ctl::Form3Edit6:
    case Ctl::Form3Edit7:
    case Ctl::Form3Edit8:
    case Ctl::Form3Edit9:
    case Ctl::Form3Edit10: Form3EntryEditChange(id); break;
    case Ctl::Form3Button1: Form3Button1Click(); break;
    // test loop
    case Ctl::Button125:
    case Ctl::Starttest1: Button125Click(); break;
    case Ctl::Button126:
    case Ctl::Stoptest1: Button126Click(); break;
    case Ctl::Button124:
    case Ctl::Clearresults1: Button124Click(); break;
    case Ctl::Timer11: Timer11Timer(); break;
    case Ctl::Button103: Button103Click(); break;
    case Ctl::Edit45: Edit45Change(); break;
    case Ctl::Edit46: Edit46Change(); break;
    case Ctl::Edit51: Edit51Change(); break;
    case Ctl::Edit47: Edit47Change(); break;
    case Ctl::Edit48: Edit48Change(); break;
    // analysis
    case Ctl::Button93: Button93Click(); break;
    case Ctl::RadioGroup15: RadioGroup15Click(); break;
    case Ctl::Edit33: Edit33Change(); break;
    case Ctl::Edit34:
    case Ctl::Edit35:
    case Ctl::Edit37:
    case Ctl::Edit38:
    case Ctl::Edit39:
    case Ctl::Edit40:
    case Ctl::Edit41:
    case Ctl::Edit42:
    case Ctl::Edit43:
    case Ctl::Edit44: offsetEditChange(id); break;
    case Ctl::Button127: Button127Click(); break;
    case Ctl::Button129: Button129Click(); break;
    case Ctl::CheckBox41: CheckBox41Click(); break;
    case Ctl::CheckBox45: CheckBox45Click(); break;
    case Ctl::CheckBox3:
    case Ctl::CheckBox4:
    case Ctl::CheckBox5:
    case Ctl::CheckBox6:
    case Ctl::CheckBox7:
    case Ctl::CheckBox8:
    case Ctl::CheckBox9:
    case Ctl::CheckBox10:
    case Ctl::CheckBox11:
    case Ctl::CheckBox12:
    case Ctl::CheckBox14:
    case Ctl::CheckBox15:
    case Ctl::CheckBox16:
    case Ctl::CheckBox17:
    case Ctl::CheckBox18:
    case Ctl::CheckBox19:
    case Ctl::CheckBox20:
    case Ctl::CheckBox21:
    case Ctl::CheckBox22:
    case Ctl::CheckBox23: maskBoxClick(); break;
    case Ctl::Button122: Button122Click(); break;
    case Ctl::Button119: analyseFinishedRun(); break;
    case Ctl::Button101: Button101Click(); break;
    // tables
    case Ctl::Write11: Write11Click(); break;
    case Ctl::Write21: Write21Click(); break;
    case Ctl::WriteU1: WriteU1Click(); break;
    case Ctl::ReadtempN11: ReadtempN11Click(); break;
    case Ctl::Button139: Button139Click(); break;
    case Ctl::WriteRT1: WriteRT1Click(); break;
    case Ctl::Button130: Button130Click(); break;
    case Ctl::Button131: Button131Click(); break;
    case Ctl::Button133: Button133Click(); break;
    case Ctl::ResT0c1c11: ResT0c1c11Click(); break;
    case Ctl::N7: N7Click(); break;
    case Ctl::Res01231: Res01231Click(); break;
    case Ctl::N0colomn1: N0colomn1Click(); break;
    case Ctl::ResNfbleN11: ResNfbleN11Click(); break;
    case Ctl::ResTableN21: ResTableN21Click(); break;
    case Ctl::Cytcr1: Cytcr1Click(); break;
    // batch statistics
    case Ctl::Timer101: Timer101Click(); break;
    case Ctl::Timer10: Timer10Timer(); break;
    // comparison and copies
    case Ctl::Button132: Button132Click(); break;
    case Ctl::Button141: Button141Click(); break;
    case Ctl::Button135: Button135Click(); break;
    case Ctl::Button137: Button137Click(); break;
    case Ctl::Button136: Button136Click(); break;
    case Ctl::Copy1to2: Copy1to2Click(); break;
    case Ctl::Copy1toInv2: Copy1toInv2Click(); break;
    case Ctl::Copy2to1: Copy2to1Click(); break;
    case Ctl::Copy1toU: Copy1toUClick(); break;
    case Ctl::CopyUto1: CopyUto1Click(); break;
    case Ctl::CopyUto2: CopyUto2Click(); break;
    default:
      // Controls without a handler of their own (the distance-11 mask boxes,
      // the research switches, "Auto", the order of the hidden pens...).
      break;
  }
}

}  // namespace quorvan
