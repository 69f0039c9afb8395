#include <QApplication>
#include <QIcon>

#include "MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tessaro"));
  // The desktop entry and icon installed with the program, for the task bar.
  QGuiApplication::setDesktopFileName(QStringLiteral("tessaro"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tessaro")));
  // Creating the window resets the design, opens the design file the arguments name,
  // renders the preview and makes the about box and the export dialog. Showing it
  // activates it, which greets with the about box.
  TForm1 form(QApplication::arguments().mid(1));
  form.show();
  return QApplication::exec();
}
