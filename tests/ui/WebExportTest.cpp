#include <QCheckBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "DesignLooks.h"
#include "EditorFixture.h"
#include "ImageFiles.h"
#include "PreviewBox.h"
#include "SetExportDialog.h"

namespace {

class WebExportTest : public EditorTest {
 protected:
  // A check box takes clicks on its mark and caption.
  static void tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }
  // The Set dialog on its own, on the editor's design.
  std::unique_ptr<SetExportDialog> setDialog() {
    auto dialog = std::make_unique<SetExportDialog>(nullptr, *form);
    dialog->setLook(SetLook(design(), QImage()));
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
  }
  // The labels of the dialog that show `text`.
  static QList<QLabel*> labelsShowing(QWidget* dialog, const QString& text) {
    QList<QLabel*> shown;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->isVisible() && label->text().contains(text, Qt::CaseInsensitive)) shown << label;
    }
    return shown;
  }

  QTemporaryDir dir;
};

TEST_F(WebExportTest, TheSetDialogWritesTheSetAndOffersItsPage) {
  setCaption(1, QStringLiteral("Second"));
  int stripImages = -1;
  whenModal([&](QWidget* widget) {
    auto* dialog = qobject_cast<SetExportDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->FolderEdit, dir.path());
    typeInto(dialog->PrefixEdit, QStringLiteral("nav"));
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
  EXPECT_TRUE(form->questions[0].contains(dir.filePath("nav.html")))
      << form->questions[0].toStdString();
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

TEST_F(WebExportTest, TheSetDialogKeepsWhatWasExportedAndDropsWhatWasCancelled) {
  const QString typed = dir.filePath("typed");
  const QString chosen = dir.filePath("chosen");
  const QString elsewhere = dir.filePath("elsewhere");
  for (const QString& folder : {typed, chosen, elsewhere})
    ASSERT_TRUE(QDir().mkpath(folder));
  struct Showing {
    const char* what;
    std::function<void(SetExportDialog*)> change;
    bool exported;
    QString shownNext;  // the folder the next showing starts in
    bool twoXNext;
  };
  const Showing showings[] = {
      {"a folder typed, exported",
       [&](SetExportDialog* dialog) { typeInto(dialog->FolderEdit, typed); }, true, typed, true},
      {"a folder chosen, exported",
       [&](SetExportDialog* dialog) {
         form->folderAnswer = chosen;
         QTest::mouseClick(dialog->FolderButton, Qt::LeftButton);
       },
       true, chosen, true},
      {"a folder chosen and 2x off, cancelled",
       [&](SetExportDialog* dialog) {
         form->folderAnswer = elsewhere;
         QTest::mouseClick(dialog->FolderButton, Qt::LeftButton);
         tick(dialog->TwoXBox);
       },
       false, chosen, true},
  };
  for (const Showing& showing : showings) {
    SCOPED_TRACE(showing.what);
    QString shown;
    bool twoX = false;
    whenModal([&](QWidget* widget) {
      auto* dialog = qobject_cast<SetExportDialog*>(widget);
      ASSERT_NE(dialog, nullptr);
      showing.change(dialog);
      QTest::mouseClick(showing.exported ? dialog->ExportButton : dialog->CancelButton,
                        Qt::LeftButton);
    });
    form->Exportset1->trigger();
    whenModal([&](QWidget* widget) {
      auto* dialog = static_cast<SetExportDialog*>(widget);
      shown = QDir::fromNativeSeparators(dialog->FolderEdit->text());
      twoX = dialog->TwoXBox->isChecked();
      QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
    });
    form->Exportset1->trigger();
    EXPECT_EQ(shown, showing.shownNext);
    EXPECT_EQ(twoX, showing.twoXNext);
  }
  // Kept with the editor's other settings.
  EXPECT_EQ(EditorSettings().value("SetExport/folder").toString(), chosen);
  EXPECT_FALSE(QSettings().contains("SetExport/folder"));
}

TEST_F(WebExportTest, TheSetDialogShowsWhyItCannotExport) {
  struct Case {
    QString folder, prefix;
    QString reason;  // empty: nothing in the way
  };
  const Case cases[] = {
      {dir.path(), "", "type a prefix"},
      {dir.filePath("missing"), "nav", "existing folder"},
      {dir.path(), "nav", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder.toStdString() + " " + c.prefix.toStdString());
    const auto dialog = setDialog();
    typeInto(dialog->FolderEdit, c.folder);
    typeInto(dialog->PrefixEdit, c.prefix);
    EXPECT_EQ(dialog->ExportButton->isEnabled(), c.reason.isEmpty());
    if (!c.reason.isEmpty()) {
      EXPECT_EQ(labelsShowing(dialog.get(), c.reason).size(), 1) << "said in the dialog";
      QSignalSpy accepted(dialog.get(), &QDialog::accepted);
      QTest::keyClick(dialog->PrefixEdit, Qt::Key_Return);
      EXPECT_EQ(accepted.count(), 0);
    }
  }
}

TEST_F(WebExportTest, TheSetDialogFitsTheScreenWhateverTheButtonsSize) {
  struct Case {
    const char* what;
    int width, height;
  };
  const Case cases[] = {{"the default size", 100, 20}, {"the largest", 500, 256}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    d().AutoSize = 0;
    d().ButtonWidth = c.width;
    d().ButtonHeight = c.height;
    d().ShapeKind = kHexagon;
    whenModal([&](QWidget* widget) {
      auto* dialog = qobject_cast<SetExportDialog*>(widget);
      ASSERT_NE(dialog, nullptr);
      QCoreApplication::processEvents();
      const QRect screen = dialog->screen()->availableGeometry();
      EXPECT_LE(dialog->frameGeometry().width(), screen.width());
      EXPECT_LE(dialog->frameGeometry().height(), screen.height());
      for (QPushButton* button : {dialog->ExportButton, dialog->CancelButton}) {
        const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_TRUE(screen.contains(place))
            << button->text().toStdString() << " at " << place.x() << "," << place.y();
      }
      EXPECT_EQ(dialog->Strip->images().size(), 4);
      QDir().mkpath(QStringLiteral(TESSARO_BINARY_DIR "/screenshots"));
      dialog->grab().save(
          QStringLiteral(TESSARO_BINARY_DIR "/screenshots/SetExportDialog-%1.png").arg(c.width));
      QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
    });
    form->Exportset1->trigger();
  }
}

}  // namespace
