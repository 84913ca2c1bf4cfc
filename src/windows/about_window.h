#pragma once
// Help -> "About": a small modal window with the build date.
#include <QDialog>

class QLabel;

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent = nullptr);
  QLabel* dateLabel() const { return date_; }

 private:
  QLabel* date_;
};
