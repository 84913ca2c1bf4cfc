#pragma once
// View -> "Main Table": the reference chart of correct and incorrect masks,
// shown modally. A press in the margins beside and below the chart marks a
// green crosshair on the window.
#include <QDialog>
#include <QLine>
#include <vector>

class QAction;
class QLabel;

class MaskWindow : public QDialog {
  Q_OBJECT
 public:
  explicit MaskWindow(QWidget* parent = nullptr);

  QLabel* image() const { return image1_; }
  QAction* click12() const { return click12_; }
  QWidget* client() const { return client_; }
  // The crosshair's lines in client coordinates; empty until a press.
  const std::vector<QLine>& crosshair() const { return crosshair_; }

  // A press at client position (x, y) on the window's own surface.
  void pressAt(int x, int y);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  class Overlay;
  QWidget* client_;
  QLabel* image1_;
  QAction* click12_;
  QWidget* overlay_;
  std::vector<QLine> crosshair_;
};
