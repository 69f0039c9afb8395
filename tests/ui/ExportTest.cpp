#include <QClipboard>
#include <QDir>
#include <QImageReader>
#include <QMessageBox>
#include <QTemporaryDir>

#include "EditorFixture.h"
#include "ExportMultipleDialog.h"

class ExportTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    form->PageControl1->setCurrentWidget(form->TabSheet1);
    form->CheckBox1->setChecked(false);  // the worked example: 100 x 20, image 120 x 30
    form->resetCounts();
  }

  QString path(const QString& name) const { return dir.filePath(name); }

  static QImage readImage(const QString& file, const char* format) {
    QImageReader reader(file, format);
    reader.setDecideFormatFromContent(false);
    return reader.read().convertToFormat(QImage::Format_RGB32);
  }

  // Records whether the tab pages were visible at each pump of a render.
  void watchPages() {
    form->onPump = [this](int) { pagesSeen.push_back(form->PageControl1->isVisible()); };
  }
  bool pagesHiddenThroughout() const {
    return !pagesSeen.empty() &&
           std::none_of(pagesSeen.begin(), pagesSeen.end(), [](bool shown) { return shown; });
  }

  std::vector<bool> pagesSeen;
  QTemporaryDir dir;
};

TEST_F(ExportTest, JpegAndBmpRenderAskWithTheSharedDialogAndWriteTheButton) {
  watchPages();
  form->fileAnswer = path(QStringLiteral("home"));
  form->Jpeg1->trigger();
  form->onPump = nullptr;
  EXPECT_TRUE(pagesHiddenThroughout()) << "the wait label shows while the JPEG renders";
  EXPECT_TRUE(form->PageControl1->isVisible());
  EXPECT_EQ(form->images, 1);
  ASSERT_EQ(form->fileDialogs.size(), 1u);
  const ScriptedPrompts::FileDialogUse jpeg = form->fileDialogs[0];
  EXPECT_EQ(jpeg.dialog, form->ExportDialog1);
  EXPECT_EQ(jpeg.suffix, "jpg");
  EXPECT_EQ(jpeg.filters, QStringList({"JPEG files (*.jpg) (*.jpg)", "All files (*.*) (*)"}));
  EXPECT_TRUE(jpeg.confirmsOverwrite);
  const QString jpegFile = path(QStringLiteral("home.jpg"));
  const QImage written = readImage(jpegFile, "jpeg");
  EXPECT_EQ(written.size(), QSize(120, 30)) << "the real size, not the 4x working size";

  pagesSeen.clear();
  watchPages();
  form->fileAnswer = path(QStringLiteral("about"));
  form->ExportBMP1->trigger();
  form->onPump = nullptr;
  EXPECT_TRUE(!pagesSeen.empty() && pagesSeen.front()) << "the BMP export leaves the pages";
  ASSERT_EQ(form->fileDialogs.size(), 2u);
  const ScriptedPrompts::FileDialogUse bmp = form->fileDialogs[1];
  EXPECT_EQ(bmp.dialog, form->ExportDialog1);
  EXPECT_EQ(bmp.proposed, path(QStringLiteral("home.bmp")))
      << "the BMP export proposes the JPEG's name";
  EXPECT_EQ(bmp.suffix, "bmp");
  EXPECT_EQ(bmp.filters, QStringList({"BMP files (*.bmp) (*.bmp)", "All files (*.*) (*)"}));
  EXPECT_TRUE(bmp.confirmsOverwrite);
  EXPECT_EQ(readImage(path(QStringLiteral("about.bmp")), "bmp"),
            form->Image3->picture().convertToFormat(QImage::Format_RGB32));

  // The popup's JPEG entry is the menu's command.
  form->fileAnswer = path(QStringLiteral("again.jpg"));
  form->ExportJPEG1->trigger();
  EXPECT_EQ(form->fileDialogs.back().proposed, path(QStringLiteral("about.jpg")));
  EXPECT_EQ(readImage(path(QStringLiteral("again.jpg")), "jpeg").size(), QSize(120, 30));
}

TEST_F(ExportTest, EachExportProposesTheLastNameWithItsOwnLowerCaseEnding) {
  struct Step {
    QAction* action;
    std::optional<QString> typed;  // unset: the proposed name is taken
    QString proposed;
    QString suffix;
    QString written;
    QByteArray format;
  };
  const Step steps[] = {
      {form->Png1, path("b"), "", "png", path("b.png"), "png"},
      {form->Jpeg1, {}, path("b.jpg"), "jpg", path("b.jpg"), "jpeg"},
      {form->Bmp1, {}, path("b.bmp"), "bmp", path("b.bmp"), "bmp"},
      {form->Jpeg1, path("c.JPEG"), path("b.jpg"), "jpg", path("c.JPEG"), "jpeg"},
      {form->Png1, {}, path("c.png"), "png", path("c.png"), "png"},
      {form->ExportBMP1, path("d.v2"), path("c.bmp"), "bmp", path("d.v2"), "bmp"},
      {form->Png1, {}, path("d.v2.png"), "png", path("d.v2.png"), "png"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.written.toStdString());
    const std::size_t asked = form->fileDialogs.size();
    form->fileAnswer = step.typed.value_or(step.proposed);
    step.action->trigger();
    ASSERT_EQ(form->fileDialogs.size(), asked + 1);
    EXPECT_EQ(form->fileDialogs.back().proposed, step.proposed);
    EXPECT_EQ(form->fileDialogs.back().suffix, step.suffix);
    QImageReader reader(step.written);
    EXPECT_EQ(reader.format(), step.format) << "decided from the content";
  }
}

TEST_F(ExportTest, CancelWritesNothingAfterTheRender) {
  form->fileAnswer = QString();
  form->Jpeg1->trigger();
  form->Bmp1->trigger();
  EXPECT_EQ(form->images, 2);
  EXPECT_TRUE(form->PageControl1->isVisible());
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_EQ(form->ExportDialog1FileName, "");
}

TEST_F(ExportTest, AFailedWriteShowsTheErrorWithThePath) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.jpg")));
  for (auto* action : {form->Jpeg1, form->Bmp1}) {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal([&](QWidget* widget) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->windowTitle(), "Tessaro");
      text = box->text();
      icon = box->icon();
      box->accept();
    });
    form->fileAnswer = path(QStringLiteral("taken.jpg"));
    action->trigger();
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(text.contains(path(QStringLiteral("taken.jpg")))) << text.toStdString();
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("taken.jpg"))).isDir());
    EXPECT_TRUE(form->PageControl1->isVisible());
  }
}

TEST_F(ExportTest, CopyPutsThePreviewOnTheClipboardWithoutRendering) {
  typeInto(form->Edit2, QStringLiteral("64"));
  form->resetCounts();
  form->Copy1->trigger();
  EXPECT_EQ(form->images, 0);
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), QSize(84, 30));
  EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
            form->Image3->picture().convertToFormat(QImage::Format_RGB32));
}

TEST_F(ExportTest, EveryExportRefusesWhileTheRenderIsRefused) {
  QGuiApplication::clipboard()->clear();
  setCaption(1, QStringLiteral("Second"));
  form->Form3->setDirectory(dir.path());
  form->exportMultipleAnswer = true;
  form->fileAnswer = path(QStringLiteral("refused"));
  // An outline this wide asks for more working pixels than a render may use.
  form->Edit3->setText(QStringLiteral("1500"));
  EXPECT_TRUE(form->Image3->message().contains("cannot be rendered"))
      << "the preview says so in place of the old button";

  for (QAction* action : {form->Jpeg1, form->Bmp1, form->Png1, form->Copy1, form->Exportmultiple1,
                          form->Exportset1, form->Exportskin1}) {
    QString text;
    whenModal([&](QWidget* widget) {
      auto* box = qobject_cast<QMessageBox*>(widget);
      ASSERT_NE(box, nullptr);
      text = box->text();
      box->accept();
    });
    action->trigger();
    EXPECT_TRUE(text.contains("cannot be rendered") && text.contains("a render may use"))
        << action->objectName().toStdString() << ": " << text.toStdString();
  }
  EXPECT_TRUE(form->fileDialogs.empty()) << "no export asks for a file";
  EXPECT_TRUE(QDir(dir.path()).isEmpty()) << "nothing was written";
  EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull()) << "nothing was copied";
  EXPECT_TRUE(form->PageControl1->isVisible());

  form->Edit3->setText(QStringLiteral("1"));
  EXPECT_TRUE(form->Image3->message().isEmpty());
  form->Jpeg1->trigger();
  EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("refused.jpg"))));
}

// An export chosen from inside a render's event pump, at the largest size (about a
// thousand rows per pass).
class DeferredExportTest : public ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    typeInto(form->Edit1, QStringLiteral("256"));
    typeInto(form->Edit2, QStringLiteral("50"));
    form->RadioButton3->setChecked(true);  // a hexagon, 202 x 258
    form->resetCounts();
  }
};

TEST_F(DeferredExportTest, AnExportChosenDuringARenderWaitsForItAndWritesAFinishedButton) {
  std::size_t dialogsRightAfter = 99;
  bool triggered = false;
  form->onPump = [&](int pump) {
    if (pump != 300) return;
    QTest::keyClick(form->Edit2, Qt::Key_0);  // 50 becomes 500: the render restarts
    form->fileAnswer = path(QStringLiteral("during"));
    form->Bmp1->trigger();
    form->Jpeg1->trigger();
    form->Bmp1->trigger();  // once queued is enough
    dialogsRightAfter = form->fileDialogs.size();
    triggered = true;
  };
  form->Redraw1Click();
  form->onPump = nullptr;

  ASSERT_TRUE(triggered);
  EXPECT_EQ(dialogsRightAfter, 0u) << "nothing was asked inside the running render";
  ASSERT_EQ(form->fileDialogs.size(), 2u) << "both exports ran once the render had finished";
  EXPECT_EQ(form->fileDialogs[0].suffix, "bmp");
  EXPECT_EQ(form->fileDialogs[1].suffix, "jpg");
  EXPECT_FALSE(form->renderer().RenderBusy());
  EXPECT_TRUE(form->PageControl1->isVisible());
  // The restarted render and one render per export finished; none was cut short.
  EXPECT_EQ(form->images, 3);
  // 500 * 4 + 72 + 1056 / 2 is past the clamp: (2024 + 8) / 4.
  const QSize finished(508, 258);
  EXPECT_EQ(previewSize(), finished);
  EXPECT_EQ(readImage(path(QStringLiteral("during.bmp")), "bmp"),
            form->Image3->picture().convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(readImage(path(QStringLiteral("during.jpg")), "jpeg").size(), finished);
}

TEST_F(DeferredExportTest, AnExportChosenDuringAnExportFollowsIt) {
  form->fileAnswer = path(QStringLiteral("first"));
  form->onPump = [&](int pump) {
    if (pump == 50) form->Bmp1->trigger();
  };
  form->Jpeg1->trigger();
  form->onPump = nullptr;
  ASSERT_EQ(form->fileDialogs.size(), 2u);
  EXPECT_EQ(form->fileDialogs[0].suffix, "jpg");
  EXPECT_EQ(form->fileDialogs[1].suffix, "bmp");
  EXPECT_EQ(form->fileDialogs[1].proposed, path(QStringLiteral("first.bmp")));
  EXPECT_EQ(form->images, 2);
}
