#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "DesignConversion.h"
#include "DesignFile.h"
#include "DesignFiles.h"
#include "EditorFixture.h"

class FileMenuTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(dir.isValid());
  }

  QString path(const QString& name) const { return dir.filePath(name); }

  // A design unlike the defaults: fixed size 80 x 24, an ellipse, a second caption shown.
  static Design distinctDesign(Design d) {
    d.record.AutoSize = 0;
    d.record.ButtonWidth = 80;
    d.record.ButtonHeight = 24;
    d.record.ShapeKind = kEllipse;
    d.captions = {Caption{QStringLiteral("Button Text")}, Caption{QStringLiteral("Contact")}};
    d.current = 1;
    SetLastTextIndex(d);
    return d;
  }

  // Writes a design of the kind its name's ending says.
  QString writeDesign(const QString& name, const Design& design) {
    QString error;
    EXPECT_TRUE(WriteDesign(path(name), design, &error)) << error.toStdString();
    return path(name);
  }
  QString writeRecord(const QString& name, const ButtonDesign& record, const CaptionFont& font) {
    QString error;
    EXPECT_TRUE(SaveDesign(path(name), record, font, &error)) << error.toStdString();
    return path(name);
  }

  // Answers the next message box, keeping its title, icon, buttons and text.
  struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
  };
  static void answerBox(SeenBox* seen) {
    whenModal([seen](QWidget* widget) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      ASSERT_NE(box, nullptr);
      *seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
      box->accept();
    });
  }

  static QByteArray readFile(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir dir;
};

TEST_F(FileMenuTest, SaveAsAndOpenRoundTripThroughTheMenus) {
  design() = distinctDesign(design());
  form->SyncControls();
  form->captionFont().size = 11;
  form->captionFont().italic = true;
  const Design savedDesign = design();

  // A new design is a document: a name typed without an ending gets ".tessaro"; nothing
  // was proposed yet.
  form->fileAnswer = path(QStringLiteral("nav"));
  form->Save1->trigger();
  ASSERT_EQ(form->fileDialogs.size(), 1u);
  const ScriptedPrompts::FileDialogUse save = form->fileDialogs[0];
  EXPECT_EQ(save.dialog, form->SaveDialog2);
  EXPECT_EQ(save.proposed, "");
  EXPECT_EQ(save.suffix, "tessaro");
  EXPECT_EQ(save.filters, QStringList({"Tessaro documents (*.tessaro) (*.tessaro)",
                                       "Tessaro files (*.kq) (*.kq)", "All files (*.*) (*)"}));
  EXPECT_FALSE(save.confirmsOverwrite) << "the editor asks, not the dialog";
  const QString saved = path(QStringLiteral("nav.tessaro"));
  EXPECT_TRUE(readFile(saved).startsWith("{\n  \"tessaro\": 1,"))
      << readFile(saved).left(40).constData();
  EXPECT_EQ(form->SaveDialog2FileName, saved);

  form->New1->trigger();
  EXPECT_EQ(form->Buttontext->toPlainText(), "Button Text");
  EXPECT_EQ(form->captionFont(), CaptionFont());

  form->resetCounts();
  form->SaveDialog2FileName.clear();
  form->fileAnswer = saved;
  form->Open1->trigger();
  ASSERT_EQ(form->fileDialogs.size(), 2u);
  EXPECT_EQ(form->fileDialogs[1].dialog, form->OpenDialog1);
  EXPECT_EQ(form->fileDialogs[1].filters,
            QStringList({"Tessaro designs (*.tessaro;*.kq) (*.tessaro *.kq)",
                         "Tessaro documents (*.tessaro) (*.tessaro)", "Tessaro files (*.kq) (*.kq)",
                         "All files (*)"}));
  EXPECT_EQ(design(), savedDesign);
  EXPECT_EQ(form->captionFont().size, 11);
  EXPECT_TRUE(form->captionFont().italic);
  // The editor comes back on the same caption slot, with the controls filled.
  EXPECT_EQ(form->Label1->text(), "Text (2/2)");
  EXPECT_EQ(form->Buttontext->toPlainText(), "Contact");
  EXPECT_TRUE(form->RadioButton12->isChecked());
  EXPECT_EQ(form->Edit2->text(), "80");
  EXPECT_EQ(previewSize(), fixedSizeImage(80, 24));
  EXPECT_GE(form->images, 1);

  // "Save as..." now proposes the opened design and saves over it without a question.
  form->questions.clear();
  form->fileAnswer = saved;
  const QByteArray before = readFile(saved);
  form->Save1->trigger();
  EXPECT_EQ(form->fileDialogs.back().proposed, saved);
  EXPECT_EQ(readFile(saved), before) << "the same design gives the same bytes";
  EXPECT_TRUE(form->questions.isEmpty());
}

TEST_F(FileMenuTest, CancelOpensAndSavesNothing) {
  typeInto(form->Edit8, QStringLiteral("30"));
  form->resetCounts();
  form->fileAnswer = QString();
  form->Open1->trigger();
  form->Save1->trigger();
  EXPECT_EQ(form->fileDialogs.size(), 2u);
  EXPECT_EQ(d().BorderWidth, 30);
  EXPECT_EQ(form->images, 0);
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_EQ(form->SaveDialog2FileName, "");
}

TEST_F(FileMenuTest, AnInvalidOrShortFileIsReportedAndLeavesTheDefaults) {
  const QString good = writeDesign(QStringLiteral("good.kq"), distinctDesign(Design{}));
  QByteArray bytes = readFile(good);
  ASSERT_EQ(bytes.size(), kDesignFileSize);
  const QString shortFile = path(QStringLiteral("short.kq"));
  {
    QFile f(shortFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.left(kDesignFileSize - 1));
  }
  form->recordMessages = true;

  for (const QString& bad : {shortFile, path(QStringLiteral("missing.kq")), dir.path()}) {
    form->fileAnswer = good;
    form->Open1->trigger();
    ASSERT_EQ(form->Edit2->text(), "80");
    form->captionFont().size = 20;
    form->messages.clear();
    form->resetCounts();

    form->fileAnswer = bad;
    form->Open1->trigger();
    EXPECT_EQ(form->messages, QStringList(QStringLiteral("Invalid file \"%1\"").arg(bad)));
    EXPECT_EQ(form->Buttontext->toPlainText(), "Button Text");
    EXPECT_EQ(form->Label1->text(), "Text");
    EXPECT_EQ(form->captionFont(), CaptionFont()) << "Arial, 14 points, bold";
    EXPECT_TRUE(form->RadioButton1->isChecked());
    EXPECT_EQ(d().AutoSize, 1);
    EXPECT_EQ(form->images, 1);
    // Even a file that could not be read is what "Save as..." proposes next.
    EXPECT_EQ(form->SaveDialog2FileName, bad);
  }
}

TEST_F(FileMenuTest, AMissingTextureIsReportedAndTheRestOfTheDesignStays) {
  Design textured = distinctDesign(Design{});
  const QString gone = path(QStringLiteral("gone.bmp"));
  SetTexture(textured, gone);
  textured.record.FillKind = kTexture;
  const QString file = writeDesign(QStringLiteral("textured.kq"), textured);

  form->recordMessages = true;
  form->fileAnswer = file;
  form->Open1->trigger();
  EXPECT_EQ(form->messages,
            QStringList(QStringLiteral("Couldnt find or open texturefile\"%1\"").arg(gone)));
  EXPECT_TRUE(design().texture.isEmpty());
  EXPECT_EQ(form->Label26->text(), "");
  EXPECT_TRUE(form->RadioButton9->isChecked()) << "the fill kind stays";
  EXPECT_EQ(form->Buttontext->toPlainText(), "Contact");
  EXPECT_EQ(previewSize(), fixedSizeImage(80, 24));

  // A design without a texture loads without a message.
  form->messages.clear();
  form->fileAnswer = writeDesign(QStringLiteral("plain.kq"), distinctDesign(Design{}));
  form->Open1->trigger();
  EXPECT_TRUE(form->messages.isEmpty());
}

TEST_F(FileMenuTest, AFailedSaveShowsAnErrorNamingThePathAndLosesNothing) {
  const QString kept = writeDesign(QStringLiteral("kept.kq"), distinctDesign(Design{}));
  const QByteArray before = readFile(kept);
  // A folder in the way of the new file, and a folder that does not exist.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.kq")));
  for (const QString& target :
       {path(QStringLiteral("taken.kq")), path(QStringLiteral("nowhere/new.kq"))}) {
    SeenBox box;
    answerBox(&box);
    form->fileAnswer = target;
    form->Save1->trigger();
    EXPECT_EQ(box.title, "Tessaro");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(box.text.contains(target)) << box.text.toStdString();
  }
  EXPECT_TRUE(QFileInfo(path(QStringLiteral("taken.kq"))).isDir());
  EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("nowhere"))));
  EXPECT_EQ(readFile(kept), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.kq"}))
      << "no temporary file is left behind";
}

TEST_F(FileMenuTest, TheRealSaveDialogAddsTheEndingToANameTypedWithoutOne) {
  form->SaveDialog2FileName = path(QStringLiteral("plain"));
  whenModal([this](QWidget* dialog) {
    ASSERT_EQ(dialog, form->SaveDialog2);
    static_cast<QDialog*>(form->SaveDialog2)->accept();
    if (form->SaveDialog2->isVisible()) {
      ADD_FAILURE() << "the dialog refused the name";
      form->SaveDialog2->reject();
    }
  });
  form->Save1->trigger();
  EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("plain.tessaro"))));
  EXPECT_EQ(form->SaveDialog2FileName, path(QStringLiteral("plain.tessaro")));
}

TEST_F(FileMenuTest, NewEmptiesTheTextureAndRendersTheDefaultsOnce) {
  design() = distinctDesign(design());
  form->SyncControls();
  form->Image2->setPicture(QImage(4, 4, QImage::Format_RGB32));
  form->captionFont().size = 30;
  form->resetCounts();
  form->New1->trigger();
  EXPECT_TRUE(form->Image2->picture().isNull());
  EXPECT_EQ(form->captionFont(), CaptionFont());
  EXPECT_TRUE(form->RadioButton1->isChecked());
  EXPECT_EQ(form->Buttontext->toPlainText(), "Button Text");
  EXPECT_EQ(form->images, 1);
}

// The command line: the arguments name one design file, joined with single blanks.
class CommandLineTest : public FileMenuTest {};

TEST_F(CommandLineTest, TheArgumentsAreJoinedWithBlanksIntoOnePath) {
  writeDesign(QStringLiteral("my nav design.kq"), distinctDesign(Design{}));
  ProbedForm started(
      {path(QStringLiteral("my")), QStringLiteral("nav"), QStringLiteral("design.kq")});
  EXPECT_EQ(started.Buttontext->toPlainText(), "Contact");
  EXPECT_TRUE(started.RadioButton12->isChecked());
  // The preview holds the design before the window is shown.
  EXPECT_FALSE(started.isVisible());
  EXPECT_EQ(started.Image3->picture().size(), fixedSizeImage(80, 24));
  EXPECT_EQ(started.SaveDialog2FileName, "") << "the command line proposes no name";
}

TEST_F(CommandLineTest, AFileThatCannotBeReadIsReportedAndTheDefaultsStay) {
  const QString missing = path(QStringLiteral("no such.kq"));
  SeenBox box;
  answerBox(&box);
  ProbedForm started({path(QStringLiteral("no")), QStringLiteral("such.kq")});
  EXPECT_EQ(box.title, "Tessaro");
  EXPECT_EQ(box.text, QStringLiteral("Invalid file \"%1\"").arg(missing));
  EXPECT_EQ(box.icon, QMessageBox::NoIcon);
  EXPECT_EQ(box.buttons, QMessageBox::Ok);
  EXPECT_EQ(started.Buttontext->toPlainText(), "Button Text");
  EXPECT_FALSE(started.Image3->picture().isNull());
}

TEST_F(FileMenuTest, SaveAsAsksBeforeReplacingAnotherFileButNotTheDesignsOwn) {
  struct Case {
    const char* what;
    QString target;
    bool answer;
    bool asked;
    bool written;
  };
  const Design start = design();
  const QString own = path(QStringLiteral("own.kq"));
  const QString other = path(QStringLiteral("other.kq"));
  const Case cases[] = {
      {"the design's own file", own, false, false, true},
      {"a new file", path(QStringLiteral("new.kq")), false, false, true},
      {"another design, kept", other, false, true, false},
      {"another design, replaced", other, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeDesign(QStringLiteral("own.kq"), start);
    writeDesign(QStringLiteral("other.kq"), distinctDesign(start));
    form->fileAnswer = own;
    form->Open1->trigger();
    typeInto(form->Edit3, QStringLiteral("4"));
    const QByteArray before = readFile(c.target);
    const QByteArray edited = EncodeDesignFile(RecordOfDesign(design()), form->captionFont());
    form->questions.clear();
    form->yesNoAnswer = c.answer;
    form->fileAnswer = c.target;
    form->Save1->trigger();
    EXPECT_EQ(form->questions.size(), c.asked ? 1 : 0);
    if (c.asked) {
      EXPECT_TRUE(form->questions.value(0).contains(c.target));
    }
    EXPECT_EQ(readFile(c.target), c.written ? edited : before);
    EXPECT_EQ(form->designFile(), c.written ? c.target : own);
    EXPECT_EQ(form->designModified(), !c.written);
    QFile::remove(path(QStringLiteral("new.kq")));
  }
}

TEST_F(FileMenuTest, TheFileCommandsHaveThePlatformsKeys) {
  const std::pair<QAction*, QKeySequence::StandardKey> keys[] = {
      {form->New1, QKeySequence::New},
      {form->Open1, QKeySequence::Open},
      {form->Save2, QKeySequence::Save},
  };
  form->fileAnswer = QString();
  for (const auto& [action, key] : keys) {
    SCOPED_TRACE(action->objectName().toStdString());
    EXPECT_EQ(action->shortcut(), QKeySequence(key));
    QSignalSpy triggered(action, &QAction::triggered);
    QTest::keySequence(form.get(), QKeySequence(key));
    EXPECT_EQ(triggered.count(), 1);
  }
}

TEST_F(CommandLineTest, OpenAndSaveAsStartInTheDesignsFolder) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("designs")));
  const QString folder = QDir(path(QStringLiteral("designs"))).canonicalPath();
  writeDesign(QStringLiteral("designs/nav.kq"), distinctDesign(Design{}));
  ProbedForm started({folder + QStringLiteral("/nav.kq")});
  started.fileAnswer = QString();
  for (QAction* action : {started.Open1, started.Save1}) {
    SCOPED_TRACE(action->objectName().toStdString());
    action->trigger();
    ASSERT_FALSE(started.fileDialogs.empty());
    EXPECT_EQ(QDir(started.fileDialogs.back().directory).canonicalPath(), folder);
  }
}

TEST_F(FileMenuTest, NewLeavesTheSameRecordAsStartUpWhateverCameBefore) {
  // What a design file of the design would hold.
  const auto recordOf = [](const Design& design) {
    const ButtonDesign record = RecordOfDesign(design);
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), kDesignRecordSize);
  };
  const QByteArray startUp = recordOf(ProbedForm().design());
  // A file whose caption and reserved bytes hold more than its strings' lengths show.
  ButtonDesign secret = RecordOfDesign(distinctDesign(Design{}));
  secret.CaptionSlots[0].setText(QStringLiteral("Button Text Secret"));
  secret.CaptionSlots[0].setText(QStringLiteral("Home"));
  secret.ReservedBlock[7] = 0x5a;
  secret.LastTextIndex = LastSlot(secret);
  const QString file = writeRecord(QStringLiteral("secret.kq"), secret, CaptionFont());
  const std::pair<const char*, std::function<void()>> befores[] = {
      {"a caption typed",
       [&] { typeInto(form->Buttontext, QStringLiteral("Button Text Secret")); }},
      {"a design opened",
       [&] {
         form->fileAnswer = file;
         form->Open1->trigger();
         // What was loaded saves back byte for byte, past the lengths too.
         form->Save2->trigger();
         EXPECT_EQ(
             readFile(file).left(kDesignRecordSize),
             QByteArray(reinterpret_cast<const char*>(secret.bytes().data()), kDesignRecordSize));
       }},
      {"a random look", [&] { form->Randombutton1->trigger(); }},
  };
  for (const auto& [what, before] : befores) {
    SCOPED_TRACE(what);
    before();
    ASSERT_NE(recordOf(design()), startUp);
    form->New1->trigger();
    EXPECT_EQ(recordOf(design()), startUp);
  }

  // A file that cannot be read leaves the defaults, as they are at start-up.
  typeInto(form->Buttontext, QStringLiteral("Button Text Secret"));
  form->recordMessages = true;
  form->fileAnswer = path(QStringLiteral("missing.kq"));
  form->Open1->trigger();
  EXPECT_EQ(recordOf(design()), startUp);
}
