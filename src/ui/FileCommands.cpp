// Commands on the design as a whole: New, Open, Open recent, Save, Save as and Random
// button; the design's file and its kind, the window title, and the questions before
// unsaved work goes and before a design file loses part of the design.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "DesignConversion.h"
#include "DesignFile.h"
#include "DesignFiles.h"
#include "DesignHistory.h"
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
  ResetDesign(design_, *this);
  designFile_.clear();
  designIsDocument_ = true;
  savedDesign_ = WithoutCurrentCaption(design_);
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
  const bool loaded = LoadDesign(path, design_, *this);
  SyncControls();
  startDocument(loaded ? path : QString(), !loaded || IsDesignDocumentFile(path));
  showPendingWarnings();
}

void TForm1::clearRecord() {
  design_ = Design{};
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
  return designFile_.isEmpty() ? saveDesignAs() : writeDesign(designFile_, designIsDocument_);
}

bool TForm1::saveDesignAs() {
  // A name proposed (the design last opened or saved) brings its own folder.
  offerDesignKinds(SaveDialog2, designIsDocument_);
  startInDesignFolder(SaveDialog2);
  const QString path = chooseFile(SaveDialog2, SaveDialog2FileName);
  if (path.isEmpty()) return false;
  SaveDialog2FileName = path;
  // The ending says the kind; another ending keeps the kind of the filter chosen.
  const bool document =
      IsDesignDocumentPath(path) || (!path.endsWith(QLatin1String(".kq"), Qt::CaseInsensitive) &&
                                     SaveDialog2->defaultSuffix() == QLatin1String("tessaro"));
  return mayReplace(path) && writeDesign(path, document);
}

void TForm1::offerDesignKinds(QFileDialog* dialog, bool documentFirst) {
  const QString document = QStringLiteral("Tessaro documents (*.tessaro)|*.tessaro");
  const QString file = QStringLiteral("Tessaro files (*.kq)|*.kq");
  dialog->setNameFilters(DialogNameFilters(
      QStringLiteral("%1|%2|All files (*.*)|*.*")
          .arg(documentFirst ? document : file, documentFirst ? file : document)));
  dialog->setDefaultSuffix(documentFirst ? QStringLiteral("tessaro") : QStringLiteral("kq"));
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

bool TForm1::writeDesign(const QString& path, bool document) {
  if (!document) {
    QStringList losses;
    RecordOfDesign(design_, &losses);
    if (!losses.isEmpty() &&
        !prompts_.askToLose(this,
                            tr("A design file (.kq) cannot hold all of this design. Save "
                               "\"%1\" all the same?")
                                .arg(QFileInfo(path).fileName()),
                            losses)) {
      return false;
    }
  }
  // The file is replaced only once the new one is complete, so a failure keeps what was
  // on disk.
  QString error;
  if (!WriteDesignOfKind(path, document, design_, &error)) {
    showError(error);
    return false;
  }
  designFile_ = path;
  designIsDocument_ = document;
  // What the design is now, not what the file holds: a design file's "?" and the captions
  // it dropped stay in the editor, so the design is still the one last saved.
  savedDesign_ = WithoutCurrentCaption(design_);
  // The states recorded from now on carry the file saved to.
  history_.commit();
  recentFiles_->add(path);
  // Typing on after a save is a step of its own, so that undo can reach the saved state.
  history_.closeMerge();
  updateTitle();
  return true;
}

void TForm1::startDocument(const QString& path, bool document) {
  designFile_ = path;
  designIsDocument_ = document;
  savedDesign_ = WithoutCurrentCaption(design_);
  if (!path.isEmpty()) recentFiles_->add(path);
  history_.reset();
}

bool TForm1::designModified() const {
  return WithoutCurrentCaption(design_) != savedDesign_;
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
  // A new look from the shared generator; the captions, the current caption and the set
  // choices stay.
  MakeRandomDesign(design_, *this);
  RenderButton();
}
