#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "AboutBox.h"
#include "EditorFixture.h"
#include "ExportMultipleDialog.h"
#include "FormShape.h"
#include "ImageBox.h"

using LifecycleTest = EditorTest;

namespace {
// Activates another window of the program, then the editor again: what coming back from
// elsewhere looks like to the editor.
void leaveAndReturn(QWidget* editor) {
  QWidget elsewhere;
  elsewhere.resize(50, 50);
  elsewhere.show();
  elsewhere.activateWindow();
  QTRY_VERIFY(elsewhere.isActiveWindow());
  editor->activateWindow();
  QTRY_VERIFY(editor->isActiveWindow());
  QCoreApplication::processEvents();
}
}  // namespace

TEST_F(LifecycleTest, TheAboutBoxGreetsOnceAfterStartAndAgainOnRequest) {
  QTRY_COMPARE(form->aboutBoxes, 1);

  // Neither a modal dialog nor a return from another window brings it back.
  whenModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
  form->Exportmultiple1->trigger();
  leaveAndReturn(form.get());
  QTest::qWait(20);
  EXPECT_EQ(form->aboutBoxes, 1);

  form->About1->trigger();
  EXPECT_EQ(form->aboutBoxes, 2);
}

TEST_F(LifecycleTest, TheAboutBoxClosesWithOkAndLeavesTheEditorAsItWas) {
  QTRY_COMPARE(form->aboutBoxes, 1);
  const Design before = design();
  form->realAboutBox = true;
  bool shown = false;
  whenModal([&](QWidget* dialog) {
    ASSERT_EQ(dialog, form->Form2);
    shown = true;
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible()) << "only OK closes the box";
    QTest::mouseClick(form->Form2->BitBtn1, Qt::LeftButton);
  });
  form->About1->trigger();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(form->Form2->isVisible());
  EXPECT_EQ(design(), before);
  EXPECT_EQ(form->images, 0);
}

TEST_F(LifecycleTest, TheAboutBoxIsLaidOutAroundTheRenderedLogo) {
  TForm2* about = form->Form2;
  EXPECT_EQ(about->windowTitle(), "About \"Tessaro\"");
  EXPECT_EQ(about->size(), QSize(337, 200));
  EXPECT_FALSE(about->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(about->windowFlags() & Qt::WindowSystemMenuHint);
  EXPECT_EQ(about->Label1->text(), "Version 1.02");
  EXPECT_EQ(about->BitBtn1->text(), "&OK");
  const QImage logo = about->Image3->picture();
  ASSERT_EQ(logo.size(), QSize(247, 34));
  // Outside its rounded ends the logo has the panel's teal; inside, the caption's white.
  EXPECT_EQ(logo.pixelColor(0, 0), QColor(0, 128, 128));
  int white = 0;
  for (int x = 0; x < logo.width(); ++x)
    white += logo.pixelColor(x, 17) == Qt::white;
  EXPECT_GT(white, 10) << "the caption is drawn";

  const QImage shot = about->grab().toImage();
  QDir().mkpath(QStringLiteral(TESSARO_BINARY_DIR "/screenshots"));
  shot.save(QStringLiteral(TESSARO_BINARY_DIR "/screenshots/TForm2.png"));
  EXPECT_EQ(shot.pixelColor(3, 3), QColor(128, 128, 128)) << "grey";
  EXPECT_EQ(shot.pixelColor(330, 140), QColor(192, 192, 192)) << "the silver circle";
  EXPECT_EQ(shot.pixelColor(40, 185), Qt::white) << "the white band";
  EXPECT_EQ(shot.pixelColor(20, 100), QColor(0, 128, 128)) << "the teal panel";
  EXPECT_EQ(shot.pixelColor(8, 60), Qt::black) << "its outline";
  EXPECT_EQ(shot.pixelColor(43, 15), QColor(0, 128, 128)) << "the logo, centred";
}

TEST_F(LifecycleTest, ExitAndTheCloseButtonEndWithoutQuestions) {
  QTRY_COMPARE(form->aboutBoxes, 1);
  form->Exit1->trigger();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  ProbedForm second;
  second.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
  EXPECT_TRUE(second.close()) << "the close button is not refused";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(LifecycleTest, ClosingDuringAnExportEndsItAndRunsNothingQueued) {
  QTemporaryDir dir;
  for (int slot = 0; slot < 4; ++slot) {
    setCaption(slot, QStringLiteral("Item %1").arg(slot));
  }
  form->Form3->setDirectory(dir.path());
  form->exportMultipleAnswer = true;
  form->fileAnswer = dir.filePath(QStringLiteral("late.bmp"));
  bool closed = false;
  form->onPump = [&](int) {
    if (design().current == 1 && !closed) {
      closed = true;
      form->Bmp1->trigger();  // queued behind the export
      form->Exit1->trigger();
    }
  };
  form->Exportmultiple1->trigger();
  form->onPump = nullptr;
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"button1.jpg", "button2.jpg"}));
  EXPECT_TRUE(form->fileDialogs.empty());
  EXPECT_FALSE(form->renderer().RenderBusy());
}

TEST_F(LifecycleTest, TheLinkLabelOpensTheMakersPage) {
  QTest::mouseClick(form->Label11, Qt::LeftButton);
  ASSERT_EQ(form->webPages.size(), 1u);
  EXPECT_EQ(form->webPages[0], QUrl(QStringLiteral("http://tessaro.example")));
  EXPECT_EQ(form->Label11->text(), "tessaro.example");
}

TEST_F(LifecycleTest, StartUpMakesTheDialogsAfterThePreview) {
  ProbedForm started;
  EXPECT_FALSE(started.isVisible());
  EXPECT_FALSE(started.Image3->picture().isNull());
  ASSERT_NE(started.Form2, nullptr);
  ASSERT_NE(started.Form3, nullptr);
  EXPECT_FALSE(started.Form2->isVisible());
  EXPECT_FALSE(started.Form3->isVisible());
  EXPECT_EQ(started.Form3->directory(), QDir::currentPath());
  EXPECT_EQ(started.aboutBoxes, 0) << "not before the window is shown";
}

TEST_F(LifecycleTest, TheWindowComesBackWithItsSizePlaceAndPage) {
  form->resize(form->width(), form->minimumHeight() + 120);
  form->move(60, 40);
  form->PageControl1->setCurrentWidget(form->TabSheet6);
  QCoreApplication::processEvents();
  const QRect left = form->geometry();
  ASSERT_TRUE(form->close());

  ProbedForm next;
  next.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
  EXPECT_EQ(next.geometry(), left);
  EXPECT_EQ(next.PageControl1->currentWidget(), next.TabSheet6);
  EXPECT_EQ(next.Image3->geometry(), QRect(8, 16, 505, 241)) << "the preview follows";
}
