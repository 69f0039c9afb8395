#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <functional>

#include "EditorFixture.h"
#include "ImageFiles.h"
#include "RandomGenerator.h"
#include "Skin.h"
#include "SkinExportDialog.h"

namespace {

class SkinExportTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(elsewhere.isValid());
  }

  static void setSpin(QSpinBox* box, int value) {
    typeInto(box, QString::number(value));
    QTest::keyClick(box, Qt::Key_Tab);
  }
  // Answers the skin dialog the next Export > Skin shows: `act` on it, then Export or Cancel.
  void answerDialog(const std::function<void(SkinExportDialog*)>& act, bool exportIt) {
    whenModal([act, exportIt](QWidget* widget) {
      auto* dialog = qobject_cast<SkinExportDialog*>(widget);
      ASSERT_NE(dialog, nullptr) << "not the skin dialog";
      act(dialog);
      QTest::mouseClick(exportIt ? dialog->ExportButton : dialog->CancelButton, Qt::LeftButton);
    });
  }
  ButtonLook look() {
    ButtonLook l;
    l.design = d();
    l.font = form->captionFont();
    l.texture = form->Image2->picture();
    return l;
  }
  // Every file under `folder`, those in folders as "folder/name".
  static QStringList filesUnder(const QString& folder) {
    QStringList files;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
      files << name;
    for (const QString& sub : QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      for (const QString& name : filesUnder(QDir(folder).filePath(sub)))
        files << sub + u'/' + name;
    }
    files.sort();
    return files;
  }
  static QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // The dialog on its own, on the editor's design, as Export > Skin shows it.
  std::unique_ptr<SkinExportDialog> skinDialog() {
    auto dialog = std::make_unique<SkinExportDialog>(nullptr, *form);
    dialog->restoreChoices(dir.path());
    dialog->setLook(look(), design().captions, design().current);
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
  }

  QTemporaryDir dir;
  QTemporaryDir elsewhere;
};

TEST_F(SkinExportTest, TheChoicesReachTheFilesTheSkinWrites) {
  // Noise is drawn from the program's generator: the strip, a preview, must leave it where
  // the export finds it.
  d().Distortion = 30;
  struct Case {
    const char* what;
    std::function<void(SkinExportDialog*)> change;
    std::function<void(SkinOptions&)> chosen;  // the same change to the options
  };
  const Case cases[] = {
      {"as the dialog starts", [](SkinExportDialog*) {}, [](SkinOptions&) {}},
      {"a prefix, no disabled state, 1x only",
       [](SkinExportDialog* dialog) {
         typeInto(dialog->PrefixEdit, QStringLiteral("nav"));
         tick(dialog->StateBoxes[3]);
         tick(dialog->TwoXBox);
       },
       [](SkinOptions& o) {
         o.prefix = QStringLiteral("nav");
         o.states = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed};
         o.scales = {1};
       }},
      {"nine-patches and JSON, hover and pressed of their own",
       [](SkinExportDialog* dialog) {
         tick(dialog->WebBox);
         tick(dialog->ImagineBox);
         tick(dialog->StateBoxes[0]);
         setSpin(dialog->LightnessBox, 60);
         setSpin(dialog->ShiftBox, 4);
       },
       [](SkinOptions& o) {
         o.outputs = kSkinNinePatch | kSkinJson;
         o.states = {ButtonState::Hover, ButtonState::Pressed, ButtonState::Disabled};
         o.stateOptions = {60, 4};
       }},
      {"Imagine alone at 2x",
       [](SkinExportDialog* dialog) {
         tick(dialog->WebBox);
         tick(dialog->NinePatchBox);
         tick(dialog->JsonBox);
         tick(dialog->OneXBox);
       },
       [](SkinOptions& o) {
         o.outputs = kSkinImagine;
         o.scales = {2};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EditorSettings().remove(QStringLiteral("SkinExport"));
    QTemporaryDir folder;
    answerDialog(
        [&](SkinExportDialog* dialog) {
          typeInto(dialog->FolderEdit, folder.path());
          c.change(dialog);
        },
        true);
    form->questions.clear();
    form->webPages.clear();
    const std::uint32_t seed = RandomSeed();
    form->Exportskin1->trigger();

    SetRandomSeed(seed);
    SkinOptions want;
    want.folder = elsewhere.path() + QStringLiteral("/") + QString::fromLatin1(c.what);
    ASSERT_TRUE(QDir().mkpath(want.folder));
    c.chosen(want);
    QString error;
    ASSERT_TRUE(ExportSkin(look(), design().captions, design().current, want, &error))
        << error.toStdString();
    const QStringList files = filesUnder(want.folder);
    EXPECT_EQ(filesUnder(folder.path()), files);
    for (const QString& name : files) {
      EXPECT_EQ(read(QDir(folder.path()).filePath(name)), read(QDir(want.folder).filePath(name)))
          << name.toStdString();
    }
    // The page is offered where it was written.
    const QString page = QDir(folder.path()).filePath(want.prefix + QStringLiteral("-skin.html"));
    const bool web = want.outputs & kSkinWeb;
    ASSERT_EQ(form->questions.size(), web ? 1 : 0);
    ASSERT_EQ(form->webPages.size(), web ? 1u : 0u);
    if (web) {
      EXPECT_TRUE(form->questions[0].contains(QDir::toNativeSeparators(page)))
          << form->questions[0].toStdString();
      EXPECT_EQ(form->webPages[0], QUrl::fromLocalFile(page));
    }
    EXPECT_TRUE(form->PageControl1->isVisible());
  }
}

TEST_F(SkinExportTest, TheDialogKeepsWhatWasExportedAndDropsWhatWasCancelled) {
  const QString typed = dir.filePath("typed");
  const QString chosen = dir.filePath("chosen");
  const QString other = dir.filePath("other");
  for (const QString& folder : {typed, chosen, other})
    ASSERT_TRUE(QDir().mkpath(folder));
  struct Next {
    QString folder, prefix;
    bool twoX, json;
    int lightness;
  };
  struct Showing {
    const char* what;
    std::function<void(SkinExportDialog*)> change;
    bool exported;
    Next next;  // what the next showing starts with
  };
  const Showing showings[] = {
      {"a folder typed and a prefix, exported",
       [&](SkinExportDialog* dialog) {
         typeInto(dialog->FolderEdit, typed);
         typeInto(dialog->PrefixEdit, QStringLiteral("nav"));
       },
       true,
       {typed, "nav", true, true, kHoverLightnessRange.fallback}},
      {"a folder chosen, no JSON, lighter hover, exported",
       [&](SkinExportDialog* dialog) {
         form->folderAnswer = chosen;
         QTest::mouseClick(dialog->FolderButton, Qt::LeftButton);
         tick(dialog->JsonBox);
         setSpin(dialog->LightnessBox, 70);
       },
       true,
       {chosen, "nav", true, false, 70}},
      {"everything changed, cancelled",
       [&](SkinExportDialog* dialog) {
         form->folderAnswer = other;
         QTest::mouseClick(dialog->FolderButton, Qt::LeftButton);
         typeInto(dialog->PrefixEdit, QStringLiteral("menu"));
         tick(dialog->TwoXBox);
         tick(dialog->JsonBox);
         setSpin(dialog->LightnessBox, 5);
       },
       false,
       {chosen, "nav", true, false, 70}},
  };
  for (const Showing& showing : showings) {
    SCOPED_TRACE(showing.what);
    const QStringList before = filesUnder(other);
    answerDialog(showing.change, showing.exported);
    form->Exportskin1->trigger();
    Next next;
    answerDialog(
        [&](SkinExportDialog* dialog) {
          next = {QDir::fromNativeSeparators(dialog->FolderEdit->text()),
                  dialog->PrefixEdit->text(), dialog->TwoXBox->isChecked(),
                  dialog->JsonBox->isChecked(), dialog->LightnessBox->value()};
        },
        false);
    form->Exportskin1->trigger();
    EXPECT_EQ(next.folder, showing.next.folder);
    EXPECT_EQ(next.prefix, showing.next.prefix);
    EXPECT_EQ(next.twoX, showing.next.twoX);
    EXPECT_EQ(next.json, showing.next.json);
    EXPECT_EQ(next.lightness, showing.next.lightness);
    if (!showing.exported) {
      EXPECT_EQ(filesUnder(other), before) << "a cancelled skin writes nothing";
    }
  }
  // Kept with the editor's other settings, in a group of their own, and there in the next run.
  EXPECT_EQ(EditorSettings().value("SkinExport/folder").toString(), chosen);
  EXPECT_FALSE(QSettings().contains("SkinExport/folder"));
  EXPECT_EQ(EditorSettings().value("SetExport/folder").toString(), QString());
  SkinExportDialog again;
  EXPECT_EQ(again.PrefixEdit->text(), "nav");
  EXPECT_FALSE(again.JsonBox->isChecked());
  EXPECT_EQ(again.LightnessBox->value(), 70);
}

TEST_F(SkinExportTest, TheDialogShowsWhyItCannotExportAndHowTheLookStretches) {
  struct Case {
    const char* what;
    std::function<void()> design;
    std::function<void(SkinExportDialog*)> change;
    QString reason;   // empty: nothing in the way
    QString warning;  // empty: nothing stretches
  };
  const QString gradient = QStringLiteral("the gradient stretches");
  const Case cases[] = {
      {"the default design", [] {}, [](SkinExportDialog*) {}, "", gradient},
      {"a plain rectangle", [&] { d().FillKind = kSingleColour; }, [](SkinExportDialog*) {}, "",
       ""},
      {"a plasma", [&] { d().FillKind = kPlasma; }, [](SkinExportDialog*) {}, "",
       "the plasma surface stretches with the button"},
      {"an ellipse with noise",
       [&] {
         d().ShapeKind = kEllipse;
         d().Distortion = 40;
       },
       [](SkinExportDialog*) {}, "", "the ellipse's curve stretches"},
      {"no folder", [] {}, [](SkinExportDialog* dialog) { typeInto(dialog->FolderEdit, ""); },
       "choose the folder", gradient},
      {"a folder that is not there", [] {},
       [&](SkinExportDialog* dialog) { typeInto(dialog->FolderEdit, dir.filePath("missing")); },
       "existing folder", gradient},
      {"no prefix", [] {}, [](SkinExportDialog* dialog) { typeInto(dialog->PrefixEdit, ""); },
       "the prefix is empty", gradient},
      {"a prefix with a folder", [] {},
       [](SkinExportDialog* dialog) { typeInto(dialog->PrefixEdit, "a/b"); }, "names a folder",
       gradient},
      {"no state", [] {},
       [](SkinExportDialog* dialog) {
         for (QCheckBox* box : dialog->StateBoxes)
           tick(box);
       },
       "at least one state", ""},
      {"no scale", [] {},
       [](SkinExportDialog* dialog) {
         tick(dialog->OneXBox);
         tick(dialog->TwoXBox);
       },
       "scale 1, 2 or both", gradient},
      {"no output", [] {},
       [](SkinExportDialog* dialog) {
         for (QCheckBox* box :
              {dialog->WebBox, dialog->NinePatchBox, dialog->ImagineBox, dialog->JsonBox})
           tick(box);
       },
       "no output", gradient},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form->New1Click();
    c.design();
    const auto dialog = skinDialog();
    c.change(dialog.get());
    EXPECT_EQ(dialog->ExportButton->isEnabled(), c.reason.isEmpty());
    if (c.reason.isEmpty()) {
      EXPECT_FALSE(dialog->ProblemLabel->isVisible()) << dialog->ProblemLabel->text().toStdString();
    } else {
      EXPECT_EQ(labelsShowing(dialog.get(), c.reason).size(), 1) << "said in the dialog";
      QSignalSpy accepted(dialog.get(), &QDialog::accepted);
      QTest::keyClick(dialog->PrefixEdit, Qt::Key_Return);
      EXPECT_EQ(accepted.count(), 0);
    }
    if (c.warning.isEmpty()) {
      EXPECT_FALSE(dialog->WarningLabel->isVisible()) << dialog->WarningLabel->text().toStdString();
    } else {
      EXPECT_EQ(labelsShowing(dialog.get(), c.warning).size(), 1)
          << dialog->WarningLabel->text().toStdString();
    }
  }
}

TEST_F(SkinExportTest, TheStripShowsTheCaptionOnTheSkinAtTwoWidthsInEachChosenState) {
  struct Case {
    const char* what;
    QString caption;
    QList<int> unticked;  // state boxes
    qreal pixelRatio;
  };
  const Case cases[] = {
      {"every state", "Button", {}, 1},
      {"normal and pressed", "OK", {1, 3}, 1},
      {"disabled alone, a long caption", "A caption long enough to widen the button", {0, 1, 2}, 1},
      {"every state on a screen scaled twice", "Button", {}, 2},
  };
  QMap<QString, int> boxWidths;  // of the first state, by caption
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form->pixelRatio = c.pixelRatio;
    setCaption(design().current, c.caption);
    const auto dialog = skinDialog();
    typeInto(dialog->PrefixEdit, QStringLiteral("nav"));
    for (int i : c.unticked)
      tick(dialog->StateBoxes[i]);
    const SkinOptions options = dialog->options();
    QString error;
    ASSERT_TRUE(ExportSkin(look(), design().captions, design().current, options, &error))
        << error.toStdString();
    const QList<SkinStrip::Row>& rows = dialog->Strip->rows();
    ASSERT_EQ(rows.size(), options.states.size());
    const int scale = c.pixelRatio >= 2 ? 2 : 1;
    for (qsizetype i = 0; i < rows.size(); ++i) {
      const SkinStrip::Row& row = rows[i];
      SCOPED_TRACE(StateName(row.state).toStdString());
      EXPECT_EQ(row.state, options.states[i]);
      EXPECT_EQ(row.narrow.devicePixelRatio(), scale);
      EXPECT_LT(row.narrow.width(), row.wide.width()) << "two widths";
      EXPECT_EQ(row.narrow.height(), row.wide.height());
      // The ends of the skin the export wrote, at the screen's scale, whatever the width.
      const QImage skin = ReadPng(dir.filePath(SkinImageFileName("nav", row.state, scale)))
                              .convertToFormat(QImage::Format_ARGB32);
      ASSERT_FALSE(skin.isNull());
      if (row.narrow.height() != skin.height()) continue;  // a line taller than the skin
      for (const QImage* sample : {&row.narrow, &row.wide}) {
        const QImage shown = sample->convertToFormat(QImage::Format_ARGB32);
        for (int column : {0, 1}) {
          EXPECT_EQ(shown.copy(column, 0, 1, skin.height()),
                    skin.copy(column, 0, 1, skin.height()));
          EXPECT_EQ(shown.copy(shown.width() - 1 - column, 0, 1, skin.height()),
                    skin.copy(skin.width() - 1 - column, 0, 1, skin.height()));
        }
      }
    }
    boxWidths[c.caption] = rows[0].narrow.width() / scale;
  }
  // The current caption on the skin, the box as wide as it needs, as a page makes it.
  EXPECT_LT(boxWidths["OK"], boxWidths["Button"]);
  EXPECT_LT(boxWidths["Button"] + 200, boxWidths["A caption long enough to widen the button"]);
}

TEST_F(SkinExportTest, AsksBeforeReplacingFilesOfTheSkin) {
  struct Case {
    const char* what;
    QString existing;  // a file already in the folder, empty for none
    bool yes;
    bool asked, replaced;
  };
  const Case cases[] = {
      {"an empty folder", "", true, false, true},
      {"the page there, replaced", "nav-skin.html", true, true, true},
      {"an Imagine file there, kept", "imagine/button-background.9.png", false, true, false},
      {"another file there", "nav.html", true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir folder;
    if (!c.existing.isEmpty()) {
      ASSERT_TRUE(QDir(folder.path()).mkpath(QFileInfo(c.existing).path()));
      QFile old(QDir(folder.path()).filePath(c.existing));
      ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    }
    answerDialog(
        [&](SkinExportDialog* dialog) {
          typeInto(dialog->FolderEdit, folder.path());
          typeInto(dialog->PrefixEdit, QStringLiteral("nav"));
        },
        true);
    form->questions.clear();
    form->yesNoAnswer = c.yes;
    form->Exportskin1->trigger();
    const bool asked =
        !form->questions.isEmpty() && form->questions[0].contains(QStringLiteral("replace"));
    EXPECT_EQ(asked, c.asked) << form->questions.join(u'|').toStdString();
    if (asked) {
      EXPECT_TRUE(form->questions[0].contains(c.existing));
    }
    EXPECT_EQ(QFileInfo::exists(QDir(folder.path()).filePath("nav-skin.png")), c.replaced);
    if (!c.existing.isEmpty()) {
      const bool kept = read(QDir(folder.path()).filePath(c.existing)) == "old";
      EXPECT_EQ(kept, !c.replaced || c.existing == "nav.html");
    }
  }
}

TEST_F(SkinExportTest, AFailedWriteShowsTheErrorWithThePath) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("nav-skin.css")));
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  answerDialog(
      [&](SkinExportDialog* dialog) {
        typeInto(dialog->FolderEdit, dir.path());
        typeInto(dialog->PrefixEdit, QStringLiteral("nav"));
        // The question whether to replace what is there is answered yes; then the error.
        whenModal([&](QWidget* widget) {
          auto* box = qobject_cast<QMessageBox*>(widget);
          ASSERT_NE(box, nullptr);
          text = box->text();
          icon = box->icon();
          box->accept();
        });
      },
      true);
  form->Exportskin1->trigger();
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_TRUE(text.contains(QDir::toNativeSeparators(dir.filePath("nav-skin.css"))))
      << text.toStdString();
  EXPECT_TRUE(QFileInfo(dir.filePath("nav-skin.css")).isDir());
  EXPECT_TRUE(form->webPages.empty()) << "no page offered";
  EXPECT_TRUE(form->PageControl1->isVisible());
}

TEST_F(SkinExportTest, ChosenDuringARenderItWaitsForTheRenderToFinish) {
  typeInto(form->Edit1, QStringLiteral("256"));
  typeInto(form->Edit2, QStringLiteral("400"));
  bool busyAtDialog = true;
  bool triggered = false;
  form->onPump = [&](int pump) {
    if (pump != 100 || triggered) return;
    triggered = true;
    answerDialog([&](SkinExportDialog*) { busyAtDialog = form->renderer().RenderBusy(); }, false);
    form->Exportskin1->trigger();
  };
  form->Redraw1Click();
  form->onPump = nullptr;
  ASSERT_TRUE(triggered);
  EXPECT_FALSE(busyAtDialog) << "the dialog came once the render had finished";
}

TEST_F(SkinExportTest, TheDialogFitsTheScreenWhateverTheButtonsSize) {
  struct Case {
    const char* what;
    const char* file;  // of the screenshot
    std::function<void()> design;
  };
  const Case cases[] = {
      {"the default design", "default", [] {}},
      {"a plasma with the warning", "plasma",
       [&] {
         d().FillKind = kPlasma;
         d().ShapeKind = kRoundedRectangle;
       }},
      {"the largest button", "large",
       [&] {
         d().AutoSize = 0;
         d().ButtonWidth = 500;
         d().ButtonHeight = 256;
         d().ShapeKind = kHexagon;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form->New1Click();
    c.design();
    form->RenderButton();
    whenModal([&](QWidget* widget) {
      auto* dialog = qobject_cast<SkinExportDialog*>(widget);
      ASSERT_NE(dialog, nullptr);
      expectFitsScreen(dialog, {dialog->ExportButton, dialog->CancelButton},
                       QStringLiteral("SkinExportDialog-%1").arg(QString::fromLatin1(c.file)));
      EXPECT_EQ(dialog->Strip->rows().size(), 4);
      QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
    });
    form->Exportskin1->trigger();
  }
}

}  // namespace
