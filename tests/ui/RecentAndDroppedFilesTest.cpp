#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>

#include "DesignFile.h"
#include "DesignFiles.h"
#include "EditorFixture.h"
#include "RecentFiles.h"

class RecentAndDroppedFilesTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(dir.isValid());
  }

  QString path(const QString& name) const { return dir.filePath(name); }

  // The "Open recent" items as the menu shows them when it opens: text and whether enabled.
  QStringList recentMenu() {
    form->Openrecent1->popup(QPoint());
    form->Openrecent1->close();
    QStringList items;
    for (QAction* item : form->Openrecent1->actions()) {
      if (!item->isSeparator()) items << (item->isEnabled() ? "" : "(grey) ") + item->text();
    }
    return items;
  }

  QTemporaryDir dir;
};

TEST_F(RecentAndDroppedFilesTest, TheLastEightDesignFilesNewestFirst) {
  EXPECT_EQ(recentMenu(), QStringList({"(grey) &Clear list"}));
  QStringList files;
  for (int i = 1; i <= 9; ++i) {
    files << path(QStringLiteral("d%1.kq").arg(i));
    form->fileAnswer = files.back();
    form->Save1->trigger();
  }
  form->fileAnswer = files[4];
  form->Open1->trigger();
  const QStringList newestFirst = {files[4], files[8], files[7], files[6],
                                   files[5], files[3], files[2], files[1]};
  EXPECT_EQ(form->recentFiles()->files(), newestFirst);
  // The next run has them too.
  EXPECT_EQ(ProbedForm().recentFiles()->files(), newestFirst);

  // A missing file is greyed out; chosen all the same (it went after the menu opened), it
  // leaves the list with a message and the design stays.
  ASSERT_TRUE(QFile::remove(files[8]));
  const QStringList menu = recentMenu();
  ASSERT_EQ(menu.size(), 9);
  EXPECT_EQ(menu[0], "&1 " + QDir::toNativeSeparators(files[4]));
  EXPECT_EQ(menu[1], "(grey) &2 " + QDir::toNativeSeparators(files[8]));
  EXPECT_EQ(menu[8], "&Clear list");
  form->recordMessages = true;
  form->openRecentFile(files[8]);
  EXPECT_EQ(form->messages.size(), 1);
  EXPECT_TRUE(form->messages.value(0).contains(QStringLiteral("d9.kq")));
  EXPECT_EQ(form->designFile(), files[4]);
  EXPECT_EQ(form->recentFiles()->files().size(), 7);
  EXPECT_FALSE(form->recentFiles()->files().contains(files[8]));

  form->Openrecent1->actions()[1]->trigger();  // now d8.kq
  EXPECT_EQ(form->designFile(), files[7]);
  EXPECT_EQ(form->recentFiles()->files().front(), files[7]);

  form->recentFiles()->clearAction()->trigger();
  EXPECT_TRUE(form->recentFiles()->files().isEmpty());
  EXPECT_EQ(recentMenu(), QStringList({"(grey) &Clear list"}));
}

TEST_F(RecentAndDroppedFilesTest, ADroppedDesignOpensAndADroppedPictureBecomesTheTexture) {
  Design other;
  other.record.ShapeKind = kEllipse;
  QString error;
  const QString design = path(QStringLiteral("other.kq"));
  ASSERT_TRUE(WriteDesign(design, other, &error));
  QImage picture(30, 20, QImage::Format_RGB32);
  picture.fill(QColor(200, 150, 100));
  const QString wood = path(QStringLiteral("wood.bmp"));
  ASSERT_TRUE(picture.save(wood, "BMP"));
  QFile broken(path(QStringLiteral("broken.jpg")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("no JPEG at all");
  broken.close();

  // On the memo, which takes dropped text itself, a design file is the window's.
  typeInto(form->Edit3, QStringLiteral("5"));
  form->saveAnswer = Prompts::SaveChoice::Discard;
  ASSERT_TRUE(dropFile(form->Buttontext->viewport(), design));
  EXPECT_EQ(form->saveQuestions, 1);
  EXPECT_EQ(form->designFile(), design);
  EXPECT_TRUE(form->RadioButton12->isChecked());
  EXPECT_EQ(form->Buttontext->toPlainText(), "Button Text") << "no path typed into the memo";

  form->resetCounts();
  ASSERT_TRUE(dropFile(form.get(), wood));
  EXPECT_EQ(form->design().texture, wood);
  EXPECT_EQ(form->Image2->picture().size(), QSize(30, 20));
  EXPECT_EQ(form->Label26->text(), "wood.bmp");
  EXPECT_TRUE(form->RadioButton9->isChecked());
  EXPECT_EQ(form->images, 2) << "as Browse: the radio button and the texture each render";
  EXPECT_EQ(form->Undo1->text(), "&Undo Texture");

  // A picture that cannot be read: Browse's message, and the texture stays.
  QString message;
  whenModal([&](QWidget* box) {
    message = qobject_cast<QMessageBox*>(box)->text();
    static_cast<QDialog*>(box)->accept();
  });
  ASSERT_TRUE(dropFile(form.get(), broken.fileName()));
  EXPECT_TRUE(message.contains(QStringLiteral("broken.jpg"))) << message.toStdString();
  EXPECT_EQ(form->design().texture, wood);
  EXPECT_EQ(form->Image2->picture().size(), QSize(30, 20));

  // Anything else is refused while it is dragged.
  EXPECT_FALSE(dropFile(form.get(), path(QStringLiteral("notes.txt"))));
}
