// The Edit menu: undo and redo of the design, and where its steps begin and end.
#include <QApplication>
#include <QKeyEvent>

#include "MainWindow.h"

std::function<void()> TForm1::asStep(Command handler, const QString& step,
                                     DesignHistory::Merge merge) {
  return [this, handler, step, merge] {
    const DesignHistory::Action action(history_, step, merge);
    (this->*handler)();
  };
}

DesignState TForm1::captureDesign() const {
  return {design_, Image2->picture(), designFile_, designIsDocument_, savedDesign_};
}

void TForm1::restoreDesign(const DesignState& state) {
  design_ = state.design;
  designFile_ = state.file;
  designIsDocument_ = state.document;
  savedDesign_ = state.saved;
  Image2->setPicture(state.texture);
  SyncControls();
  // The controls' handlers have written their fields back through the clamps of typed
  // input (an angle of 200 that a file brought in is shown as "200" and stored as 90); the
  // design is put back exactly as it was recorded.
  design_ = state.design;
  // Typing on in the memo goes on at its end.
  if (Buttontext->hasFocus()) Buttontext->moveCursor(QTextCursor::End);
}

void TForm1::wireHistory() {
  Undo1->setShortcut(QKeySequence::Undo);
  // The platform's redo keys, and both of the common ones on every platform.
  QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
  for (const QKeySequence& key :
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
    if (!redoKeys.contains(key)) redoKeys << key;
  }
  Redo1->setShortcuts(redoKeys);

  // The items say what they would undo or redo.
  const QUndoStack& stack = history_.stack();
  const auto itemText = [](const QString& command, const QString& step) {
    return step.isEmpty() ? command : QStringLiteral("%1 %2").arg(command, step);
  };
  connect(&stack, &QUndoStack::undoTextChanged, this,
          [this, itemText](const QString& step) { Undo1->setText(itemText(tr("&Undo"), step)); });
  connect(&stack, &QUndoStack::redoTextChanged, this,
          [this, itemText](const QString& step) { Redo1->setText(itemText(tr("&Redo"), step)); });
  connect(&stack, &QUndoStack::canUndoChanged, Undo1, &QAction::setEnabled);
  connect(&stack, &QUndoStack::canRedoChanged, Redo1, &QAction::setEnabled);
  Undo1->setEnabled(false);
  Redo1->setEnabled(false);

  connect(&history_, &DesignHistory::changed, this, &TForm1::updateTitle);
  // Typing ends with the focus leaving its field. (The history, not the window, receives
  // it: the focus still moves while the window's children go, after the history has gone.)
  connect(qApp, &QApplication::focusChanged, &history_, &DesignHistory::closeMerge);
}

void TForm1::Undo1Click() {
  // An export renders one caption after another; the design stays as it is until it is done.
  if (exports_.exporting() || closing_ || !history_.stack().canUndo()) return;
  history_.undo();
  // While a render runs (this is inside its event pump) it starts again with the design
  // put back.
  RenderButton();
}

void TForm1::Redo1Click() {
  if (exports_.exporting() || closing_ || !history_.stack().canRedo()) return;
  history_.redo();
  RenderButton();
}

bool TForm1::isUndoKey(QObject* watched, QEvent* event) const {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
  if (!qobject_cast<QLineEdit*>(watched) && watched != Buttontext) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  // Not taken by the control as its own undo: the shortcut reaches the Edit menu, and when
  // there is nothing to undo, the key does nothing.
  return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
         Redo1->shortcuts().contains(QKeySequence(key->keyCombination()));
}
