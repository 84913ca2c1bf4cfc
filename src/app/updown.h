#pragma once
// A small spinner: two arrow buttons beside an edit, with a position and a
// range. Only a user's click on an arrow emits `clicked`; setting the
// position from code is silent, so mirroring the core's state onto the
// widget never runs a handler a second time.
#include <QWidget>

class QToolButton;

class UpDown : public QWidget {
  Q_OBJECT
 public:
  explicit UpDown(QWidget* parent = nullptr);

  int position() const { return position_; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  void setPosition(int position);  // clamped to the range, emits nothing
  void setRange(int minimum, int maximum);

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  // A user pressed an arrow; `position` is the new, clamped position.
  void clicked(int position);

 private:
  void step(int delta);

  QToolButton* up_;
  QToolButton* down_;
  int position_ = 0;
  int minimum_ = 0;
  int maximum_ = 100;
};
