// Commands on the design as a whole: New, Open, Save as and Random button.
#include <QFileDialog>
#include <QFileInfo>

#include "DesignFile.h"
#include "EditorText.h"
#include "MainWindow.h"
#include "RandomDesign.h"

QString TForm1::execFileDialog(QFileDialog* dialog, const QString& proposed) {
  if (!proposed.isEmpty()) {
    const QFileInfo name(proposed);
    dialog->setDirectory(name.absolutePath());
    dialog->selectFile(name.fileName());
  }
  if (dialog->exec() != QDialog::Accepted) return QString();
  return dialog->selectedFiles().value(0);
}

QString TForm1::chooseFile(QFileDialog* dialog, const QString& proposed) {
  const QString chosen = execFileDialog(dialog, proposed);
  if (chosen.isEmpty()) return chosen;
  return WithDefaultSuffix(chosen, dialog->defaultSuffix());
}

void TForm1::New1Click() {
  // The reset empties the texture, sets the font and fills the controls.
  ResetDesign(ButtonDesign_, Font_, *this);
  RenderButton();
}

void TForm1::Open1Click() {
  const QString path = chooseFile(OpenDialog1, QString());
  if (path.isEmpty()) return;
  // "Save as..." proposes the design last opened.
  SaveDialog2FileName = path;
  // The load reports a bad file or texture itself, fills the controls and renders.
  LoadDesign(path, ButtonDesign_, Font_, *this);
  SyncControls();
  // An opened design starts a history of its own.
  history_.reset();
}

void TForm1::Save1Click() {
  const QString path = chooseFile(SaveDialog2, SaveDialog2FileName);
  if (path.isEmpty()) return;
  SaveDialog2FileName = path;
  // The file is replaced only once the new one is complete, so a failure keeps what was
  // on disk.
  QString error;
  if (!SaveDesign(path, ButtonDesign_, Font_, &error)) showError(error);
}

void TForm1::Randombutton1Click() {
  // A new look from the shared generator; the captions and the current slot stay.
  MakeRandomDesign(ButtonDesign_, Font_, *this);
  RenderButton();
}
