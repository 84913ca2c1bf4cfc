// The window's entry point: the main window first, its secondary windows
// with it (hidden), then the message loop.
#include <QApplication>

#include "app/tform1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TForm1 form;
  form.show();
  return app.exec();
}
