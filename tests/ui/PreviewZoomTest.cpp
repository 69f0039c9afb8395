#include <QScrollBar>
#include <QWheelEvent>

#include "EditorFixture.h"

class PreviewZoomTest : public EditorTest {
 protected:
  PreviewBox* preview() const { return form->Image3; }
  QImage shown() const { return preview()->viewport()->grab().toImage(); }
  void key(int key) { QTest::keyClick(form.get(), key, Qt::ControlModifier); }
  void wheel(int turn) {
    const QPointF at = QRectF(preview()->viewport()->rect()).center();
    QWheelEvent event(at, preview()->viewport()->mapToGlobal(at), QPoint(), QPoint(0, turn),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(preview()->viewport(), &event);
  }
  bool scrolls() const {
    return preview()->horizontalScrollBar()->isVisible() ||
           preview()->verticalScrollBar()->isVisible();
  }
};

TEST_F(PreviewZoomTest, ZoomShowsWholePixelsAndScrollsWhenTheButtonIsLarger) {
  const QImage button = form->Image3->picture();
  EXPECT_EQ(preview()->zoom(), 1) << "actual size by default";

  key(Qt::Key_Plus);
  key(Qt::Key_Plus);
  ASSERT_EQ(preview()->zoom(), 3);
  EXPECT_FALSE(scrolls()) << "three times the default button fits";
  // Every button pixel is a 3 x 3 square of its own colour, the edges included.
  const QImage shot = shown();
  const QPoint origin = preview()->pictureOrigin();
  const int dpr = static_cast<int>(shot.devicePixelRatio());
  for (const QPoint p : {QPoint(0, 0), QPoint(button.width() - 1, button.height() - 1),
                         QPoint(button.width() / 2, 3), QPoint(1, button.height() / 2)}) {
    for (const QPoint corner : {QPoint(0, 0), QPoint(2, 2), QPoint(0, 2)}) {
      EXPECT_EQ(shot.pixel((origin + p * 3 + corner) * dpr), button.pixel(p))
          << p.x() << ',' << p.y();
    }
  }

  // Ctrl+wheel over the preview: one notch, one step, up to 16.
  for (int i = 0; i < 6; ++i)
    wheel(120);
  EXPECT_EQ(preview()->zoom(), 16);
  QCoreApplication::processEvents();
  EXPECT_TRUE(preview()->horizontalScrollBar()->isVisible());
  EXPECT_EQ(preview()->horizontalScrollBar()->maximum(),
            button.width() * 16 - preview()->viewport()->width());
  wheel(-120);
  EXPECT_EQ(preview()->zoom(), 12);

  key(Qt::Key_0);
  EXPECT_EQ(preview()->zoom(), 1);
  QCoreApplication::processEvents();
  EXPECT_FALSE(scrolls());

  // Fit: the largest whole zoom that shows the whole button, kept as the button changes.
  form->Fit1->trigger();
  const QSize room = preview()->size();
  const int fits = std::min(room.width() / button.width(), room.height() / button.height());
  EXPECT_EQ(preview()->zoom(), fits);
  typeInto(form->Buttontext, QStringLiteral("A much longer caption"));
  const QImage wide = form->Image3->picture();
  EXPECT_EQ(preview()->zoom(),
            std::min(room.width() / wide.width(), room.height() / wide.height()));
  key(Qt::Key_Minus);
  EXPECT_FALSE(preview()->fitting());
}

TEST_F(PreviewZoomTest, AButtonLargerThanThePreviewScrollsAndFitsByAFraction) {
  form->CheckBox1->setChecked(false);
  typeInto(form->Edit2, QStringLiteral("900"));
  typeInto(form->Edit1, QStringLiteral("300"));
  QCoreApplication::processEvents();
  const QImage button = form->Image3->picture();
  ASSERT_GT(button.width(), preview()->width());
  EXPECT_EQ(preview()->zoom(), 1);
  EXPECT_TRUE(scrolls());
  // At actual size the middle of the button is shown, unscaled.
  const QImage shot = shown();
  const QPoint middle(button.width() / 2, button.height() / 2);
  const QPoint at = preview()->pictureOrigin() + middle;
  EXPECT_EQ(shot.pixel(at * static_cast<int>(shot.devicePixelRatio())), button.pixel(middle));

  form->Fit1->trigger();
  QCoreApplication::processEvents();
  EXPECT_LT(preview()->zoom(), 1);
  EXPECT_FALSE(scrolls());
  EXPECT_LE(button.height() * preview()->zoom(), preview()->height());
}
