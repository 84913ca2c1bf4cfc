#pragma once
// A shown main window over a fresh temporary working directory, with
// helpers that find its controls by object name.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "canvas/image_canvas.h"
#include "app/surface.h"
#include "app/tform1.h"
#include "lab/library_menus.h"
#include "windows/about_window.h"
#include "windows/help_window.h"

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    quorvan::LabEnvironment env;
    env.workDir = dir_.path().toStdString();
    form_ = std::make_unique<TForm1>(std::move(env));
    form_->show();  // runs FormShow
  }
  void TearDown() override { form_.reset(); }

  template <class T>
  T* find(const char* name) {
    T* w = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QWidget* widget(const char* name) { return find<QWidget>(name); }
  QPushButton* button(const char* name) { return find<QPushButton>(name); }
  QCheckBox* box(const char* name) { return find<QCheckBox>(name); }
  QAction* action(const char* name) { return find<QAction>(name); }
  QString statusText() { return form_->statusBar()->currentMessage(); }

  // Runs `check` on the next modal widget once it is up, then closes it.
  static void onNextModal(std::function<void(QWidget*)> check) {
    QTimer::singleShot(0, [check] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) {
        ADD_FAILURE() << "no modal widget appeared";
        return;
      }
      check(modal);
      if (auto* d = qobject_cast<QDialog*>(modal))
        d->accept();
      else
        modal->close();
    });
  }

  QTemporaryDir dir_;
  std::unique_ptr<TForm1> form_;
};
