#include "windows/mask_window.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

// The crosshair is drawn over the chart as well as over the margins, as on
// the window's own canvas; the layer lets every press through.
class MaskWindow::Overlay : public QWidget {
 public:
  explicit Overlay(MaskWindow* owner) : QWidget(owner->client_), owner_(owner) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (owner_->crosshair_.empty()) return;
    QPainter p(this);
    p.setPen(QPen(QColor(0, 128, 0), 1));
    for (const QLine& l : owner_->crosshair_) p.drawLine(l);
  }

 private:
  MaskWindow* owner_;
};

MaskWindow::MaskWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm10");
  setWindowTitle("Correct- incorrect mask");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* menus = new QMenuBar(this);
  menus->setObjectName("MainMenu1");
  QMenu* file = menus->addMenu("File");
  file->setObjectName("File1");
  click12_ = file->addAction("Click 12");
  click12_->setObjectName("Click121");
  click12_->setCheckable(true);
  click12_->setChecked(true);
  // The item does nothing, not even to its own check mark.
  connect(click12_, &QAction::triggered, click12_, [this] { click12_->setChecked(true); });
  layout->setMenuBar(menus);

  client_ = new QWidget(this);
  client_->setObjectName("MaskClient");
  client_->setAutoFillBackground(true);
  client_->installEventFilter(this);
  layout->addWidget(client_);

  image1_ = new QLabel(client_);
  image1_->setObjectName("Image1");
  image1_->setGeometry(0, 0, 681, 641);
  image1_->setScaledContents(true);
  image1_->setPixmap(QPixmap(":/pictures/main_table.bmp"));
  // A press on the chart belongs to the chart, which ignores it.
  image1_->installEventFilter(this);

  overlay_ = new Overlay(this);
  overlay_->raise();

  resize(702, 705 - menus->sizeHint().height());
  move(244, 1);
  hide();
}

void MaskWindow::pressAt(int x, int y) {
  const int cx = (x / 3) * 3 + 1, cy = (y / 3) * 3 + 1;
  crosshair_.assign({QLine(0, cy, 420, cy), QLine(cx, 0, cx, 420)});
  overlay_->update();
}

bool MaskWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == image1_) return true;
    if (watched == client_) {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      pressAt(at.x(), at.y());
      return true;
    }
  }
  if (watched == client_ && event->type() == QEvent::Resize) overlay_->setGeometry(client_->rect());
  return QDialog::eventFilter(watched, event);
}

// The crosshair is drawn straight on the window and lasts until the window
// is shown again.
void MaskWindow::showEvent(QShowEvent* event) {
  crosshair_.clear();
  QDialog::showEvent(event);
}
