#include "Prompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QUrl>

Prompts& Prompts::standard() {
  static Prompts prompts;
  return prompts;
}

bool Prompts::run(QDialog* dialog) {
  return dialog->exec() == QDialog::Accepted;
}

QString Prompts::chooseFile(QFileDialog* dialog, const QString& proposed) {
  if (!proposed.isEmpty()) {
    const QFileInfo name(proposed);
    dialog->setDirectory(name.absolutePath());
    dialog->selectFile(name.fileName());
  }
  if (!run(dialog)) return QString();
  return dialog->selectedFiles().value(0);
}

QString Prompts::chooseFolder(QWidget* parent, const QString& title, const QString& start) {
  return QFileDialog::getExistingDirectory(parent, title, start);
}

QString Prompts::askText(QWidget* parent, const QString& title, const QString& label) {
  bool ok = false;
  const QString text =
      QInputDialog::getText(parent, title, label, QLineEdit::Normal, QString(), &ok);
  return ok ? text : QString();
}

Prompts::SaveChoice Prompts::askToSave(QWidget* parent, const QString& question,
                                       const QString& detail) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Tessaro"), question,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setInformativeText(detail);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveChoice::Save;
    case QMessageBox::Discard:
      return SaveChoice::Discard;
    default:
      return SaveChoice::Cancel;
  }
}

bool Prompts::askYesNo(QWidget* parent, const QString& question, bool yesByDefault) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Tessaro"), question,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

bool Prompts::askToLose(QWidget* parent, const QString& question, const QStringList& losses) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Tessaro"), question,
                  QMessageBox::Yes | QMessageBox::No, parent);
  QString list;
  for (const QString& loss : losses)
    list += QStringLiteral("\u2022 %1\n").arg(loss);
  box.setInformativeText(list.trimmed());
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void Prompts::tell(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QStringLiteral("Tessaro"), text, QMessageBox::Ok, parent);
  box.exec();
}

void Prompts::openWebPage(const QUrl& address) {
  QDesktopServices::openUrl(address);
}

qreal Prompts::screenPixelRatio(const QWidget* widget) {
  return widget->devicePixelRatioF();
}
