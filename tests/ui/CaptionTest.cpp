#include <QClipboard>
#include <QFontDialog>

#include "DesignConversion.h"
#include "EditorFixture.h"

class CaptionTest : public EditorTest {
 protected:
  QString memo() const {
    return form->Buttontext->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
  }
  QString caption(int i) { return design().captions.value(i).text; }
  // The caption as a design file's slot holds it.
  QByteArray slot(int i) { return RecordOfDesign(design()).CaptionSlots[i].bytes(); }
  void clickLeft() { QTest::mouseClick(form->Image1, Qt::LeftButton); }
  void clickRight() { QTest::mouseClick(form->Image4, Qt::LeftButton); }
};

TEST_F(CaptionTest, TypedLinesReachTheSlotAsCrLfAndRender) {
  typeInto(form->Buttontext, QStringLiteral("One"));
  const int oneLine = previewSize().height();
  QTest::keyClick(form->Buttontext, Qt::Key_Return);
  QTest::keyClicks(form->Buttontext, QStringLiteral("Two"));
  EXPECT_EQ(caption(0), "One\nTwo");
  EXPECT_EQ(slot(0), "One\r\nTwo");
  EXPECT_EQ(memo(), "One\nTwo");
  EXPECT_GT(previewSize().height(), oneLine);
  // Leaving the memo renders once more.
  form->resetCounts();
  form->ButtontextExit();
  EXPECT_EQ(form->images, 1);
}

// The memo starts a caption on the side its script reads from, as the button lays it out.
TEST_F(CaptionTest, TheMemoStartsACaptionOnTheSideItsScriptReadsFrom) {
  const struct {
    const char* caption;
    bool fromTheRight;
  } cases[] = {
      {"مرحبا بكم", true}, {"Home", false}, {"שלום", true}, {"Главная", false}, {"", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    typeInto(form->Buttontext, QString());
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.caption));
    if (*c.caption) QTest::keyClick(form->Buttontext, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(memo(), QString::fromUtf8(c.caption));
    // Where the first character of the caption stands.
    QTextCursor start(form->Buttontext->document());
    const int x = form->Buttontext->cursorRect(start).center().x();
    EXPECT_EQ(x > form->Buttontext->viewport()->width() / 2, c.fromTheRight) << x;
  }
}

TEST_F(CaptionTest, TheMemoHoldsAtMost255Characters) {
  typeInto(form->Buttontext, QString());
  QGuiApplication::clipboard()->setText(QString(300, u'x'));
  QTest::keyClick(form->Buttontext, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(memo(), QString(255, u'x'));
  EXPECT_EQ(caption(0), QString(255, u'x'));

  form->resetCounts();
  QTest::keyClicks(form->Buttontext, QStringLiteral("y"));
  EXPECT_EQ(memo(), QString(255, u'x'));
  EXPECT_EQ(form->sizeTexts, 0) << "a refused keystroke is no change";

  // A line break counts as CR LF.
  typeInto(form->Buttontext, QString(254, u'a'));
  QTest::keyClick(form->Buttontext, Qt::Key_Return);
  EXPECT_EQ(memo(), QString(254, u'a'));
  EXPECT_EQ(caption(0), QString(254, u'a'));
  EXPECT_EQ(slot(0), QByteArray(254, 'a'));
}

TEST_F(CaptionTest, ALongerCaptionFromADocumentIsNeverCutByTheMemo) {
  setCaption(0, QString(300, u'x'));
  form->ShowCaptionSlot();
  EXPECT_EQ(memo(), QString(300, u'x')) << "shown whole";
  form->Buttontext->moveCursor(QTextCursor::End);
  QTest::keyClick(form->Buttontext, Qt::Key_Backspace);
  EXPECT_EQ(caption(0), QString(299, u'x'));
  QTest::keyClicks(form->Buttontext, QStringLiteral("yz"));
  EXPECT_EQ(caption(0), QString(299, u'x')) << "lengthening it is refused";
}

TEST_F(CaptionTest, ACharacterOutsideTheCodePageIsKeptAndIsAQuestionMarkOnlyInADesignFile) {
  typeInto(form->Buttontext, QStringLiteral("A"));
  typeText(form->Buttontext, QString::fromUtf8("\u03A9"));  // Greek capital omega
  typeText(form->Buttontext, QStringLiteral("\u00E9"));     // é is in Windows-1252
  EXPECT_EQ(memo(), QString::fromUtf8("A\u03A9\u00E9"));
  EXPECT_EQ(caption(0), QString::fromUtf8("A\u03A9\u00E9"));
  EXPECT_EQ(form->Buttontext->textCursor().position(), 3) << "the caret stays after the text";
  EXPECT_EQ(slot(0), "A?\xE9");
}

TEST_F(CaptionTest, ArrowsStepThroughTheSlotsAndStopAtTheEnds) {
  EXPECT_EQ(form->Label1->text(), "Text");
  clickLeft();
  EXPECT_EQ(design().current, 0);
  EXPECT_EQ(form->Label1->text(), "Text");
  EXPECT_EQ(memo(), "Button Text");

  form->resetCounts();
  clickRight();
  EXPECT_EQ(design().current, 1);
  EXPECT_EQ(form->Label1->text(), "Text (2/2)");
  EXPECT_EQ(memo(), "");
  EXPECT_EQ(caption(0), "Button Text");
  // The memo's change renders the empty caption: no text width.
  EXPECT_EQ(form->images, 1);
  EXPECT_TRUE(form->Label13->text().startsWith("(0 x "));

  clickLeft();
  EXPECT_EQ(form->Label1->text(), "Text");
  EXPECT_EQ(memo(), "Button Text");
  EXPECT_EQ(design().captions.size(), 1) << "the empty caption passed is not kept";
}

TEST_F(CaptionTest, TheArrowsReachPastThe32SlotsOfADesignFile) {
  for (int i = 0; i < 40; ++i)
    clickRight();
  EXPECT_EQ(design().current, 40);
  EXPECT_EQ(form->Label1->text(), "Text (41/41)");
  EXPECT_EQ(d().LastTextIndex, 31) << "a design file's record counts 32 at most";
  typeInto(form->Buttontext, QStringLiteral("Forty-one"));
  EXPECT_EQ(caption(40), "Forty-one");
  EXPECT_TRUE(form->Label13->text().startsWith("(")) << form->Label13->text().toStdString();

  // Back down: the empty captions between stay, as the slots of a design file do.
  for (int i = 0; i < 5; ++i)
    clickLeft();
  EXPECT_EQ(form->Label1->text(), "Text (36/41)");
  EXPECT_EQ(design().captions.size(), 41);
  // An empty caption at the end is left behind when the arrows leave it.
  typeInto(form->Buttontext, QStringLiteral("Thirty-six"));
  for (int i = 0; i < 6; ++i)
    clickRight();
  EXPECT_EQ(form->Label1->text(), "Text (42/42)");
  clickLeft();
  EXPECT_EQ(form->Label1->text(), "Text (41/41)");
  EXPECT_EQ(design().captions.size(), 41);
  EXPECT_EQ(caption(35), "Thirty-six");
}

TEST_F(CaptionTest, TheHeadingCountsUpToTheLastSlotInUse) {
  clickRight();
  clickRight();
  typeInto(form->Buttontext, QStringLiteral("Third"));
  clickLeft();
  EXPECT_EQ(form->Label1->text(), "Text (2/3)");
  EXPECT_EQ(memo(), "");
  clickLeft();
  EXPECT_EQ(form->Label1->text(), "Text (1/3)");
  EXPECT_EQ(caption(2), "Third");
}

TEST_F(CaptionTest, ArrowsActOnReleaseOfAnyButtonAndLookPressedWhileHeld) {
  QTest::mousePress(form->Image4, Qt::RightButton);
  EXPECT_EQ(form->Bevel17->bevelStyle(), Bevel::Lowered);
  EXPECT_EQ(design().current, 0);
  QTest::mouseRelease(form->Image4, Qt::RightButton);
  EXPECT_EQ(form->Bevel17->bevelStyle(), Bevel::Raised);
  EXPECT_EQ(design().current, 1);
}

TEST_F(CaptionTest, TheFontDialogEditsTheCaptionFont) {
  whenModal([this](QWidget* dialog) {
    EXPECT_EQ(dialog, form->FontDialog1);
    // The dialog shows the nearest installed face where Arial is missing; the size is the
    // caption font's.
    EXPECT_EQ(form->FontDialog1->currentFont().pointSize(), 14);
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSize(20);
    chosen.setItalic(true);
    form->FontDialog1->setCurrentFont(chosen);
    form->FontDialog1->accept();
  });
  const QSize before = previewSize();
  QTest::mouseClick(form->Label35, Qt::LeftButton);
  EXPECT_EQ(form->captionFont().name, "Liberation Serif");
  EXPECT_EQ(form->captionFont().size, 20);
  EXPECT_TRUE(form->captionFont().italic);
  EXPECT_FALSE(form->captionFont().bold);
  EXPECT_EQ(form->Label5->text(), "Liberation Serif");
  EXPECT_EQ(form->Buttontext->font().family(), "Liberation Serif");
  EXPECT_NE(previewSize(), before);
  EXPECT_EQ(form->Bevel21->bevelStyle(), Bevel::Raised);

  // Cancel changes nothing and renders nothing.
  form->resetCounts();
  whenModal([this](QWidget*) {
    form->FontDialog1->setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));
    form->FontDialog1->reject();
  });
  QTest::mouseClick(form->Image7, Qt::LeftButton);
  EXPECT_EQ(form->captionFont().name, "Liberation Serif");
  EXPECT_EQ(form->images, 0);
}
