#include "app/surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "canvas/image_canvas.h"

Surface::Surface(ImageCanvas* canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
  // The image covers every pixel we paint, so Qt need not erase first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Moves are reported with no button held, for the coordinate labels.
  setMouseTracking(true);
}

// A control that ignores a press passes it on to us; it is still that
// control's press, not the diagram's.
void Surface::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (childAt(p)) {
    event->ignore();
    return;
  }
  emit pressed(p.x(), p.y(), event->button());
}

void Surface::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (childAt(p)) {
    event->ignore();
    return;
  }
  emit moved(p.x(), p.y());
}

void Surface::flushDirty() {
  const QRect dirty = canvas_->takeDirty();
  if (!dirty.isEmpty()) update(dirty);
}

void Surface::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect r = event->rect();
  p.drawImage(r.topLeft(), canvas_->image(), r);
  // Beyond the image (a window larger than the screen) show the background.
  const QRegion outside = QRegion(r).subtracted(QRegion(canvas_->image().rect()));
  for (const QRect& o : outside) p.fillRect(o, QColor(240, 240, 240));
}
