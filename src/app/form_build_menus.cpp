// The menu bar and the timers.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/form_build.h"
#include "lab/library_menus.h"
#include "lab/scheduler.h"

using quorvan::Ctl;

namespace {

struct MenuItemDesign {
  Ctl id;
  const char* caption;
  bool checkable;
  bool separatorAfter;
};

}  // namespace

void TForm1::buildMenus() {
  auto menu = [this](Ctl id, const char* title) {
    auto* m = make<QMenu>(id, QString::fromUtf8(title), MainMenu1);
    MainMenu1->addMenu(m);
    return m;
  };
  NAMED(MenuFile, QMenu, "File", MainMenu1);
  MainMenu1->addMenu(MenuFile);
  MenuFile2 = menu(Ctl::MenuFile2, "File2");
  MenuInitial = menu(Ctl::MenuInitial, "Initial");
  MenuView = menu(Ctl::MenuView, "View");
  MenuView2 = menu(Ctl::MenuView2, "View 2");
  MenuT6 = menu(Ctl::MenuT6, "T=6");
  MenuNEW = menu(Ctl::MenuNEW, "NEW");
  Menu1DIM = menu(Ctl::Menu1DIM, "1 DIM");
  MenuZAD = menu(Ctl::MenuZAD, "ZAD");
  MenuEXPO1 = menu(Ctl::MenuEXPO1, "EXPO_1");
  MenuWriteRead = menu(Ctl::MenuWriteRead, "Write-Read");
  MenuReN4 = menu(Ctl::MenuReN4, "Re N=4");
  MenuReN5 = menu(Ctl::MenuReN5, "Re N=5");
  MenuReN6n = menu(Ctl::MenuReN6n, "Re N=6(n)");
  MenuReN6 = menu(Ctl::MenuReN6, "Re N=6");
  MenuReN6S = menu(Ctl::MenuReN6S, "Re N=6(+S)");
  MenuPlus = menu(Ctl::MenuPlus, "+++");
  MenuExplore = menu(Ctl::MenuExplore, "Explore");
  MenuHelp = menu(Ctl::MenuHelp, "Help");

  auto items = [this](QMenu* m, std::initializer_list<MenuItemDesign> list) {
    for (const MenuItemDesign& d : list) {
      auto* a = make<QAction>(d.id, QString::fromUtf8(d.caption), m);
      a->setCheckable(d.checkable);
      m->addAction(a);
      if (d.separatorAfter) m->addSeparator();
    }
  };
  items(MenuFile, {{Ctl::Starttest1, "Start test", false, false},
                   {Ctl::Stoptest1, "Stop test", false, false},
                   {Ctl::Clearresults1, "Clear results", false, false}});
  items(MenuFile2, {{Ctl::WriteCA1, "Write square", false, false},
                    {Ctl::Wsq21, "W sq(2)", false, false},
                    {Ctl::Wsq31, "W sq(3)", false, false},
                    {Ctl::Wsq41, "W sq(4)", false, false},
                    {Ctl::Wsq51, "W sq(5)", false, true},
                    {Ctl::ReadCA1, "Read square", false, false},
                    {Ctl::sq21, "R sq(2)", false, false},
                    {Ctl::Rsq31, "R sq(3)", false, false},
                    {Ctl::sq41, "R sq(4)", false, false},
                    {Ctl::Rsq51, "R sq(5)", false, true},
                    {Ctl::Readmask1, "Read mask", false, false},
                    {Ctl::Writemask1, "Write mask", false, true},
                    {Ctl::Readrandom1, "Read Exr.dat", false, false},
                    {Ctl::Writerandom1, "Write Exr.dat", false, false},
                    {Ctl::WriteRCA1, "Write RCA", false, true},
                    {Ctl::N159101, "Re 15 9 10", false, true},
                    {Ctl::Mousesoliton1, "Mouse soliton", true, false}});
  items(MenuInitial, {{Ctl::FShowinitial1, "(F) Show initial", false, true},
                      {Ctl::XXX1, "XXX", false, false},
                      {Ctl::Make1, "Make ", false, false},
                      {Ctl::Iesinv1, "Ies inv", false, true},
                      {Ctl::Clear1, "Clear", false, false},
                      {Ctl::Clearall1, "Clear all", false, true},
                      {Ctl::Line1, "Line", false, false},
                      {Ctl::LineCenter1, "Line Center", false, false},
                      {Ctl::N14, "N times CB", false, false},
                      {Ctl::CBCNtimes1, "CBC... nB times", false, false},
                      {Ctl::Center1, "Center", false, false},
                      {Ctl::RANDOM2, "RANDOM", false, true},
                      {Ctl::READFROMFILE1, "READ FROM FILE", false, false},
                      {Ctl::READFROMFILER1, "READ FROM FILE (R)", false, true},
                      {Ctl::randomize2, "randomize", true, true},
                      {Ctl::isSMES1, "is SMES", true, false},
                      {Ctl::notITZ1, "not ITZ", true, false},
                      {Ctl::Nonreversible1, "Non reversible", true, true},
                      {Ctl::Timer101, "Timer10", true, false},
                      {Ctl::Viewinitial1, "View initial", true, false}});
  items(MenuView, {{Ctl::MainPanel1, "Main Panel", true, false},
                   {Ctl::SingleWork1, "Single Work", true, false},
                   {Ctl::Scale1, "Scale", true, false},
                   {Ctl::Extended1, "Extended", true, true},
                   {Ctl::F2x1, "F(2)x", true, false},
                   {Ctl::F3x1, "F(3)x", true, true},
                   {Ctl::ResT0c1c11, "Res.T (=0) (c-1) (c+1)", true, false},
                   {Ctl::N7, "Res.T =0=1=2=3=4=5", true, false},
                   {Ctl::N0colomn1, "+0 colomn", true, false},
                   {Ctl::Res01231, "Res 0 => 1,2,3", true, true},
                   {Ctl::Dontshow1, "Don't show", true, true},
                   {Ctl::MainTable1, "Main Table", false, false}});
  items(MenuView2, {{Ctl::INTEGRATEDPanel1, "INTEGRATED Panel", true, false},
                    {Ctl::PanelInt1, "Panel  Int.", false, false}});
  items(MenuEXPO1, {{Ctl::notpaint1, "not paint", true, false}});
  items(MenuWriteRead, {{Ctl::WriteRT1, "Write RT", false, false}});
  items(MenuExplore, {{Ctl::ResNfbleN11, "Res.Table -> N1", true, false},
                      {Ctl::ResTableN21, "Res.Table -> N2", true, false},
                      {Ctl::Cytcr1, "CH !!! ", true, true},
                      {Ctl::Write11, "Write 1", false, false},
                      {Ctl::Write21, "Write 2", false, false},
                      {Ctl::WriteU1, "Write U", false, true},
                      {Ctl::ReadtempN11, "Read temp => N1", false, true},
                      {Ctl::Copy1to2, "Copy 1=> 2", false, false},
                      {Ctl::Copy1toInv2, "Copy 1=> Inv 2", false, false},
                      {Ctl::Copy2to1, "Copy 2 => 1", false, false},
                      {Ctl::Copy1toU, "Copy 1 => U", false, false},
                      {Ctl::CopyUto1, "Copy U => 1", false, false},
                      {Ctl::CopyUto2, "Copy U => 2", false, false}});
  items(MenuHelp, {{Ctl::F11, "F1", false, false}, {Ctl::About1, "About", false, false}});

  // The stored tables: one item per library entry, in the library's order.
  const auto library = quorvan::libraryItems();
  for (std::size_t i = 0; i < library.size(); ++i) {
    const quorvan::LibraryItem& item = library[i];
    auto* m = qobject_cast<QMenu*>(control(item.menu));
    if (!m) continue;
    auto* a = m->addAction(QString::fromUtf8(item.caption));
    a->setObjectName(
        QString("Library_%1").arg(QString::fromUtf8(item.file)).replace('/', '_').replace('.', '_'));
    connect(a, &QAction::triggered, this, [this, i] {
      guarded([this, i] { lab_->loadLibraryTable(int(i)); });
      sync();
    });
    if (item.separatorAfter) m->addSeparator();
  }
}

void TForm1::buildTimers() {
  // Intervals and precision come from the laboratory's scheduler, so the
  // window and quorvan-lab tick alike.
  auto timer = [this](Ctl id) {
    auto* t = make<QTimer>(id, this);
    for (const quorvan::TimerSpec& spec : quorvan::kTimers) {
      if (spec.timer != id) continue;
      t->setInterval(spec.intervalMs);
      t->setTimerType(spec.precise ? Qt::PreciseTimer : Qt::CoarseTimer);
    }
    return t;
  };
  Timer1 = timer(Ctl::Timer1);
  Timer10 = timer(Ctl::Timer10);
  Timer11 = timer(Ctl::Timer11);
  Timer2 = timer(Ctl::Timer2);
  Timer3 = timer(Ctl::Timer3);
}
