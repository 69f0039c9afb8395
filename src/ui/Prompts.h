#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QFileDialog;
class QUrl;
class QWidget;

// Everything the editor's windows ask of the user and of the desktop: the modal dialogs,
// the questions, the messages, a web page to open and the density of a screen. Each window
// is handed one (the standard one unless told otherwise), so that a test answers every
// question of every window at one place, and no dialog waits for a person.
class Prompts {
 public:
  enum class SaveChoice { Save, Discard, Cancel };

  virtual ~Prompts() = default;
  // Shows everything to the user.
  static Prompts& standard();

  // Shows `dialog` modally; true when it closed accepted.
  virtual bool run(QDialog* dialog);
  // Shows a file dialog, on `proposed` (its folder and name) when that is not empty; the
  // path chosen, empty on Cancel.
  virtual QString chooseFile(QFileDialog* dialog, const QString& proposed);
  // An existing folder, starting in `start`; empty on Cancel.
  virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& start);
  // One line of text; empty on Cancel.
  virtual QString askText(QWidget* parent, const QString& title, const QString& label);
  // Whether to save unsaved changes before they would be lost.
  virtual SaveChoice askToSave(QWidget* parent, const QString& question, const QString& detail);
  // A question answered with Yes or No; Return gives the default.
  virtual bool askYesNo(QWidget* parent, const QString& question, bool yesByDefault);
  // Whether to write a file that loses `losses` (each in plain words); No is the default.
  virtual bool askToLose(QWidget* parent, const QString& question, const QStringList& losses);
  // A message box titled "Tessaro" with an OK button.
  virtual void tell(QWidget* parent, QMessageBox::Icon icon, const QString& text);
  // Opens an address with the desktop; a failure is not reported.
  virtual void openWebPage(const QUrl& address);
  // The device pixel ratio `widget` is shown at: 2 on a screen scaled twice.
  virtual qreal screenPixelRatio(const QWidget* widget);
};
