// The about box, the link label, the end of the program and the window remembered for the
// next run.
#include <QCloseEvent>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "AboutBox.h"
#include "EditorSettings.h"
#include "MainWindow.h"

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  if (event->type() == QEvent::Show && !watchingScreen_ && windowHandle()) {
    // Moved to a screen of another density, the preview renders its 1x or 2x image anew.
    watchingScreen_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, &TForm1::Redraw1Click);
  }
  return QMainWindow::event(event);
}

void TForm1::FormActivate() {
  // Qt reports an activation after every modal dialog and on every return from another
  // program too; the box greets only once, after start-up. It opens once the activation
  // has been handled, not inside it.
  if (greeted_) return;
  greeted_ = true;
  QTimer::singleShot(0, this, &TForm1::About1Click);
}

void TForm1::About1Click() {
  prompts_.run(Form2);
}

void TForm1::Exit1Click() {
  close();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Unsaved work is saved or given up knowingly; otherwise the window stays.
  if (!closing_ && !maybeSave()) {
    event->ignore();
    return;
  }
  rememberWindowPlace();
  FormClose();
  event->accept();
}

void TForm1::restoreWindowPlace() {
  const EditorSettings settings;
  // A screen that is gone no longer holds the window: Qt moves it onto one that is there.
  restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
  const int page = settings.value(QStringLiteral("window/page"), -1).toInt();
  if (page >= 0 && page < PageControl1->count()) PageControl1->setCurrentIndex(page);
}

void TForm1::rememberWindowPlace() {
  EditorSettings settings;
  settings.setValue(QStringLiteral("window/geometry"), saveGeometry());
  settings.setValue(QStringLiteral("window/page"), PageControl1->currentIndex());
}

void TForm1::FormClose() {
  // A render or an export may be running below this (the window can close from inside
  // their event pumps): they end without writing anything more, and the renderer's
  // working image goes with the window.
  closing_ = true;
  exports_.stop();
}

void TForm1::Label11Click() {
  prompts_.openWebPage(QUrl::fromUserInput(QString::fromLatin1(kMakerAddress)));
}
