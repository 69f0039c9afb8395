// Image export: JPEG and BMP files, one file per caption, and the clipboard.
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>

#include "ButtonRenderer.h"
#include "CaptionList.h"
#include "EditorText.h"
#include "ExportMultipleDialog.h"
#include "ExportSeries.h"
#include "ImageExport.h"
#include "MainWindow.h"

namespace {
const QString kJpegFilter = QStringLiteral("JPEG files (*.jpg)|*.jpg|All files (*.*)|*.*");
const QString kBmpFilter = QStringLiteral("BMP files (*.bmp)|*.bmp|All files (*.*)|*.*");

// The last name chosen, with the export's own ending in place of the image ending it has
// (a JPEG export never proposes the name of a PNG file); another ending stays part of the
// name.
QString proposedName(const QString& last, ImageType type) {
  if (last.isEmpty()) return last;
  QString name = last;
  if (ImageTypeOfPath(last)) name.truncate(last.lastIndexOf(u'.'));
  return name + u'.' + EndingOf(type);
}
}  // namespace

void TForm1::runExport(const QString& name, Command body) {
  exports_.request(name, [this, body] { (this->*body)(); });
}

void TForm1::Jpeg1Click() {
  runExport(QStringLiteral("JPEG"), &TForm1::exportJpeg);
}

void TForm1::Bmp1Click() {
  runExport(QStringLiteral("BMP"), &TForm1::exportBmp);
}

void TForm1::ExportJPEG1Click() {
  Jpeg1Click();
}

void TForm1::ExportBMP1Click() {
  Bmp1Click();
}

void TForm1::Exportmultiple1Click() {
  runExport(QStringLiteral("Export multiple"), &TForm1::exportMultiple);
}

// One file per caption, named as an export series (prefix, number or name, ending), each
// rendered as the preview renders it; the first failure ends the series with its message.
void TForm1::exportMultiple() {
  if (!prompts_.run(Form3)) return;
  const QString directory = Form3->directory();
  const QString prefix = Form3->Edit1->text();
  const ImageType type = Form3->RadioButton1->isChecked() ? ImageType::Jpeg : ImageType::Bmp;

  // The pages stay hidden for the whole export, uncovering the wait label.
  PageControl1->hide();
  KeepCurrentCaption(design_);
  QString error;
  ExportImageSeries(
      design_.captions, directory, prefix, type,
      [this](int index, QImage* image, QString* reason) {
        // Closing the window (from inside a render) ends the export after the file being
        // written.
        if (closing_) return false;
        design_.current = index;
        // No render runs below this one, so it returns finished, or refused.
        RenderButton();
        if (!renderRefusal_.isEmpty()) {
          *reason = renderRefusal_;
          return false;
        }
        *image = Image3->picture();
        return true;
      },
      &error);
  // The editor stays on the caption the export ended on.
  PageControl1->show();
  ShowCaptionSlot();
  if (!error.isEmpty()) showError(error);
}

// A refused render leaves an old picture in the preview; no export may pass it off as the
// current button.
bool TForm1::refuseUnrendered(const QString& whatFails) {
  if (renderRefusal_.isEmpty()) return false;
  showError(
      QStringLiteral("%1: the button cannot be rendered.\n%2").arg(whatFails, renderRefusal_));
  return true;
}

void TForm1::exportJpeg() {
  // Hiding the pages uncovers "Please wait, rendering button...". No render runs below
  // this one, so it returns finished.
  PageControl1->hide();
  RenderButton();
  PageControl1->show();
  QCoreApplication::processEvents();
  if (refuseUnrendered(QStringLiteral("Nothing was exported"))) return;

  writeThroughDialog(kJpegFilter, Image3->picture(), ImageType::Jpeg);
}

void TForm1::exportBmp() {
  RenderButton();
  if (refuseUnrendered(QStringLiteral("Nothing was exported"))) return;
  writeThroughDialog(kBmpFilter, Image3->picture(), ImageType::Bmp);
}

// ExportDialog1 keeps the last name chosen in it for every export alike.
void TForm1::writeThroughDialog(const QString& filter, const QImage& image, ImageType type) {
  ExportDialog1->setDefaultSuffix(EndingOf(type));
  ExportDialog1->setNameFilters(DialogNameFilters(filter));
  const QString path = chooseFile(ExportDialog1, proposedName(ExportDialog1FileName, type));
  if (path.isEmpty()) return;
  ExportDialog1FileName = path;
  QString error;
  if (!ExportImage(image, path, type, &error)) showError(error);
}

void TForm1::Copy1Click() {
  // Exactly what the preview shows; the preview only ever holds finished renders.
  if (refuseUnrendered(QStringLiteral("Nothing was copied"))) return;
  QGuiApplication::clipboard()->setImage(Image3->picture());
}
