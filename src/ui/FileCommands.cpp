// Commands on the design as a whole: New, Open, Open recent, Save, Save as and Random
// button; the design's file, the window title, and the question before unsaved work goes.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "DesignFile.h"
#include "EditorText.h"
#include "MainWindow.h"
#include "RandomDesign.h"
#include "RecentFiles.h"

QString TForm1::chooseFile(QFileDialog* dialog, const QString& proposed) {
  const QString chosen = prompts_.chooseFile(dialog, proposed);
  if (chosen.isEmpty()) return chosen;
  return WithDefaultSuffix(chosen, dialog->defaultSuffix());
}

void TForm1::New1Click() {
  if (!maybeSave()) return;
  // The reset empties the texture, sets the font and fills the controls. The new design
  // has no file and nothing unsaved; the step it makes lets Undo bring the previous design
  // back, with its file.
  clearRecord();
  ResetDesign(ButtonDesign_, Font_, *this);
  designFile_.clear();
  savedDesign_ = designContent();
  history_.replacesDocument();
  updateTitle();
  RenderButton();
}

void TForm1::Open1Click() {
  if (!maybeSave()) return;
  startInDesignFolder(OpenDialog1);
  const QString path = chooseFile(OpenDialog1, QString());
  if (path.isEmpty()) return;
  openDesign(path);
}

void TForm1::openDesign(const QString& path) {
  // "Save as..." proposes the design last opened.
  SaveDialog2FileName = path;
  // The load reports a bad file or texture itself, fills the controls and renders; a file
  // it cannot read leaves the defaults.
  clearRecord();
  const bool loaded = LoadDesign(path, ButtonDesign_, Font_, *this);
  SyncControls();
  startDocument(loaded ? path : QString());
}

void TForm1::clearRecord() {
  ButtonDesign_ = ButtonDesign{};
}

void TForm1::openRecentFile(const QString& path) {
  if (!QFileInfo::exists(path)) {
    recentFiles_->remove(path);
    showMessage(QStringLiteral("\"%1\" no longer exists and was removed from the list.")
                    .arg(QDir::toNativeSeparators(path)));
    return;
  }
  if (maybeSave()) openDesign(path);
}

void TForm1::Save2Click() {
  saveDesign();
}

void TForm1::Save1Click() {
  saveDesignAs();
}

bool TForm1::saveDesign() {
  return designFile_.isEmpty() ? saveDesignAs() : writeDesign(designFile_);
}

bool TForm1::saveDesignAs() {
  // A name proposed (the design last opened or saved) brings its own folder.
  startInDesignFolder(SaveDialog2);
  const QString path = chooseFile(SaveDialog2, SaveDialog2FileName);
  if (path.isEmpty()) return false;
  SaveDialog2FileName = path;
  return mayReplace(path) && writeDesign(path);
}

void TForm1::startInDesignFolder(QFileDialog* dialog) {
  if (!designFile_.isEmpty()) dialog->setDirectory(QFileInfo(designFile_).absolutePath());
}

bool TForm1::mayReplace(const QString& path) {
  // The dialog itself does not ask (it would for the design's own file too, which Save
  // writes unasked); another design is replaced only when the user says so.
  const QFileInfo target(path);
  if (!target.exists() || (!designFile_.isEmpty() && target == QFileInfo(designFile_))) {
    return true;
  }
  return prompts_.askYesNo(
      this,
      tr("%1 already exists.\nDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
      false);
}

bool TForm1::writeDesign(const QString& path) {
  // The file is replaced only once the new one is complete, so a failure keeps what was
  // on disk.
  const QByteArray content = designContent();
  QString error;
  if (!SaveDesign(path, ButtonDesign_, Font_, &error)) {
    showError(error);
    return false;
  }
  designFile_ = path;
  savedDesign_ = content;
  // The states recorded from now on carry the file saved to.
  history_.commit();
  recentFiles_->add(path);
  // Typing on after a save is a step of its own, so that undo can reach the saved state.
  history_.closeMerge();
  updateTitle();
  return true;
}

void TForm1::startDocument(const QString& path) {
  designFile_ = path;
  savedDesign_ = designContent();
  if (!path.isEmpty()) recentFiles_->add(path);
  history_.reset();
}

QByteArray TForm1::designContent() const {
  return EncodeDesignFile(WithoutCurrentSlot(ButtonDesign_), Font_);
}

bool TForm1::designModified() const {
  return designContent() != savedDesign_;
}

void TForm1::updateTitle() {
  const bool modified = designModified();
  if (designFile_.isEmpty() && !modified) {
    setWindowTitle(programTitle_);
  } else {
    // "[*]" is where the platform shows the modified mark; one in the name is shown as is.
    const QString name = designFile_.isEmpty()
                             ? tr("Untitled")
                             : QFileInfo(designFile_)
                                   .fileName()
                                   .replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(name, programTitle_));
  }
  setWindowModified(modified);
}

bool TForm1::maybeSave() {
  if (!designModified()) return true;
  const QString what = designFile_.isEmpty()
                           ? tr("the new design")
                           : QStringLiteral("\"%1\"").arg(QFileInfo(designFile_).fileName());
  switch (prompts_.askToSave(this, tr("Do you want to save the changes to %1?").arg(what),
                             tr("Your changes are lost if you don't save them."))) {
    case SaveChoice::Save:
      // A failed or cancelled save keeps the design and what was going to replace it waits.
      return saveDesign();
    case SaveChoice::Discard:
      return true;
    case SaveChoice::Cancel:
      break;
  }
  return false;
}

void TForm1::Randombutton1Click() {
  // A new look from the shared generator; the captions and the current slot stay.
  MakeRandomDesign(ButtonDesign_, Font_, *this);
  RenderButton();
}
