#include <QApplication>

#include "Unit1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaro"));
  // Creating the window resets the design, opens the design file the arguments name and
  // renders the preview.
  TForm1 form(QApplication::arguments().mid(1));
  form.show();
  return QApplication::exec();
}
