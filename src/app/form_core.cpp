// TForm1's frame: construction, the control registry, and sync().
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "app/form_build.h"
#include "canvas/image_canvas.h"
#include "app/surface.h"
#include "windows/about_window.h"
#include "windows/help_window.h"
#include "windows/mask_window.h"

using quorvan::Ctl;
using quorvan::Kind;

namespace {

// Panel texts above this size are applied a moment later, once, however
// often the core rewrites them in between: a running test keeps answering.
constexpr std::size_t kLargePanelText = 256 * 1024;

QColor groupColour(quorvan::GroupColour c) {
  switch (c) {
    case quorvan::GroupColour::Yellow: return QColor(255, 255, 0);
    case quorvan::GroupColour::Highlight: return QColor(0, 120, 215);
    case quorvan::GroupColour::ButtonFace: break;
  }
  return QColor(240, 240, 240);
}

}  // namespace

// Outside any namespace: the macro declares the resource's init function.
static void initResources() { Q_INIT_RESOURCE(resources); }

void TForm1::registerObject(Ctl id, QObject* object) {
  object->setObjectName(QString::fromLatin1(quorvan::controlName(id)));
  objects_[static_cast<std::size_t>(id)] = object;
}

TForm1::TForm1(quorvan::LabEnvironment env, QWidget* parent)
    : QMainWindow(parent), canvas_(std::make_unique<ImageCanvas>()) {
  // The pictures live in the static GUI library, which the linker would
  // otherwise drop.
  initResources();
  if (!env.showWarning) env.showWarning = [this](const std::string& text) { showWarning(text); };
  if (!env.askFileName) env.askFileName = [this](const std::string& filter) { return askFileName(filter); };
  lab_ = std::make_unique<quorvan::Laboratory>(std::move(env));
  lab_->setCanvas(canvas_.get());

  registerObject(Ctl::TForm1, this);
  setWindowTitle("Quorvan");
  QFont f = font();
  f.setPixelSize(11);
  setFont(f);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(240, 240, 240));
  pal.setColor(QPalette::Button, QColor(240, 240, 240));
  setPalette(pal);
  // Titles sit on the frame line, so a group's whole height is usable.
  setStyleSheet(
      "QGroupBox { background-color: #f0f0f0; border: 1px solid #a0a0a0; border-radius: 2px;"
      " margin-top: 6px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
      " left: 6px; padding: 0 2px; }");

  surface_ = new Surface(canvas_.get(), this);
  surface_->setObjectName("Surface");
  setCentralWidget(surface_);

  NAMED(MainMenu1, QMenuBar, this);
  setMenuBar(MainMenu1);
  NAMED(StatusBar1, QStatusBar, this);
  setStatusBar(StatusBar1);

  panelTimer_ = new QTimer(this);
  panelTimer_->setObjectName("PanelTextTimer");
  panelTimer_->setSingleShot(true);
  panelTimer_->setInterval(40);
  connect(panelTimer_, &QTimer::timeout, this, &TForm1::flushPanels);

  buildMenus();
  buildTimers();
  // Later siblings lie on top: the groups of the right-hand column and the
  // small mask panels come after "D Work", which they partly overlap.
  buildDWork();
  buildSingleWork();
  buildResults();
  buildLength();
  buildInitial();
  buildXY();
  buildScale();
  buildBatchPanel();
  buildResearchPanel();
  buildTheory();
  buildMaskPanels();
  wireControls();

  about_ = new AboutWindow(this);
  help_ = new HelpWindow(this);
  // After the wiring of the main window's slots: "Show initial" wires its own.
  buildShowInitial();
  mask_ = new MaskWindow(this);

  // The form's design state, once for every control; after this only what
  // the core changes is applied.
  for (int i = 0; i < quorvan::kControlCount; ++i) apply(static_cast<Ctl>(i));
  lab_->controls.takeChanged();

  resize(1032, 763);
  move(216, 134);
}

TForm1::~TForm1() {
  // Handlers must not run into a half-destroyed window.
  for (int i = 0; i < quorvan::kControlCount; ++i)
    if (auto* t = qobject_cast<QTimer*>(objects_[std::size_t(i)])) t->stop();
  lab_->setCanvas(nullptr);
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TForm1::showWarning(const std::string& text) {
  sync();
  QMessageBox box(QMessageBox::Warning, "Warning", QString::fromStdString(text), QMessageBox::Ok, this);
  box.setObjectName("WarningBox");
  box.exec();
}

// --- generic event paths ------------------------------------------------

void TForm1::guarded(const std::function<void()>& call) {
  try {
    call();
  } catch (const std::exception& e) {
    sync();
    QMessageBox::critical(this, "Error", QString::fromLocal8Bit(e.what()));
  }
}

void TForm1::click(Ctl id) {
  guarded([&] { lab_->userClick(id); });
  sync();
  // A checkable action flips its own mark when triggered; the core decides
  // the mark, so restore the core's state whether or not it changed.
  apply(id);
}

void TForm1::toggle(Ctl id) {
  auto* box = qobject_cast<QCheckBox*>(control(id));
  guarded([&] { lab_->userToggle(id, box && box->isChecked()); });
  sync();
}

void TForm1::select(Ctl id) {
  auto* group = qobject_cast<RadioGroup*>(control(id));
  guarded([&] { lab_->userSelect(id, group ? group->itemIndex() : -1); });
  sync();
}

void TForm1::type(Ctl id) {
  auto* edit = qobject_cast<QLineEdit*>(control(id));
  if (edit) guarded([&] { lab_->userType(id, edit->text().toStdString()); });
  sync();
}

void TForm1::spin(Ctl id) {
  auto* updown = qobject_cast<UpDown*>(control(id));
  if (updown) guarded([&] { lab_->userSpin(id, updown->position()); });
  sync();
}

void TForm1::tick(Ctl id) {
  guarded([&] { lab_->timerTick(id); });
  sync();
}

// --- sync ---------------------------------------------------------------

void TForm1::sync() {
  for (Ctl id : lab_->controls.takeChanged()) apply(id);
  surface_->flushDirty();
}

void TForm1::apply(Ctl id) {
  const quorvan::ControlState& s = lab_->controls[id];
  QObject* object = control(id);
  if (!object) return;
  const bool hasText = s.textGeneration != 0;
  const QString text = hasText ? QString::fromStdString(s.text) : QString();

  switch (quorvan::controlKind(id)) {
    case Kind::Window: return;
    case Kind::StatusBar:
      if (hasText) StatusBar1->showMessage(text);
      return;
    case Kind::Menu: {
      auto* menu = qobject_cast<QMenu*>(object);
      if (!menu) return;  // the menu bar itself
      menu->menuAction()->setVisible(s.visible);
      menu->setEnabled(s.enabled);
      if (hasText) menu->setTitle(text);
      return;
    }
    case Kind::MenuItem: {
      auto* action = static_cast<QAction*>(object);
      if (action->isCheckable()) action->setChecked(s.checked);
      action->setEnabled(s.enabled);
      action->setVisible(s.visible);
      if (hasText) action->setText(text);
      return;
    }
    case Kind::Timer: {
      auto* timer = static_cast<QTimer*>(object);
      if (s.checked && !timer->isActive()) timer->start();
      if (!s.checked && timer->isActive()) timer->stop();
      return;
    }
    default: break;
  }

  auto* w = qobject_cast<QWidget*>(object);
  if (!w) return;
  w->setEnabled(s.enabled);
  // A group's frame is not redrawn on the core's behalf; hide first so a
  // group that changes both ways in one handler ends as the core left it.
  if (w->isHidden() == s.visible) w->setVisible(s.visible);

  switch (quorvan::controlKind(id)) {
    case Kind::Group:
      if (auto* g = qobject_cast<QGroupBox*>(w); g && hasText) g->setTitle(text);
      if (id == Ctl::GroupBoxManage || s.colour != quorvan::GroupColour::ButtonFace) {
        // The window's style sheet paints group backgrounds, so the colour
        // goes through a style sheet of the group's own.
        w->setStyleSheet(QString("QGroupBox#%1 { background-color: %2; }")
                             .arg(w->objectName(), groupColour(s.colour).name()));
      }
      break;
    case Kind::Button:
      if (hasText) static_cast<QPushButton*>(w)->setText(text);
      break;
    case Kind::CheckBox: {
      auto* box = static_cast<QCheckBox*>(w);
      box->setChecked(s.checked);
      if (hasText) box->setText(text);
      break;
    }
    case Kind::RadioGroup: {
      auto* group = static_cast<RadioGroup*>(w);
      if (group->itemIndex() != s.itemIndex) group->setItemIndex(s.itemIndex);
      break;
    }
    case Kind::Edit: {
      auto* edit = static_cast<QLineEdit*>(w);
      // Rewriting an edit with its own text would move the user's cursor.
      if (hasText && edit->text() != text) edit->setText(text);
      break;
    }
    case Kind::UpDown: {
      auto* updown = static_cast<UpDown*>(w);
      updown->setRange(s.minimum, s.maximum);
      updown->setPosition(s.position);
      break;
    }
    case Kind::Label:
      if (hasText) static_cast<QLabel*>(w)->setText(text);
      break;
    case Kind::RichEdit: applyPanel(id, false); break;
    default: break;
  }
}

void TForm1::applyPanel(Ctl id, bool force) {
  const quorvan::ControlState& s = lab_->controls[id];
  std::uint32_t& shown = shownGeneration_[static_cast<std::size_t>(id)];
  if (shown == s.textGeneration && !force) return;
  if (!force && s.text.size() > kLargePanelText) {
    if (std::find(pendingPanels_.begin(), pendingPanels_.end(), id) == pendingPanels_.end())
      pendingPanels_.push_back(id);
    if (!panelTimer_->isActive()) panelTimer_->start();
    return;
  }
  shown = s.textGeneration;
  static_cast<QPlainTextEdit*>(control(id))->setPlainText(QString::fromStdString(s.text));
}

void TForm1::flushPanels() {
  std::vector<Ctl> pending;
  pending.swap(pendingPanels_);
  for (Ctl id : pending) {
    if (shownGeneration_[static_cast<std::size_t>(id)] != lab_->controls[id].textGeneration)
      applyPanel(id, true);
  }
}
