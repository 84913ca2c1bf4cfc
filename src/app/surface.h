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

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ImageCanvas* canvas_;
};
