#include "EditorFixture.h"

class StepButtonsTest : public EditorTest {
 protected:
  void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
};

TEST_F(StepButtonsTest, DistortionStaysWithin0To100) {
  form->PageControl1->setCurrentWidget(form->TabSheet5);
  const struct {
    int from;
    ImageBox* arrow;
    int to;
  } cases[] = {{0, form->Image5, 10},    {95, form->Image5, 100}, {100, form->Image5, 100},
               {5, form->Image6, 0},     {10, form->Image6, 0},   {50, form->Image6, 40},
               {250, form->Image5, 100}, {250, form->Image6, 240}};
  for (const auto& c : cases) {
    d().Distortion = static_cast<std::uint8_t>(c.from);
    form->resetCounts();
    click(c.arrow);
    EXPECT_EQ(d().Distortion, c.to) << c.from;
    EXPECT_EQ(form->Label23->text(), QStringLiteral("%1 %").arg(c.to));
    EXPECT_EQ(form->images, 1);
  }
}

TEST_F(StepButtonsTest, OutlineArrowsStopAtZeroAndNotAbove) {
  form->PageControl1->setCurrentWidget(form->TabSheet6);
  click(form->Image8);
  click(form->Image8);
  EXPECT_EQ(d().OutlineSize, 0);
  EXPECT_EQ(form->Edit3->text(), "0");

  typeInto(form->Edit3, QStringLiteral("-3"));
  EXPECT_EQ(d().OutlineSize, -3);
  click(form->Image8);
  EXPECT_EQ(d().OutlineSize, 0);

  typeInto(form->Edit3, QStringLiteral("999"));
  click(form->Image9);
  EXPECT_EQ(d().OutlineSize, 1000);
  EXPECT_EQ(form->Edit3->text(), "1000") << "the up arrow passes the three typed characters";

  d().OutlineSize = std::numeric_limits<std::int32_t>::max();
  click(form->Image9);
  EXPECT_EQ(d().OutlineSize, std::numeric_limits<std::int32_t>::max()) << "no wrap-around";
}

TEST_F(StepButtonsTest, TheOutlineBoxTakesThreeTypedCharacters) {
  typeInto(form->Edit3, QStringLiteral("12345"));
  EXPECT_EQ(form->Edit3->text(), "123");
  EXPECT_EQ(d().OutlineSize, 123);
  // Over the limit by the program's doing: deleting works, typing more does not.
  d().OutlineSize = 1233;
  form->Edit3->setText(QStringLiteral("1233"));
  QTest::keyClick(form->Edit3, Qt::Key_End);
  QTest::keyClicks(form->Edit3, QStringLiteral("4"));
  EXPECT_EQ(form->Edit3->text(), "1233");
  QTest::keyClick(form->Edit3, Qt::Key_Backspace);
  EXPECT_EQ(form->Edit3->text(), "123");
  EXPECT_EQ(d().OutlineSize, 123);
}

TEST_F(StepButtonsTest, AStepRendersTwiceThroughTheOutlineBox) {
  form->resetCounts();
  click(form->Image9);
  // Edit3's handler renders for the new text, then the arrow renders.
  EXPECT_EQ(form->images, 2);
  EXPECT_EQ(d().OutlineSize, 2);
}

TEST_F(StepButtonsTest, DoubleClicksStepTwiceExceptOnTheOutlineDownArrow) {
  d().Distortion = 50;
  doubleClick(form->Image5);
  EXPECT_EQ(d().Distortion, 70);
  doubleClick(form->Image6);
  EXPECT_EQ(d().Distortion, 50);

  typeInto(form->Edit3, QStringLiteral("5"));
  doubleClick(form->Image9);
  EXPECT_EQ(d().OutlineSize, 7);
  doubleClick(form->Image8);
  EXPECT_EQ(d().OutlineSize, 6);
}

TEST_F(StepButtonsTest, TheStepRendersWhileTheBevelStillLooksPressed) {
  const std::pair<ImageBox*, Bevel*> steps[] = {{form->Image5, form->Bevel18},
                                                {form->Image6, form->Bevel19},
                                                {form->Image8, form->Bevel22},
                                                {form->Image9, form->Bevel23}};
  for (const auto& [image, bevel] : steps) {
    std::vector<Bevel::BevelStyle> seen;
    form->onImage = [&seen, b = bevel] { seen.push_back(b->bevelStyle()); };
    QTest::mousePress(image, Qt::LeftButton);
    EXPECT_EQ(bevel->bevelStyle(), Bevel::Lowered);
    QTest::mouseRelease(image, Qt::LeftButton);
    EXPECT_EQ(bevel->bevelStyle(), Bevel::Raised);
    ASSERT_FALSE(seen.empty()) << image->objectName().toStdString();
    for (Bevel::BevelStyle s : seen)
      EXPECT_EQ(s, Bevel::Lowered);
  }
  form->onImage = nullptr;
}

TEST_F(StepButtonsTest, AReleaseAwayFromTheArrowIsNoClick) {
  const int before = d().Distortion;
  QTest::mousePress(form->Image5, Qt::LeftButton);
  QTest::mouseRelease(form->Image5, Qt::LeftButton, {}, QPoint(40, 40));
  EXPECT_EQ(d().Distortion, before);
  EXPECT_EQ(form->Bevel18->bevelStyle(), Bevel::Raised);
  QTest::mouseClick(form->Image5, Qt::RightButton);
  EXPECT_EQ(d().Distortion, before) << "only the left button clicks";
}
