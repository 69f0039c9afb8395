#include <QMessageBox>
#include <QTemporaryDir>

#include "DesignConversion.h"
#include "DesignFile.h"
#include "DesignFiles.h"
#include "EditorFixture.h"

class SyncControlsTest : public EditorTest {
 protected:
  void sync() {
    form->resetCounts();
    form->SyncControls();
    EXPECT_EQ(form->sizeTexts, 0) << "nothing renders while the controls are filled";
    EXPECT_FALSE(form->renderer().Syncing());
  }
};

TEST_F(SyncControlsTest, AtStartTheControlsShowTheDefaults) {
  EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheet3);
  EXPECT_EQ(form->Label26->text(), "");
  EXPECT_EQ(form->Label1->text(), "Text");
  EXPECT_EQ(d().LastTextIndex, 0);
  EXPECT_EQ(form->Label23->text(), "0 %");
  EXPECT_EQ(form->Label5->text(), "Arial");
  EXPECT_EQ(form->Edit2->text(), "100");
  EXPECT_EQ(form->Edit3->text(), "1");
  EXPECT_EQ(form->Edit8->text(), "18");
  EXPECT_EQ(form->TrackBar1->value(), 50);
  EXPECT_TRUE(form->RadioButton1->isChecked());
  EXPECT_TRUE(form->RadioButton5->isChecked());
  EXPECT_TRUE(form->RadioButton10->isChecked());
  EXPECT_TRUE(form->CheckBox1->isChecked());
  EXPECT_EQ(form->Shape1->fill(), QColor(20, 120, 80));
  EXPECT_FALSE(form->Image3->picture().isNull());
  EXPECT_TRUE(form->Label13->text().startsWith('('));
}

TEST_F(SyncControlsTest, OutOfRangeValuesPassTheControlsClamps) {
  d().ButtonHeight = 0;
  d().ButtonWidth = 5000;
  d().FillDirection = 200;
  d().TextureBrightness = 150;
  d().ShapeKind = 5;
  d().FillKind = 2;
  d().Distortion = 250;
  setCaption(2, QStringLiteral("Third"));
  setCaption(1, QStringLiteral("Second\nline"));
  design().current = 1;
  SetTexture(design(), QStringLiteral("/home/ann/textures/wood.bmp"));
  d().OutlineSize = 12345;
  sync();
  EXPECT_EQ(form->Edit1->text(), "1");
  EXPECT_EQ(d().ButtonHeight, 1);
  EXPECT_EQ(form->Edit2->text(), "1024");
  EXPECT_EQ(d().ButtonWidth, 1024);
  EXPECT_EQ(form->Edit5->text(), "200");
  EXPECT_EQ(d().FillDirection, 90);
  EXPECT_EQ(form->TrackBar1->value(), 0);
  EXPECT_EQ(d().TextureBrightness, 100);
  EXPECT_TRUE(form->RadioButton13->isChecked());
  EXPECT_TRUE(form->RadioButton7->isChecked());
  EXPECT_EQ(form->Label23->text(), "250 %");
  EXPECT_EQ(form->Label1->text(), "Text (2/3)");
  EXPECT_EQ(d().LastTextIndex, 2);
  EXPECT_EQ(form->Buttontext->toPlainText(), "Second\nline");
  EXPECT_EQ(design().captions[1].text, "Second\nline");
  EXPECT_EQ(RecordOfDesign(design()).CaptionSlots[1].bytes(), "Second\r\nline");
  EXPECT_EQ(form->Label26->text(), "wood.bmp");
  EXPECT_EQ(form->Edit3->text(), "12345") << "the typing limit is no limit for the program";
  EXPECT_EQ(d().OutlineSize, 12345);
}

TEST_F(SyncControlsTest, AnAngleTheBoxAlreadyShowsStaysUnclamped) {
  typeInto(form->Edit5, QStringLiteral("200"));
  ASSERT_EQ(d().FillDirection, 90);
  d().FillDirection = 200;
  sync();
  EXPECT_EQ(d().FillDirection, 200) << "no change of text, no handler";
}

TEST_F(SyncControlsTest, KindsWithoutAButtonLeaveTheGroupsAsTheyWere) {
  QTest::mouseClick(form->RadioButton3, Qt::LeftButton);
  QTest::mouseClick(form->RadioButton8, Qt::LeftButton);
  d().ShapeKind = 9;
  d().FillKind = 7;
  sync();
  EXPECT_TRUE(form->RadioButton3->isChecked());
  EXPECT_TRUE(form->RadioButton8->isChecked());
  EXPECT_EQ(d().ShapeKind, 9);
  EXPECT_EQ(d().FillKind, 7);
}

TEST_F(SyncControlsTest, TheRecordsFontAndColoursReachTheirControls) {
  form->captionFont().name = QStringLiteral("Liberation Serif");
  form->captionFont().size = 30;
  d().TextColour = MakeColour(1, 2, 3);
  d().OutlineColour = MakeColour(200, 100, 0);
  d().TextureStretch = 1;
  d().AutoSize = 0;
  d().Antialias = 0;
  sync();
  EXPECT_EQ(form->Label5->text(), "Liberation Serif");
  EXPECT_EQ(form->Buttontext->font().family(), "Liberation Serif");
  EXPECT_EQ(form->Buttontext->font().pixelSize(), 40);
  EXPECT_EQ(form->Shape9->fill(), QColor(1, 2, 3));
  EXPECT_EQ(form->Shape10->fill(), QColor(200, 100, 0));
  EXPECT_TRUE(form->RadioButton11->isChecked());
  EXPECT_FALSE(form->CheckBox1->isChecked());
  EXPECT_FALSE(form->CheckBox2->isChecked());
  EXPECT_EQ(d().AutoSize, 0);
  EXPECT_EQ(d().Antialias, 0);
}

TEST_F(SyncControlsTest, ResetFillsTheControlsAndLeavesTheRenderToTheCaller) {
  d().ButtonWidth = 300;
  d().AutoSize = 0;
  form->resetCounts();
  ResetDesign(design(), *form);
  EXPECT_EQ(form->sizeTexts, 0) << "reset does not render";
  EXPECT_EQ(form->Edit2->text(), "100");
  EXPECT_TRUE(form->CheckBox1->isChecked());
  form->render();
  EXPECT_EQ(form->images, 1);
}

TEST_F(SyncControlsTest, LoadingADesignFillsTheControlsAndReportsAMissingTexture) {
  QTemporaryDir dir;
  QImage texture(12, 6, QImage::Format_RGB32);
  texture.fill(Qt::red);
  const QString wood = dir.filePath(QStringLiteral("wood.bmp"));
  ASSERT_TRUE(texture.save(wood, "BMP"));

  Design saved = design();
  SetTexture(saved, wood);
  saved.record.ShapeKind = kEllipse;
  saved.captions.append(Caption{QStringLiteral("Next")});
  saved.current = 1;
  const QString withTexture = dir.filePath(QStringLiteral("with.kq"));
  QString error;
  ASSERT_TRUE(WriteDesign(withTexture, saved, &error)) << error.toStdString();
  SetTexture(saved, dir.filePath(QStringLiteral("gone.bmp")));
  const QString missing = dir.filePath(QStringLiteral("missing.tessaro"));
  ASSERT_TRUE(WriteDesign(missing, saved, &error)) << error.toStdString();

  form->resetCounts();
  LoadDesign(withTexture, design(), *form);
  EXPECT_EQ(form->Image2->picture().size(), QSize(12, 6));
  EXPECT_EQ(form->Label26->text(), "wood.bmp");
  EXPECT_TRUE(form->RadioButton12->isChecked());
  EXPECT_EQ(form->Label1->text(), "Text (2/2)");
  EXPECT_EQ(form->Buttontext->toPlainText(), "Next");
  EXPECT_EQ(form->images, 1) << "the load renders once, after the controls";

  QString message;
  QMessageBox::Icon icon = QMessageBox::Critical;
  whenModal([&](QWidget* box) {
    auto* messageBox = qobject_cast<QMessageBox*>(box);
    ASSERT_NE(messageBox, nullptr);
    EXPECT_EQ(messageBox->windowTitle(), "Tessaro");
    icon = messageBox->icon();
    message = messageBox->text();
    messageBox->accept();
  });
  LoadDesign(missing, design(), *form);
  EXPECT_TRUE(message.contains(QStringLiteral("gone.bmp"))) << message.toStdString();
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_TRUE(design().texture.isEmpty());
  EXPECT_EQ(form->Label26->text(), "");
}
