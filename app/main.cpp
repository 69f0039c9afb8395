#include <QApplication>

#include "Unit1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaro"));
  // Creating the window resets the design, fills the controls and renders the preview.
  TForm1 form;
  form.show();
  return QApplication::exec();
}
