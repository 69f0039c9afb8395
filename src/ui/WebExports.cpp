// Exports for web pages and apps: the button as a transparent PNG, a button set with its
// sprite sheet, stylesheet and page; and the preview as a page would show it (transparency
// on a checkerboard, the 2x image on a screen scaled twice).
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QUrl>
#include <QWindow>

#include "ButtonRenderer.h"
#include "ButtonSet.h"
#include "DesignLooks.h"
#include "EditorText.h"
#include "ExportMultipleDialog.h"
#include "ExportSeries.h"
#include "ImageChoice.h"
#include "ImageExport.h"
#include "MainWindow.h"
#include "SetExportDialog.h"
#include "SetWebPage.h"

namespace {
const QString kPngFilter = QStringLiteral("PNG files (*.png)|*.png|All files (*.*)|*.*");
}  // namespace

unsigned TForm1::wantedExtras() const {
  const int scale = prompts_.screenPixelRatio(Image3) >= 2 ? 2 : 1;
  return exportExtras_ | ExtrasFor(Showtransparency1->isChecked(), scale);
}

void TForm1::showRenderedButton(const QImage& image) {
  const int scale = prompts_.screenPixelRatio(Image3) >= 2 ? 2 : 1;
  const bool transparent = Showtransparency1->isChecked();
  QImage shown = ChosenImage(renderer_->extraImages(), image, transparent, scale);
  if (!shown.isNull() && scale == 2) shown.setDevicePixelRatio(2);
  Image3->setPicture(image, shown, transparent && !shown.isNull());
}

void TForm1::Showtransparency1Click() {
  RenderButton();
}

void TForm1::Png1Click() {
  runExport(QStringLiteral("PNG"), &TForm1::exportPng);
}

void TForm1::Exportset1Click() {
  runExport(QStringLiteral("Set"), &TForm1::exportSet);
}

void TForm1::exportPng() {
  // As the JPEG export: the wait label while it renders, and no render runs below this one.
  PageControl1->hide();
  exportExtras_ = ExtrasFor(true, 1);
  RenderButton();
  exportExtras_ = 0;
  const QImage transparent = ChosenImage(renderer_->extraImages(), {}, true, 1);
  PageControl1->show();
  QCoreApplication::processEvents();
  if (refuseUnrendered(QStringLiteral("Nothing was exported"))) return;

  writeThroughDialog(kPngFilter, transparent, ImageType::Png);
}

// The dialog starts from the editor's last set, or from the design's own set choices when
// it has any (a document's). The choices exported go to the editor's settings, and to the
// design unless it is a design file without set choices: a .kq cannot keep them, and
// would only ask about losing them. Names and links edited in the table are steps of the
// design's history as they are made.
void TForm1::exportSet() {
  if (refuseUnrendered(QStringLiteral("Nothing was exported"))) return;
  QMap<ButtonState, ButtonLook> stateLooks;
  QString failure;
  if (!StateLooksOf(design_.set.stateDesigns, &stateLooks, &failure)) {
    showError(QStringLiteral("Nothing was exported: %1").arg(failure));
    return;
  }
  SetDialog->restoreChoices(Form3->directory());
  if (design_.set != SetChoices{}) SetDialog->showChoices(design_.set);
  SetDialog->setCaptions(design_.captions, design_.current);
  SetDialog->setLook(SetLook(design_, Image2->picture()), stateLooks);
  const QMetaObject::Connection edits = connect(
      SetDialog, &SetExportDialog::captionEdited, this, [this](int index, const Caption& caption) {
        if (index >= design_.captions.size()) return;
        const Caption& was = design_.captions[index];
        const DesignHistory::Action step(
            history_, was.name != caption.name ? tr("Caption name") : tr("Caption link"));
        design_.captions[index] = caption;
      });
  const bool accepted = prompts_.run(SetDialog);
  disconnect(edits);
  if (!accepted) return;
  SetDialog->saveChoices();
  if (designIsDocument_ || design_.set != SetChoices{}) {
    const DesignHistory::Action step(history_, tr("Set choices"));
    SetChoices chosen = SetDialog->choices();
    chosen.stateDesigns = design_.set.stateDesigns;
    design_.set = chosen;
  }
  const ButtonLook look = SetLook(design_, Image2->picture());
  const ButtonSetOptions options = SetDialog->options();

  // The pages stay hidden for the whole export, uncovering the wait label; the window keeps
  // answering, and closing it calls the set off.
  PageControl1->hide();
  QString error;
  const bool written = ExportButtonSet(look, design_.captions, options, &error, {}, [this] {
    QCoreApplication::processEvents();
    return !closing_;
  });
  PageControl1->show();
  ShowCaptionSlot();
  if (!written) {
    if (!error.isEmpty()) showError(error);
    return;
  }
  const QString page = PathInFolder(options.folder, SetPageFileName(options.prefix));
  if (options.sheet &&
      prompts_.askYesNo(this,
                        QStringLiteral("The set is written. Open %1 in the browser?")
                            .arg(QDir::toNativeSeparators(page)),
                        true)) {
    prompts_.openWebPage(QUrl::fromLocalFile(page));
  }
}
