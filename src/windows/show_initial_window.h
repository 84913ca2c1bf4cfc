#pragma once
// "Show initial": the counts of C and B positions the random line draws,
// the first entries of its position lists and the square's width, opened
// modally from the Initial menu. The laboratory holds every value; this
// window only shows its controls and reports what the user does with them.
#include <QDialog>
#include <functional>

#include "lab/control_model.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm3 : public QDialog {
  Q_OBJECT
 public:
  // `registerObject` names each of the core's controls and files it under
  // its id, as the main window does with its own.
  TForm3(const std::function<void(quorvan::Ctl, QObject*)>& registerObject, QWidget* parent = nullptr);

  // The controls, by their names in the window (object names carry "Form3"
  // first, so that they differ from the main window's namesakes).
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
         *Label6 = nullptr, *Label7 = nullptr;
  QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit11 = nullptr;
  QLineEdit *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr, *Edit6 = nullptr, *Edit7 = nullptr,
            *Edit8 = nullptr, *Edit9 = nullptr, *Edit10 = nullptr;
  QLineEdit *Edit12 = nullptr, *Edit13 = nullptr, *Edit14 = nullptr, *Edit15 = nullptr, *Edit16 = nullptr,
            *Edit17 = nullptr, *Edit18 = nullptr, *Edit19 = nullptr, *Edit20 = nullptr, *Edit21 = nullptr,
            *Edit22 = nullptr, *Edit23 = nullptr, *Edit24 = nullptr, *Edit25 = nullptr, *Edit26 = nullptr,
            *Edit27 = nullptr, *Edit28 = nullptr, *Edit29 = nullptr, *Edit30 = nullptr, *Edit31 = nullptr,
            *Edit32 = nullptr, *Edit33 = nullptr, *Edit34 = nullptr, *Edit35 = nullptr;
  QPushButton* Button1 = nullptr;

 signals:
  // The user changed an edit's text (every edit reports, so the core always
  // knows what each one shows; only the bound ones have a handler there).
  void edited(quorvan::Ctl id);
  // The user pressed a button.
  void pressed(quorvan::Ctl id);

 public slots:
  void Edit1Change() { emit edited(quorvan::Ctl::Form3Edit1); }
  void Edit2Change() { emit edited(quorvan::Ctl::Form3Edit2); }
  void Edit11Change() { emit edited(quorvan::Ctl::Form3Edit11); }
  void Edit3Change() { emit edited(quorvan::Ctl::Form3Edit3); }
  void Edit4Change() { emit edited(quorvan::Ctl::Form3Edit4); }
  void Edit5Change() { emit edited(quorvan::Ctl::Form3Edit5); }
  void Edit6Change() { emit edited(quorvan::Ctl::Form3Edit6); }
  void Edit7Change() { emit edited(quorvan::Ctl::Form3Edit7); }
  void Edit8Change() { emit edited(quorvan::Ctl::Form3Edit8); }
  void Edit9Change() { emit edited(quorvan::Ctl::Form3Edit9); }
  void Edit10Change() { emit edited(quorvan::Ctl::Form3Edit10); }
  void Button1Click() { emit pressed(quorvan::Ctl::Form3Button1); }
};
