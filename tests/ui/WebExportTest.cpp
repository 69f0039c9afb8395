#include <QCheckBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include "DesignFiles.h"
#include "DesignLooks.h"
#include "EditorFixture.h"
#include "ImageFiles.h"
#include "PreviewBox.h"
#include "SetExportDialog.h"

namespace {

class WebExportTest : public EditorTest {
 protected:
  // The Set dialog on its own, on the editor's design.
  std::unique_ptr<SetExportDialog> setDialog() {
    auto dialog = std::make_unique<SetExportDialog>(nullptr, *form);
    dialog->setCaptions(design().captions, design().current);
    dialog->setLook(SetLook(design(), QImage()));
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
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

// Every caption of the design goes into the set, in its own script, a named one under its
// name; the strip shows the current caption, and captions whose files would meet are
// refused in the dialog before anything is written.
TEST_F(WebExportTest, TheSetHasEveryCaptionAndRefusesFilesThatWouldMeet) {
  for (int i = 1; i < 40; ++i)
    setCaption(i, QStringLiteral("Пункт %1").arg(i + 1));
  design().captions[34].name = QStringLiteral("home");
  design().current = 34;
  form->ShowCaptionSlot();
  const QImage current = form->Image3->picture();
  QImage stripFirst;
  whenModal([&](QWidget* widget) {
    auto* dialog = qobject_cast<SetExportDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->FolderEdit, dir.path());
    typeInto(dialog->PrefixEdit, QStringLiteral("nav"));
    for (int i : {1, 2, 3})
      tick(dialog->StateBoxes[i]);  // normal only
    tick(dialog->TwoXBox);          // 1x only
    if (dialog->SheetBox->isChecked()) tick(dialog->SheetBox);
    stripFirst = dialog->Strip->images().value(0);
    QTest::mouseClick(dialog->ExportButton, Qt::LeftButton);
  });
  form->Exportset1->trigger();
  const QStringList files = QDir(dir.path()).entryList(QDir::Files);
  EXPECT_EQ(files.size(), 40);
  EXPECT_TRUE(files.contains("nav-home.png"));
  EXPECT_TRUE(files.contains("nav40.png"));
  EXPECT_FALSE(files.contains("nav35.png"));
  EXPECT_EQ(stripFirst.size(), current.size()) << "the strip shows the current caption";

  design().captions[1].name = QStringLiteral("sheet");  // beside nav-sheet.png
  QTemporaryDir elsewhere;
  QString shown;
  bool exportable = true;
  whenModal([&](QWidget* widget) {
    auto* dialog = qobject_cast<SetExportDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    typeInto(dialog->FolderEdit, elsewhere.path());
    if (!dialog->SheetBox->isChecked()) tick(dialog->SheetBox);
    shown = dialog->ProblemLabel->isVisible() ? dialog->ProblemLabel->text() : QString();
    exportable = dialog->ExportButton->isEnabled();
    QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
  });
  form->Exportset1->trigger();
  EXPECT_TRUE(shown.contains("caption 2 (sheet)")) << shown.toStdString();
  EXPECT_FALSE(exportable);
  EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
}

TEST_F(WebExportTest, TheSetDialogsTableEditsNamesAndLinksEachAnUndoableStep) {
  setCaption(1, QStringLiteral("About\nus"));
  setCaption(2, QStringLiteral("Contact"));
  design().captions[2].name = QStringLiteral("contact");
  form->ShowCaptionSlot();
  // A cell edited as a user does: the editor opened, the text typed, Return.
  const auto editCell = [](QTableWidget* table, int row, int column, const QString& text) {
    QTableWidgetItem* item = table->item(row, column);
    table->setCurrentItem(item);
    table->editItem(item);
    // Editors closed before are hidden until they are deleted.
    QLineEdit* editor = nullptr;
    for (QLineEdit* open : table->viewport()->findChildren<QLineEdit*>()) {
      if (open->isVisible()) editor = open;
    }
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
  };
  struct Edit {
    int row, column;
    QString typed;
    QString kept;     // what the cell shows afterwards
    QString refusal;  // the reason shown; empty when the edit was taken
  };
  using Column = SetExportDialog::CaptionColumn;
  const Edit edits[] = {
      {0, Column::NameColumn, "home", "home", ""},
      {1, Column::NameColumn, "a/b", "", "a name cannot hold \"/\""},
      {1, Column::NameColumn, "contact", "", "\"contact\" is the name of caption 3 too"},
      {2, Column::NameColumn, "..", "contact", "\"..\" names a folder, not a file"},
      {1, Column::LinkColumn, "/about", "/about", ""},
  };
  QStringList shownTexts;
  whenModal([&](QWidget* widget) {
    auto* dialog = qobject_cast<SetExportDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    QTableWidget* table = dialog->CaptionTable;
    ASSERT_EQ(table->rowCount(), 3);
    for (int row = 0; row < 3; ++row)
      shownTexts << table->item(row, Column::TextColumn)->text() + u'|' +
                        table->item(row, Column::NameColumn)->text();
    EXPECT_FALSE(table->item(0, Column::TextColumn)->flags() & Qt::ItemIsEditable);
    for (const Edit& edit : edits) {
      SCOPED_TRACE(edit.typed.toStdString());
      editCell(table, edit.row, edit.column, edit.typed);
      EXPECT_EQ(table->item(edit.row, edit.column)->text(), edit.kept);
      EXPECT_EQ(dialog->CaptionProblemLabel->isVisible(), !edit.refusal.isEmpty());
      if (!edit.refusal.isEmpty()) {
        EXPECT_TRUE(dialog->CaptionProblemLabel->text().contains(edit.refusal))
            << dialog->CaptionProblemLabel->text().toStdString();
      }
    }
    QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
  });
  form->Exportset1->trigger();
  EXPECT_EQ(shownTexts, QStringList({"Button Text|", "About us|", "Contact|contact"}));

  // The edits stay, cancelled or not: they are the design's, one step each.
  EXPECT_EQ(design().captions[0].name, "home");
  EXPECT_EQ(design().captions[1].name, "");
  EXPECT_EQ(design().captions[1].link, "/about");
  EXPECT_EQ(design().captions[2].name, "contact");
  EXPECT_TRUE(form->designModified());
  EXPECT_EQ(form->Undo1->text(), "&Undo Caption link");
  form->Undo1->trigger();
  EXPECT_EQ(design().captions[1].link, "");
  EXPECT_EQ(form->Undo1->text(), "&Undo Caption name");
  form->Undo1->trigger();
  EXPECT_EQ(design().captions[0].name, "");
  EXPECT_FALSE(form->Undo1->isEnabled());
  form->Redo1->trigger();
  EXPECT_EQ(design().captions[0].name, "home");
}

TEST_F(WebExportTest, TheDesignsSetChoicesComeFirstAndTheChoicesExportedGoBackToIt) {
  // A document's set: its choices fill the dialog rather than the last set's.
  EditorSettings settings;
  settings.setValue("SetExport/prefix", "last");
  design().set.folder = dir.path();
  design().set.prefix = QStringLiteral("doc");
  design().set.states = {ButtonState::Hover, ButtonState::Normal};
  design().set.scales = {2};
  QString shownPrefix;
  bool oneX = true;
  whenModal([&](QWidget* widget) {
    auto* dialog = qobject_cast<SetExportDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    shownPrefix = dialog->PrefixEdit->text();
    oneX = dialog->OneXBox->isChecked();
    EXPECT_EQ(QDir::fromNativeSeparators(dialog->FolderEdit->text()), dir.path());
    typeInto(dialog->PrefixEdit, QStringLiteral("nav"));
    QTest::mouseClick(dialog->ExportButton, Qt::LeftButton);
  });
  form->Exportset1->trigger();
  EXPECT_EQ(shownPrefix, "doc");
  EXPECT_FALSE(oneX);
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("nav1-hover@2x.png")));
  EXPECT_EQ(design().set.prefix, "nav");
  EXPECT_EQ(design().set.states, QList<ButtonState>({ButtonState::Hover, ButtonState::Normal}))
      << "the design's order of the same states stays";
  EXPECT_EQ(form->Undo1->text(), "&Undo Set choices");
  EXPECT_EQ(EditorSettings().value("SetExport/prefix").toString(), "nav");

  // A design file without set choices keeps none: the choices go to the settings only.
  QString error;
  const QString plain = dir.filePath("plain.kq");
  ASSERT_TRUE(WriteDesign(plain, Design{}, &error));
  form->fileAnswer = plain;
  form->Open1->trigger();
  whenModal([&](QWidget* widget) {
    auto* dialog = qobject_cast<SetExportDialog*>(widget);
    ASSERT_NE(dialog, nullptr);
    shownPrefix = dialog->PrefixEdit->text();
    typeInto(dialog->PrefixEdit, QStringLiteral("kq"));
    QTest::mouseClick(dialog->ExportButton, Qt::LeftButton);
  });
  form->Exportset1->trigger();
  EXPECT_EQ(shownPrefix, "nav") << "the last set's";
  EXPECT_EQ(design().set, SetChoices{});
  EXPECT_FALSE(form->designModified());
  EXPECT_EQ(EditorSettings().value("SetExport/prefix").toString(), "kq");
}

TEST_F(WebExportTest, AStateWithADesignOfItsOwnTakesItsLookOrNothingIsExported) {
  Design wide;
  wide.record.AutoSize = 0;
  wide.record.ButtonWidth = 150;
  wide.record.ButtonHeight = 40;
  QString error;
  const QString hover = dir.filePath("hover.tessaro");
  ASSERT_TRUE(WriteDesign(hover, wide, &error)) << error.toStdString();
  struct Case {
    const char* what;
    QString stateDesign;
    bool written;
  };
  const Case cases[] = {
      {"a state design", hover, true},
      {"a state design that is gone", dir.filePath("gone.kq"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString folder = dir.filePath(QString::fromLatin1(c.what).replace(u' ', u'-'));
    ASSERT_TRUE(QDir().mkpath(folder));
    design().set.folder = folder;
    design().set.prefix = QStringLiteral("nav");
    design().set.states = {ButtonState::Normal, ButtonState::Hover};
    design().set.scales = {1};
    design().set.stateDesigns = {{ButtonState::Hover, c.stateDesign}};
    QString message;
    if (c.written) {
      whenModal([](QWidget* widget) {
        QTest::mouseClick(qobject_cast<SetExportDialog*>(widget)->ExportButton, Qt::LeftButton);
      });
    } else {
      whenModal([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        message = box->text();
        box->accept();
      });
    }
    form->Exportset1->trigger();
    if (c.written) {
      EXPECT_EQ(ReadPng(QDir(folder).filePath("nav1-hover.png")).size(), fixedSizeImage(150, 40));
      EXPECT_EQ(ReadPng(QDir(folder).filePath("nav1.png")).size(), previewSize());
      EXPECT_EQ(design().set.stateDesigns.value(ButtonState::Hover), hover) << "kept";
    } else {
      EXPECT_TRUE(message.contains(c.stateDesign)) << message.toStdString();
      EXPECT_TRUE(QDir(folder).isEmpty());
    }
  }
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
      expectFitsScreen(dialog, {dialog->ExportButton, dialog->CancelButton},
                       QStringLiteral("SetExportDialog-%1").arg(c.width));
      EXPECT_EQ(dialog->Strip->images().size(), 4);
      QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
    });
    form->Exportset1->trigger();
  }
}

}  // namespace
