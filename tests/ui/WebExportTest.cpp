#include <QCheckBox>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "EditorFixture.h"
#include "ImageFiles.h"
#include "PreviewBox.h"
#include "SetExportDialog.h"

namespace {

class WebExportTest : public EditorTest {
 protected:
  QTemporaryDir dir;
};

TEST_F(WebExportTest, TheSetDialogWritesTheSetAndOffersItsPage) {
  d().CaptionSlots[1].setText(QStringLiteral("Second"));
  int stripImages = -1;
  whenModal([&](QWidget* widget) {
    auto* dialog = qobject_cast<SetExportDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->FolderEdit, dir.path());
    typeInto(dialog->PrefixEdit, QStringLiteral("nav"));
    // A check box takes clicks on its mark and caption.
    const auto tick = [](QCheckBox* box) {
      QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    };
    tick(dialog->StateBoxes[3]);  // no disabled state
    tick(dialog->TwoXBox);        // 1x only
    tick(dialog->SheetBox);
    stripImages = static_cast<int>(dialog->Strip->images().size());
    QTest::mouseClick(dialog->ExportButton, Qt::LeftButton);
  });
  form->Exportset1->trigger();
  EXPECT_EQ(stripImages, 3) << "the strip shows the chosen states";
  EXPECT_EQ(
      QDir(dir.path()).entryList(QDir::Files),
      (QStringList{"nav-sheet.png", "nav.css", "nav.html", "nav1-hover.png", "nav1-pressed.png",
                   "nav1.png", "nav2-hover.png", "nav2-pressed.png", "nav2.png"}));
  EXPECT_TRUE(form->PageControl1->isVisible());
  ASSERT_EQ(form->questions.size(), 1);
  EXPECT_TRUE(form->questions[0].contains(dir.filePath("nav.html"))) << form->questions[0].toStdString();
  ASSERT_EQ(form->webPages.size(), 1u);
  EXPECT_EQ(form->webPages[0], QUrl::fromLocalFile(dir.filePath("nav.html")));

  // The choices are there again next time, also in another run.
  SetExportDialog again;
  EXPECT_EQ(again.PrefixEdit->text(), "nav");
  EXPECT_FALSE(again.StateBoxes[3]->isChecked());
  EXPECT_FALSE(again.TwoXBox->isChecked());
  EXPECT_TRUE(again.SheetBox->isChecked());
  EXPECT_EQ(QDir::fromNativeSeparators(again.FolderEdit->text()), dir.path());
}

TEST_F(WebExportTest, PngIsTheTransparentButtonAndThePreviewShowsWhatAPageShows) {
  form->fileAnswer = dir.filePath("b");
  form->Png1->trigger();
  ASSERT_EQ(form->fileDialogs.size(), 1u);
  EXPECT_EQ(form->fileDialogs[0].suffix, "png");
  const QImage png = ReadPng(dir.filePath("b.png"));
  EXPECT_EQ(png.size(), previewSize());
  EXPECT_TRUE(png.hasAlphaChannel());
  EXPECT_EQ(qAlpha(png.pixel(0, 0)), 255 * 9 / 16) << "a corner the page partly shows through";

  form->Showtransparency1->trigger();
  EXPECT_TRUE(form->Image3->checkerboard());
  EXPECT_EQ(form->Image3->shown().convertToFormat(QImage::Format_ARGB32),
            png.convertToFormat(QImage::Format_ARGB32));
  EXPECT_EQ(form->Image3->picture().size(), png.size()) << "exports still take the button";

  // On a screen scaled twice the preview shows the 2x image at the same place.
  form->pixelRatio = 2;
  form->Showtransparency1->trigger();  // off again
  EXPECT_FALSE(form->Image3->checkerboard());
  EXPECT_EQ(form->Image3->shown().size(), png.size() * 2);
  EXPECT_EQ(form->Image3->shown().devicePixelRatio(), 2);
  EXPECT_EQ(form->Image3->picture().size(), png.size());
}

}  // namespace
