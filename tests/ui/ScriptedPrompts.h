#pragma once

#include <QFileDialog>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <vector>

#include "AboutBox.h"
#include "ExportMultipleDialog.h"
#include "Prompts.h"

// Answers the windows' questions as a test says, and records what was asked. An answer left
// unset shows the real dialog, which the test then answers from inside its event loop.
class ScriptedPrompts : public Prompts {
 public:
  // A file dialog as it was about to be shown.
  struct FileDialogUse {
    QFileDialog* dialog;
    QString proposed;
    QString directory;  // where it opens when nothing is proposed
    QString suffix;
    QStringList filters;
    bool confirmsOverwrite;
  };

  std::optional<QString> pictureAnswer;  // what the picture dialog "returns"
  std::optional<QString> fileAnswer;     // what the other file dialogs "return" ("" is Cancel)
  std::vector<FileDialogUse> fileDialogs;
  std::optional<QString> folderAnswer;       // what the folder dialog "returns"
  std::optional<QString> textAnswer;         // what a request for a line of text "returns"
  std::optional<bool> exportMultipleAnswer;  // how Form3 "closes": true for "&Export"
  bool recordMessages = false;  // plain messages and warnings recorded instead of shown
  QStringList messages;
  QStringList warnings;
  int aboutBoxes = 0;          // the about box, counted instead of shown
  bool realAboutBox = false;   // shown after all (and answered by the test)
  std::vector<QUrl> webPages;  // addresses "opened"
  // How the unsaved-work question is "answered"; unset, the window goes on without saving,
  // as the tests written before the question expect.
  std::optional<SaveChoice> saveAnswer;
  int saveQuestions = 0;
  bool yesNoAnswer = true;  // the answer to every yes-or-no question
  QStringList questions;    // those questions
  // The answer to the question before a file loses part of the design; unset, the real
  // question is shown. What each question listed.
  std::optional<bool> loseAnswer;
  QStringList lossQuestions;
  std::vector<QStringList> lossLists;
  qreal pixelRatio = 1;  // the screens' density, as the windows are told it

  bool run(QDialog* dialog) override {
    if (qobject_cast<TForm2*>(dialog)) {
      ++aboutBoxes;
      if (!realAboutBox) return true;
    }
    if (qobject_cast<TForm3*>(dialog) && exportMultipleAnswer) return *exportMultipleAnswer;
    return Prompts::run(dialog);
  }
  QString chooseFile(QFileDialog* dialog, const QString& proposed) override {
    if (dialog->objectName() == QLatin1String("OpenPictureDialog1")) {
      return pictureAnswer ? *pictureAnswer : Prompts::chooseFile(dialog, proposed);
    }
    fileDialogs.push_back({dialog, proposed, dialog->directory().absolutePath(),
                           dialog->defaultSuffix(), dialog->nameFilters(),
                           !dialog->testOption(QFileDialog::DontConfirmOverwrite)});
    return fileAnswer ? *fileAnswer : Prompts::chooseFile(dialog, proposed);
  }
  QString chooseFolder(QWidget* parent, const QString& title, const QString& start) override {
    return folderAnswer ? *folderAnswer : Prompts::chooseFolder(parent, title, start);
  }
  QString askText(QWidget* parent, const QString& title, const QString& label) override {
    return textAnswer ? *textAnswer : Prompts::askText(parent, title, label);
  }
  SaveChoice askToSave(QWidget*, const QString&, const QString&) override {
    ++saveQuestions;
    return saveAnswer.value_or(SaveChoice::Discard);
  }
  bool askYesNo(QWidget*, const QString& question, bool) override {
    questions << question;
    return yesNoAnswer;
  }
  bool askToLose(QWidget* parent, const QString& question, const QStringList& losses) override {
    lossQuestions << question;
    lossLists.push_back(losses);
    return loseAnswer ? *loseAnswer : Prompts::askToLose(parent, question, losses);
  }
  void tell(QWidget* parent, QMessageBox::Icon icon, const QString& text) override {
    if (recordMessages && icon == QMessageBox::NoIcon) {
      messages << text;
    } else if (recordMessages && icon == QMessageBox::Warning) {
      warnings << text;
    } else {
      Prompts::tell(parent, icon, text);
    }
  }
  void openWebPage(const QUrl& address) override { webPages.push_back(address); }
  qreal screenPixelRatio(const QWidget*) override { return pixelRatio; }
};
