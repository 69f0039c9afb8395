#include "EditorFixture.h"

// The preview at the size clamp: Autosize off, 4x, a hexagon 256 high, so that the image is
// 2024 (+ outline) scaled pixels wide and every pass has about a thousand rows.
class RenderRestartTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    form->PageControl1->setCurrentWidget(form->TabSheet1);
    form->CheckBox1->setChecked(false);
    typeInto(form->Edit1, QStringLiteral("256"));
    form->RadioButton3->setChecked(true);
    typeInto(form->Edit2, QStringLiteral("50"));
    form->resetCounts();
  }
};

TEST_F(RenderRestartTest, AnEditInsideTheEventPumpRestartsTheRenderAtOnce) {
  int pumpAtEdit = 0;
  int pumpAtRestart = 0;
  form->onPump = [&](int pump) {
    if (pump == 300) {
      QTest::keyClick(form->Edit2, Qt::Key_0);  // 50 becomes 500
      pumpAtEdit = pump;
    }
  };
  form->onSizeText = [&] {
    if (pumpAtEdit && !pumpAtRestart) pumpAtRestart = form->pumps;
  };
  form->Redraw1Click();
  form->onPump = nullptr;
  form->onSizeText = nullptr;

  EXPECT_EQ(pumpAtRestart, pumpAtEdit) << "the render gave up right after the pump of the edit";
  EXPECT_EQ(form->images, 1) << "only the restarted render finished";
  EXPECT_EQ(form->sizeTexts, 2);
  EXPECT_EQ(form->Label13->text(), "(500 x 256)");
  // (500 * 4 + 72 + 1056 / 2, clamped to 2024, + 8) / 4 by (1024 + 8) / 4.
  EXPECT_EQ(previewSize(), QSize(508, 258));
  EXPECT_FALSE(form->renderer().RenderBusy());
  EXPECT_EQ(form->captionFont().size, 14);
}

TEST_F(RenderRestartTest, TypingFastAtTheLargestSizeEndsWithTheFinalValue) {
  // One keystroke every 40 rows, while renders keep restarting.
  const QString keys = QStringLiteral("123");
  int typed = 0;
  form->onPump = [&](int pump) {
    if (pump % 40 == 0 && typed < keys.size()) {
      if (typed == 0) QTest::keyClick(form->Edit2, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(form->Edit2, keys[typed].toLatin1());
      ++typed;
    }
  };
  form->Redraw1Click();
  form->onPump = nullptr;

  EXPECT_EQ(typed, 3);
  EXPECT_EQ(d().ButtonWidth, 123);
  EXPECT_EQ(form->Label13->text(), "(123 x 256)");
  EXPECT_EQ(previewSize(), QSize((123 * 4 + 72 + 1056 / 2 + 8) / 4, 258));
  EXPECT_EQ(form->images, 1);
  // Four renders began (the first and one per keystroke); none ran past its next row.
  EXPECT_EQ(form->sizeTexts, 4);
}

TEST_F(RenderRestartTest, SeveralEditsDuringOneRenderCostOneRestart) {
  form->onPump = [&](int pump) {
    if (pump == 10) {
      form->RadioButton12->setChecked(true);
      typeInto(form->Edit9, QStringLiteral("12"));
    }
  };
  form->Redraw1Click();
  form->onPump = nullptr;
  EXPECT_EQ(form->sizeTexts, 2);
  EXPECT_EQ(form->images, 1);
  EXPECT_EQ(d().BorderHeight, 12);
  // No hexagon widening any more: (50 * 4 + 72 + 8) / 4.
  EXPECT_EQ(previewSize().width(), 70);
}
