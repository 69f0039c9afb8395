#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include "DesignConversion.h"
#include "DesignFile.h"
#include "DesignFiles.h"
#include "EditorFixture.h"
#include "RecentFiles.h"

using SaveChoice = Prompts::SaveChoice;

class UnsavedWorkTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(dir.isValid());
  }

  QString path(const QString& name) const { return dir.filePath(name); }
  // The title as the desktop shows it, with the modified mark in place.
  QString shownTitle() const { return form->windowHandle()->title(); }
  static QByteArray readFile(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // The design as a design file holds it.
  static QByteArray fileBytes(TForm1& editor) {
    return EncodeDesignFile(RecordOfDesign(editor.design()), editor.captionFont());
  }
  QByteArray designBytes() const { return fileBytes(*form); }
  // An outline size typed into its box: a change of the design.
  void change(const QString& size = QStringLiteral("7")) { typeInto(form->Edit3, size); }

  QTemporaryDir dir;
};

TEST_F(UnsavedWorkTest, TheTitleShowsTheFileAndWhetherItIsSaved) {
  EXPECT_EQ(shownTitle(), "Tessaro 1.02");
  change();
  EXPECT_EQ(shownTitle(), "Untitled* - Tessaro 1.02");
  EXPECT_TRUE(form->isWindowModified());

  form->fileAnswer = path(QStringLiteral("nav"));
  QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);  // no file yet: Save as
  ASSERT_EQ(form->fileDialogs.size(), 1u);
  EXPECT_EQ(form->fileDialogs[0].dialog, form->SaveDialog2);
  EXPECT_EQ(shownTitle(), "nav.tessaro - Tessaro 1.02");

  change(QStringLiteral("8"));
  EXPECT_EQ(shownTitle(), "nav.tessaro* - Tessaro 1.02");
  // Back to the saved design by undo: unchanged again.
  form->Edit4->setFocus();
  form->Undo1->trigger();
  EXPECT_EQ(shownTitle(), "nav.tessaro - Tessaro 1.02");
  EXPECT_FALSE(form->designModified());
  form->Redo1->trigger();
  EXPECT_EQ(shownTitle(), "nav.tessaro* - Tessaro 1.02");

  // New: a design without a file, also when the design was the defaults already.
  form->New1->trigger();
  form->fileAnswer = path(QStringLiteral("defaults.kq"));
  form->Save1->trigger();
  EXPECT_EQ(shownTitle(), "defaults.kq - Tessaro 1.02");
  form->New1->trigger();
  EXPECT_EQ(shownTitle(), "Tessaro 1.02");
}

TEST_F(UnsavedWorkTest, SaveWritesToTheDesignsFileWithoutADialog) {
  form->fileAnswer = path(QStringLiteral("nav.kq"));
  form->Save1->trigger();
  change();
  const QByteArray changed = designBytes();
  ASSERT_NE(readFile(path(QStringLiteral("nav.kq"))), changed);
  form->Save2->trigger();
  EXPECT_EQ(form->fileDialogs.size(), 1u);
  EXPECT_EQ(readFile(path(QStringLiteral("nav.kq"))), changed);
  EXPECT_FALSE(form->designModified());
  EXPECT_EQ(form->Save2->shortcut(), QKeySequence(QKeySequence::Save));

  // Open starts a fresh history, and the opened file is the one Save writes to.
  QString error;
  Design other = form->design();
  other.font = CaptionFont();
  ASSERT_TRUE(WriteDesign(path(QStringLiteral("other.kq")), other, &error));
  form->fileAnswer = path(QStringLiteral("other.kq"));
  form->Open1->trigger();
  EXPECT_FALSE(form->Undo1->isEnabled());
  EXPECT_EQ(form->history().stack().count(), 0);
  change(QStringLiteral("9"));
  form->Save2->trigger();
  EXPECT_EQ(readFile(path(QStringLiteral("other.kq"))), designBytes());
  EXPECT_EQ(readFile(path(QStringLiteral("nav.kq"))), changed);
}

TEST_F(UnsavedWorkTest, ClosingWithUnsavedChangesAsksAndHonoursTheAnswer) {
  const QString nav = path(QStringLiteral("nav.kq"));
  struct Case {
    const char* what;
    bool hasFile;
    SaveChoice answer;
    QString saveAsAnswer;  // when Save needs Save as
    bool closes;
    bool saved;
  };
  const Case cases[] = {
      {"Save to the design's file", true, SaveChoice::Save, {}, true, true},
      {"Save without a file goes through Save as", false, SaveChoice::Save, nav, true, true},
      {"Save as cancelled", false, SaveChoice::Save, QString(""), false, false},
      {"a failed save", false, SaveChoice::Save, path(QStringLiteral("nowhere/new.kq")), false,
       false},
      {"Discard", true, SaveChoice::Discard, {}, true, false},
      {"Cancel", true, SaveChoice::Cancel, {}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(nav);
    ProbedForm editor;
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    editor.recordMessages = true;
    if (c.hasFile) {
      editor.fileAnswer = nav;
      editor.Save1->trigger();
    }
    const QByteArray onDisk = readFile(nav);
    typeInto(editor.Edit3, QStringLiteral("7"));
    const QByteArray changed = fileBytes(editor);
    editor.saveAnswer = c.answer;
    if (!c.saveAsAnswer.isNull()) editor.fileAnswer = c.saveAsAnswer;
    if (c.saveAsAnswer.contains(QStringLiteral("nowhere"))) {
      // The error box of the failed save.
      whenModal([](QWidget* box) { static_cast<QDialog*>(box)->accept(); });
    }
    editor.fileDialogs.clear();

    EXPECT_EQ(editor.close(), c.closes);
    EXPECT_EQ(editor.saveQuestions, 1);
    EXPECT_EQ(editor.fileDialogs.size(), !c.hasFile && c.answer == SaveChoice::Save ? 1u : 0u);
    EXPECT_EQ(readFile(nav), c.saved ? changed : onDisk);
    EXPECT_EQ(fileBytes(editor), changed) << "the design is as it was";
    EXPECT_EQ(editor.isVisible(), !c.closes);
  }

  // Nothing unsaved: no question.
  EXPECT_TRUE(form->close());
  EXPECT_EQ(form->saveQuestions, 0);
}

TEST_F(UnsavedWorkTest, EveryWayToReplaceTheDesignAsksFirst) {
  QString error;
  Design other = form->design();
  other.record.ShapeKind = kEllipse;
  other.font = CaptionFont();
  const QString otherFile = path(QStringLiteral("other.kq"));
  ASSERT_TRUE(WriteDesign(otherFile, other, &error));
  form->recentFiles()->add(otherFile);
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"New", [&] { form->New1->trigger(); }},
      {"Open", [&] { form->Open1->trigger(); }},
      {"Open recent", [&] { form->Openrecent1->actions().front()->trigger(); }},
      {"a dropped design", [&] { dropFile(form.get(), otherFile); }},
      {"Exit", [&] { form->Exit1->trigger(); }},
  };
  change();
  const QByteArray changed = designBytes();
  form->fileAnswer = otherFile;
  form->saveAnswer = SaveChoice::Cancel;
  for (const auto& [what, replace] : ways) {
    SCOPED_TRACE(what);
    form->saveQuestions = 0;
    replace();
    EXPECT_EQ(form->saveQuestions, 1);
    EXPECT_EQ(designBytes(), changed);
    EXPECT_TRUE(form->fileDialogs.empty()) << "asked before the file dialog";
  }
  EXPECT_TRUE(form->isVisible());

  // Discarded, each goes on: here the recent file opens.
  form->saveAnswer = SaveChoice::Discard;
  form->Openrecent1->actions().front()->trigger();
  EXPECT_EQ(d().ShapeKind, kEllipse);
  EXPECT_EQ(form->designFile(), otherFile);
}

TEST_F(UnsavedWorkTest, UndoingNewBringsBackTheDesignsFile) {
  const QString nav = path(QStringLiteral("nav.kq"));
  struct Case {
    const char* what;
    QString bevel;
    bool editedBefore;
    QString title;
  };
  const Case cases[] = {
      {"a saved design that is the defaults", "3", false, "nav.kq - Tessaro 1.02"},
      {"a saved design", "5", false, "nav.kq - Tessaro 1.02"},
      {"a design with unsaved changes", "5", true, "nav.kq* - Tessaro 1.02"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    typeInto(form->Edit4, c.bevel);
    form->fileAnswer = nav;
    form->Save1->trigger();
    if (c.editedBefore) change(QStringLiteral("9"));
    const QByteArray before = designBytes();
    form->New1->trigger();
    ASSERT_EQ(shownTitle(), QStringLiteral("Tessaro 1.02"));

    form->Undo1->trigger();
    EXPECT_EQ(designBytes(), before);
    EXPECT_EQ(form->designFile(), nav);
    EXPECT_EQ(shownTitle(), c.title);
    const std::size_t asked = form->fileDialogs.size();
    form->Save2->trigger();
    EXPECT_EQ(form->fileDialogs.size(), asked) << "Save writes to the file, unasked";
    EXPECT_EQ(readFile(nav), before);

    form->Redo1->trigger();
    EXPECT_EQ(form->designFile(), "");
    EXPECT_EQ(shownTitle(), "Tessaro 1.02");
    form->Undo1->trigger();
  }
}

TEST_F(UnsavedWorkTest, UndoingAnEditMadeBeforeSaveAsKeepsTheFileSavedTo) {
  form->fileAnswer = path(QStringLiteral("first.kq"));
  form->Save1->trigger();
  change();
  form->fileAnswer = path(QStringLiteral("second.kq"));
  form->Save1->trigger();
  form->Undo1->trigger();
  EXPECT_EQ(form->designFile(), path(QStringLiteral("second.kq")));
  EXPECT_EQ(shownTitle(), "second.kq* - Tessaro 1.02") << "the file holds the edit";
}
