#pragma once
// The main window's client area: it shows the backing store the core draws
// on and carries the top-level groups, which lie over the diagram.
#include <QWidget>

class ImageCanvas;

class Surface : public QWidget {
  Q_OBJECT
 public:
  explicit Surface(ImageCanvas* canvas, QWidget* parent = nullptr);
  // Schedules a repaint of what the canvas wrote since the last call.
  void flushDirty();

 signals:
  // A press or a move over the bare diagram, in the surface's coordinates,
  // which are the canvas's and the main window's client area's. Over a group
  // or any other control lying on the surface nothing is reported, as the
  // mouse then belongs to that control.
  void pressed(int x, int y, Qt::MouseButton button);
  void moved(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  ImageCanvas* canvas_;
};
