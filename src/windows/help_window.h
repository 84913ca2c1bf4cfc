#pragma once
// Help -> "F1": a short modal guide to the main window.
#include <QDialog>

class QPlainTextEdit;

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  QPlainTextEdit* text() const { return text_; }

 private:
  QPlainTextEdit* text_;
};
