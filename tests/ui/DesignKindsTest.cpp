#include <QDir>
#include <QFile>
#include <QMenu>
#include <QWindow>

#include "DesignConversion.h"
#include "DesignDocument.h"
#include "DesignFile.h"
#include "DesignFiles.h"
#include "EditorFixture.h"
#include "RecentFiles.h"
#include "TempDir.h"

// Design documents and design files in the editor: opening and saving either kind, the
// question before a design file loses part of the design, and captions in every script.
class DesignKindsTest : public EditorTest {
 protected:
  QString memo() const {
    return form->Buttontext->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
  }
  QString shownTitle() const { return form->windowHandle()->title(); }
  // A design unlike the defaults: an ellipse, three captions with a name and a link, the
  // second one shown.
  static Design distinct() {
    Design d;
    d.record.ShapeKind = kEllipse;
    d.captions = {Caption{QStringLiteral("Home"), QStringLiteral("home"), QStringLiteral("/")},
                  Caption{QStringLiteral("About")}, Caption{QStringLiteral("Contact")}};
    d.current = 1;
    SetLastTextIndex(d);
    return d;
  }
  QString write(const QString& name, const Design& design) {
    QString error;
    EXPECT_TRUE(WriteDesign(dir.path(name), design, &error)) << error.toStdString();
    return dir.path(name);
  }
  void clickRight() { QTest::mouseClick(form->Image4, Qt::LeftButton); }
  void clickLeft() { QTest::mouseClick(form->Image1, Qt::LeftButton); }

  TempDir dir;
};

TEST_F(DesignKindsTest, EitherKindOpensSavesInItsOwnKindAndComesBackFromRecentAndDrop) {
  struct Kind {
    const char* name;
    bool document;
  };
  // A document under a name of another kind is saved as a document again.
  const Kind kinds[] = {{"nav.kq", false}, {"nav.tessaro", true}, {"nav.json", true}};
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.name);
    Design written = distinct();
    if (!kind.document) written.captions[0].name = written.captions[0].link = QString();
    const QString file = dir.path(QString::fromLatin1(kind.name));
    QString error;
    ASSERT_TRUE(WriteDesignOfKind(file, kind.document, written, &error)) << error.toStdString();

    form->fileAnswer = file;
    form->Open1->trigger();
    EXPECT_EQ(form->designFile(), file);
    EXPECT_TRUE(form->RadioButton12->isChecked());
    EXPECT_EQ(form->Label1->text(), "Text (2/3)");
    EXPECT_EQ(memo(), "About");
    EXPECT_EQ(design().captions[0].name, kind.document ? "home" : "");

    typeInto(form->Buttontext, QStringLiteral("Who we are"));
    form->Save2->trigger();
    EXPECT_TRUE(form->lossLists.empty()) << "nothing to lose";
    const QByteArray saved = TempDir::read(file);
    EXPECT_EQ(saved.startsWith('{'), kind.document);
    Design read;
    ASSERT_TRUE(ReadDesign(file, &read, &error)) << error.toStdString();
    EXPECT_EQ(read.captions.value(1).text, "Who we are");
    EXPECT_EQ(read.captions.value(0).link, kind.document ? "/" : "");

    // The recent list and a drop open it as Open does.
    form->New1->trigger();
    ASSERT_EQ(form->recentFiles()->files().value(0), file);
    form->Openrecent1->actions().front()->trigger();
    EXPECT_EQ(form->designFile(), file);
    EXPECT_EQ(memo(), "Who we are");
    // Dropped, a file is taken by its ending: a design file or a document.
    form->New1->trigger();
    const bool designEnding = QFileInfo(file).suffix() != QLatin1String("json");
    EXPECT_EQ(dropFile(form.get(), file), designEnding);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->designFile(), designEnding ? file : QString());
    EXPECT_EQ(memo(), designEnding ? "Who we are" : "Button Text");
  }
}

TEST_F(DesignKindsTest, SaveAsOffersTheKindOfTheDesignsFileFirst) {
  const QString file = write(QStringLiteral("nav.kq"), distinct());
  const QString tessaro = QStringLiteral("Tessaro documents (*.tessaro) (*.tessaro)");
  const QString kq = QStringLiteral("Tessaro files (*.kq) (*.kq)");
  form->fileAnswer = QString();
  form->Save1->trigger();  // a new design
  ASSERT_EQ(form->fileDialogs.size(), 1u);
  EXPECT_EQ(form->fileDialogs[0].filters.mid(0, 2), QStringList({tessaro, kq}));
  EXPECT_EQ(form->fileDialogs[0].suffix, "tessaro");

  form->fileAnswer = file;
  form->Open1->trigger();
  form->fileAnswer = dir.path(QStringLiteral("copy"));
  form->Save1->trigger();
  EXPECT_EQ(form->fileDialogs.back().filters.mid(0, 2), QStringList({kq, tessaro}));
  EXPECT_EQ(form->fileDialogs.back().suffix, "kq");
  EXPECT_EQ(TempDir::read(dir.path(QStringLiteral("copy.kq"))).size(), kDesignFileSize);
  // A document's ending chosen makes a document of the same design.
  form->fileAnswer = dir.path(QStringLiteral("copy.tessaro"));
  form->Save1->trigger();
  EXPECT_TRUE(TempDir::read(form->designFile()).startsWith('{'));
  form->fileAnswer = QString();
  form->Save1->trigger();
  EXPECT_EQ(form->fileDialogs.back().filters.mid(0, 2), QStringList({tessaro, kq}));
}

TEST_F(DesignKindsTest, ADesignFileThatLosesPartOfTheDesignIsWrittenOnlyWhenTheUserAgrees) {
  struct Case {
    const char* what;
    std::function<void()> make;
    QStringList losses;
    QByteArray firstSlot;  // what the design file holds once written
  };
  const Case cases[] = {
      {"nothing lost",
       [&] {
         typeInto(form->Buttontext, QStringLiteral("Caf"));
         typeText(form->Buttontext, QStringLiteral("\u00E9"));
       },
       {},
       "Caf\xE9"},
      {"characters outside Windows-1252",
       [&] {
         typeInto(form->Buttontext, QStringLiteral("A"));
         typeText(form->Buttontext, QStringLiteral("\u0413\u043B\u0430\u0432\u043D\u0430\u044F"));
       },
       {"caption 1: characters outside Windows-1252, written as \"?\""},
       "A???????"},
      {"a caption beyond the 32 a design file holds",
       [&] {
         for (int i = 0; i < 32; ++i)
           clickRight();
         typeInto(form->Buttontext, QStringLiteral("Last"));
       },
       {"caption 33: a design file holds 32 captions",
        "the current caption, 33: the file opens on caption 32"},
       "Button Text"},
      {"a name and a link from a document",
       [&] {
         form->fileAnswer = write(QStringLiteral("named.tessaro"), distinct());
         form->Open1->trigger();
       },
       {"the names of caption 1", "the links of caption 1"},
       "Home"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form->New1->trigger();
    c.make();
    const QString target = dir.path(QStringLiteral("out.kq"));
    QFile::remove(target);
    form->lossLists.clear();
    form->loseAnswer = false;
    form->fileAnswer = target;
    const QString fileBefore = form->designFile();
    const bool modifiedBefore = form->designModified();
    form->Save1->trigger();
    if (c.losses.isEmpty()) {
      EXPECT_TRUE(form->lossLists.empty()) << "no question";
    } else {
      ASSERT_EQ(form->lossLists.size(), 1u);
      EXPECT_EQ(form->lossLists[0], c.losses);
      EXPECT_TRUE(form->lossQuestions.back().contains("out.kq"));
      EXPECT_FALSE(QFileInfo::exists(target)) << "No writes nothing";
      EXPECT_EQ(form->designFile(), fileBefore);
      EXPECT_EQ(form->designModified(), modifiedBefore);

      form->loseAnswer = true;
      form->Save1->trigger();
    }
    ASSERT_EQ(TempDir::read(target).size(), kDesignFileSize);
    EXPECT_EQ(form->designFile(), target);
    EXPECT_FALSE(form->designModified()) << "the design is the one saved";
    ButtonDesign record{};
    CaptionFont font;
    ASSERT_TRUE(DecodeDesignFile(TempDir::read(target), record, font));
    EXPECT_EQ(record.CaptionSlots[0].bytes(), c.firstSlot);
  }
  // The question also stands before Save to the design's own file, and before the save
  // that unsaved work asks for; No there keeps the design and what was to replace it waits.
  form->New1->trigger();
  form->fileAnswer = dir.path(QStringLiteral("own.kq"));
  form->Save1->trigger();
  typeInto(form->Buttontext, QStringLiteral("Home"));
  typeText(form->Buttontext, QStringLiteral("\u9996\u9875"));
  form->loseAnswer = false;
  form->lossLists.clear();
  const QByteArray own = TempDir::read(dir.path(QStringLiteral("own.kq")));
  form->Save2->trigger();
  form->saveAnswer = Prompts::SaveChoice::Save;
  form->New1->trigger();
  EXPECT_EQ(form->lossLists.size(), 2u);
  EXPECT_EQ(TempDir::read(dir.path(QStringLiteral("own.kq"))), own);
  EXPECT_EQ(memo(), QStringLiteral("Home\u9996\u9875")) << "New did not go on";
}

TEST_F(DesignKindsTest, CaptionsInEveryScriptSurviveTheRenderTheDocumentAndTheReopening) {
  const QString texts[] = {
      QStringLiteral("\u0627\u0644\u0631\u0626\u064A\u0633\u064A\u0629"),  // Arabic
      QStringLiteral("\u9996\u9875"),                                      // Chinese
      QStringLiteral("\u0413\u043B\u0430\u0432\u043D\u0430\u044F"),        // Cyrillic
  };
  for (int i = 0; i < 3; ++i) {
    if (i > 0) clickRight();
    typeInto(form->Buttontext, QString());
    form->resetCounts();
    typeText(form->Buttontext, texts[i]);
    EXPECT_EQ(memo(), texts[i]) << "the memo keeps what was typed";
    EXPECT_GE(form->images, 1) << "each keystroke renders";
    EXPECT_FALSE(form->Image3->picture().isNull());
  }
  EXPECT_EQ(form->Label1->text(), "Text (3/3)");

  const QString file = dir.path(QStringLiteral("scripts.tessaro"));
  form->fileAnswer = file;
  form->Save1->trigger();
  EXPECT_TRUE(form->lossLists.empty()) << "a document holds every script";
  EXPECT_TRUE(TempDir::read(file).contains(texts[1].toUtf8())) << "as UTF-8";
  form->New1->trigger();
  ASSERT_EQ(memo(), "Button Text");
  form->fileAnswer = file;
  form->Open1->trigger();
  EXPECT_EQ(memo(), texts[2]);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(design().captions.value(i).text, texts[i]);
  clickLeft();
  EXPECT_EQ(memo(), texts[1]);
  EXPECT_FALSE(form->designModified());
}

TEST_F(DesignKindsTest, MovingBetweenCaptionsLeavesTheDesignUnmodified) {
  form->fileAnswer = write(QStringLiteral("three.tessaro"), distinct());
  form->Open1->trigger();
  const QString title = shownTitle();
  ASSERT_FALSE(title.contains(u'*'));
  const std::pair<const char*, std::function<void()>> moves[] = {
      {"to the first", [&] { clickLeft(); }},
      {"to the last",
       [&] {
         clickRight();
         clickRight();
       }},
      {"past the last, to a new empty caption", [&] { clickRight(); }},
      {"further on",
       [&] {
         clickRight();
         clickRight();
       }},
      {"back to the first", [&] {
         for (int i = 0; i < 5; ++i)
           clickLeft();
       }}};
  for (const auto& [what, move] : moves) {
    SCOPED_TRACE(what);
    move();
    EXPECT_FALSE(form->designModified());
    EXPECT_EQ(shownTitle(), title);
    EXPECT_EQ(form->history().stack().count(), 0);
  }
  EXPECT_EQ(design().captions.size(), 3) << "the empty captions passed are left behind";
  typeInto(form->Buttontext, QStringLiteral("Start"));
  EXPECT_TRUE(form->designModified());
  EXPECT_EQ(shownTitle(), "three.tessaro* - Tessaro 1.02");
}

TEST_F(DesignKindsTest, ADocumentsUnknownKeysAreShownOnceAfterItOpened) {
  const QString file = dir.path(QStringLiteral("later.tessaro"));
  ASSERT_TRUE(TempDir::write(
      file, "{\"tessaro\": 1, \"glow\": 3, \"captions\": [{\"text\": \"Later\", \"tone\": 1}]}"));
  form->recordMessages = true;
  form->fileAnswer = file;
  form->Open1->trigger();
  ASSERT_EQ(form->warnings.size(), 1);
  EXPECT_TRUE(form->warnings[0].contains("glow: unknown key, ignored"))
      << form->warnings[0].toStdString();
  EXPECT_TRUE(form->warnings[0].contains("captions[0].tone: unknown key, ignored"))
      << form->warnings[0].toStdString();
  EXPECT_EQ(memo(), "Later") << "shown once the design is open";
  EXPECT_TRUE(form->messages.isEmpty());
  // Saved, it has no such keys left, and opening it again says nothing.
  form->Save2->trigger();
  form->Open1->trigger();
  EXPECT_EQ(form->warnings.size(), 1);

  // Named on the command line: once the window's event loop runs.
  ASSERT_TRUE(TempDir::write(file, "{\"tessaro\": 1, \"glow\": 3}"));
  ProbedForm started({file});
  started.recordMessages = true;
  EXPECT_TRUE(started.warnings.isEmpty());
  QTRY_COMPARE(started.warnings.size(), 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(started.warnings.size(), 1);
}
