#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include "EditorFixture.h"

class TextureTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    form->PageControl1->setCurrentWidget(form->TabSheet5);
  }

  QString picture(const QString& name, QSize size, const char* format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 150, 100));
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, format)) << path.toStdString();
    return path;
  }

  // Browse, choosing `path`; then answers a message box, if one comes, with `icon` and
  // `message` receiving its icon and text.
  void browse(const QString& path, QMessageBox::Icon* icon = nullptr, QString* message = nullptr) {
    if (icon) {
      whenModal([icon, message](QWidget* box) {
        auto* messageBox = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(messageBox, nullptr);
        EXPECT_EQ(messageBox->windowTitle(), "Tessaro");
        *icon = messageBox->icon();
        *message = messageBox->text();
        messageBox->accept();
      });
    }
    form->pictureAnswer = path;
    QTest::mouseClick(form->Button2, Qt::LeftButton);
  }

  QTemporaryDir dir;
};

TEST_F(TextureTest, ThePictureDialogOffersTheImageKindsAndReturnsTheChoice) {
  const QString path = picture(QStringLiteral("wood.bmp"), QSize(30, 20), "BMP");
  // Chosen before the dialog opens: once it shows, its file name box has the focus and
  // selectFile() leaves that box alone.
  form->OpenPictureDialog1->setDirectory(dir.path());
  form->OpenPictureDialog1->selectFile(QFileInfo(path).fileName());
  whenModal([this](QWidget* dialog) {
    ASSERT_EQ(dialog, form->OpenPictureDialog1);
    EXPECT_EQ(form->OpenPictureDialog1->nameFilters().first(),
              "All (*.jpg;*.jpeg;*.bmp;*.dib) (*.bmp *.jpg *.jpeg *.dib)");
    EXPECT_EQ(form->OpenPictureDialog1->fileMode(), QFileDialog::ExistingFile);
    // QFileDialog's own accept() (which checks the choice) is reached through QDialog.
    static_cast<QDialog*>(form->OpenPictureDialog1)->accept();
    if (form->OpenPictureDialog1->isVisible()) {
      ADD_FAILURE() << "the dialog refused the file";
      form->OpenPictureDialog1->reject();
    }
  });
  QTest::mouseClick(form->Button2, Qt::LeftButton);
  EXPECT_EQ(design().texture, path);

  // Cancel changes nothing.
  form->resetCounts();
  whenModal([this](QWidget*) { form->OpenPictureDialog1->reject(); });
  QTest::mouseClick(form->Button2, Qt::LeftButton);
  EXPECT_EQ(design().texture, path);
  EXPECT_EQ(form->images, 0);
}

TEST_F(TextureTest, BrowseLoadsTheTextureAndSwitchesToTheTextureFill) {
  const QString path = picture(QStringLiteral("wood.bmp"), QSize(30, 20), "BMP");
  form->resetCounts();
  browse(path);
  EXPECT_EQ(design().texture, path);
  EXPECT_EQ(form->Image2->picture().size(), QSize(30, 20));
  EXPECT_EQ(form->Image2->picture().format(), QImage::Format_RGB32);
  EXPECT_EQ(form->Label26->text(), "wood.bmp");
  EXPECT_EQ(d().FillKind, kTexture);
  EXPECT_TRUE(form->RadioButton9->isChecked());
  // The radio button's handler and Browse itself each render.
  EXPECT_EQ(form->images, 2);
  // The button's inside now has the texture's colour.
  const QImage preview = form->Image3->picture();
  EXPECT_EQ(preview.pixelColor(preview.width() / 2, 5).red(), 200);
}

TEST_F(TextureTest, EndingsAreCheckedBeforeAnythingChanges) {
  const QString jpeg = picture(QStringLiteral("photo.Jpeg"), QSize(8, 8), "JPEG");
  browse(jpeg);
  EXPECT_EQ(design().texture, jpeg) << "the ending is compared in upper case";

  for (const char* name : {"photo.jpe", "photo.png"}) {
    const QString path = picture(QString::fromLatin1(name), QSize(8, 8), "PNG");
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString message;
    form->resetCounts();
    browse(path, &icon, &message);
    EXPECT_EQ(message, QStringLiteral("Unknown file extension (%1)").arg(path));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(design().texture, jpeg);
    EXPECT_EQ(form->Label26->text(), "photo.Jpeg");
    EXPECT_EQ(form->images, 0);
  }
}

TEST_F(TextureTest, AFailedReadKeepsThePreviousTexture) {
  const QString wood = picture(QStringLiteral("wood.bmp"), QSize(30, 20), "BMP");
  browse(wood);
  QFile broken(dir.filePath(QStringLiteral("broken.bmp")));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("BM this is no bitmap");
  broken.close();
  form->RadioButton8->setChecked(true);

  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString message;
  form->resetCounts();
  browse(broken.fileName(), &icon, &message);
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_TRUE(message.contains(QStringLiteral("broken.bmp"))) << message.toStdString();
  EXPECT_EQ(design().texture, wood);
  EXPECT_EQ(form->Image2->picture().size(), QSize(30, 20));
  EXPECT_EQ(form->Label26->text(), "wood.bmp");
  EXPECT_EQ(d().FillKind, kSingleColour);
  EXPECT_EQ(form->images, 0);
}

TEST_F(TextureTest, ALongPathInAnyScriptIsKeptWholeAndReadFromThere) {
  // Beyond the 255 characters a design file holds, and outside its code page.
  const QString sub = dir.filePath(QString(120, u'd') + QStringLiteral("/\u6728\u6750"));
  ASSERT_TRUE(QDir().mkpath(sub));
  const QString name =
      QString(200, u'n') + QStringLiteral("\u0434\u0435\u0440\u0435\u0432\u043E.bmp");
  const QString relative = sub.mid(dir.path().size() + 1) + u'/' + name;
  const QString whole = picture(relative, QSize(7, 5), "BMP");
  ASSERT_GT(whole.size(), 255);

  browse(whole);
  EXPECT_EQ(design().texture, whole);
  EXPECT_EQ(form->Image2->picture().size(), QSize(7, 5));
  EXPECT_EQ(form->Label26->text(), name);
}

TEST_F(TextureTest, ClearEmptiesTheTextureAndKeepsTheFill) {
  browse(picture(QStringLiteral("wood.bmp"), QSize(30, 20), "BMP"));
  form->resetCounts();
  QTest::mouseClick(form->Button3, Qt::LeftButton);
  EXPECT_TRUE(form->Image2->picture().isNull());
  EXPECT_TRUE(design().texture.isEmpty());
  EXPECT_EQ(form->Label26->text(), "");
  EXPECT_EQ(d().FillKind, kTexture);
  EXPECT_EQ(form->images, 1);
  // A texture fill without a texture paints in Colour1.
  const QImage preview = form->Image3->picture();
  EXPECT_EQ(preview.pixelColor(preview.width() / 2, 5), QColor(20, 120, 80));
}

TEST_F(TextureTest, TheSliderIsInvertedAndRendersOnlyForTheTextureFill) {
  form->TrackBar1->setFocus();
  QTest::keyClick(form->TrackBar1, Qt::Key_Up);  // up: towards 0 at the top
  EXPECT_EQ(form->TrackBar1->value(), 49);
  EXPECT_EQ(d().TextureBrightness, 51);
  EXPECT_EQ(form->sizeTexts, 0);
  QTest::keyClick(form->TrackBar1, Qt::Key_Home);
  EXPECT_EQ(d().TextureBrightness, 100);

  form->RadioButton9->setChecked(true);
  form->resetCounts();
  QTest::keyClick(form->TrackBar1, Qt::Key_End);
  EXPECT_EQ(d().TextureBrightness, 0);
  EXPECT_EQ(form->images, 1);
}
