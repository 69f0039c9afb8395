#include <QFocusEvent>

#include "EditorFixture.h"
#include "LenientInt.h"

namespace {
struct SizeBox {
  QLineEdit* box;
  std::int32_t* field;
};
}  // namespace

class SizeBoxesTest : public EditorTest {
 protected:
  std::vector<SizeBox> sizeBoxes() {
    return {{form->Edit1, &d().ButtonHeight}, {form->Edit2, &d().ButtonWidth}};
  }
};

TEST_F(SizeBoxesTest, WidthAndHeightShowTheCorrectedNumberAtOnce) {
  for (const SizeBox& s : sizeBoxes()) {
    SCOPED_TRACE(s.box->objectName().toStdString());
    for (const QString& typed :
         {QString(), QStringLiteral("0"), QStringLiteral("-"), QStringLiteral("a")}) {
      typeInto(s.box, typed);
      EXPECT_EQ(s.box->text(), "1") << typed.toStdString();
      EXPECT_EQ(*s.field, 1);
    }
    // The lone sign became 1 before the digits came: 1, 14, 140.
    typeInto(s.box, QStringLiteral("-40"));
    EXPECT_EQ(s.box->text(), "140");
    EXPECT_EQ(*s.field, 140);
    typeInto(s.box, QStringLiteral("5000"));
    EXPECT_EQ(s.box->text(), "1024");
    EXPECT_EQ(*s.field, 1024);
    typeInto(s.box, QStringLiteral("12px"));
    EXPECT_EQ(s.box->text(), "12px");
    EXPECT_EQ(*s.field, 12);
  }
}

TEST_F(SizeBoxesTest, WithAutosizeTheBoxesStoreButDoNotRender) {
  ASSERT_TRUE(d().AutoSize);
  typeInto(form->Edit2, QStringLiteral("150"));
  typeInto(form->Edit1, QStringLiteral("40"));
  EXPECT_EQ(d().ButtonWidth, 150);
  EXPECT_EQ(d().ButtonHeight, 40);
  EXPECT_EQ(form->sizeTexts, 0);

  form->CheckBox1->click();
  EXPECT_FALSE(d().AutoSize);
  EXPECT_EQ(form->Label13->text(), "(150 x 40)");
  EXPECT_EQ(previewSize(), fixedSizeImage(150, 40));
}

TEST_F(SizeBoxesTest, EveryKeystrokeRendersThePreviewWithoutAutosize) {
  form->CheckBox1->click();
  form->resetCounts();
  typeInto(form->Edit2, QStringLiteral("150"));
  EXPECT_EQ(form->images, 3);  // 1, 15, 150
  EXPECT_EQ(previewSize(), fixedSizeImage(150, 20));

  // The corrected text runs the handler again, nested: the preview shows the clamped size.
  typeInto(form->Edit2, QStringLiteral("0"));
  EXPECT_EQ(previewSize(), fixedSizeImage(1, 20));
  EXPECT_EQ(form->Label13->text(), "(1 x 20)");
}

TEST_F(SizeBoxesTest, FillDirectionIsStoredClampedWhileTheBoxKeepsTheText) {
  typeInto(form->Edit5, QStringLiteral("200"));
  EXPECT_EQ(d().FillDirection, 90);
  EXPECT_EQ(form->Edit5->text(), "200");
  typeInto(form->Edit5, QStringLiteral("-120"));
  EXPECT_EQ(d().FillDirection, -90);
  EXPECT_EQ(form->Edit5->text(), "-120");
  typeInto(form->Edit5, QStringLiteral("45"));
  EXPECT_EQ(d().FillDirection, 45);
}

TEST_F(SizeBoxesTest, UnrestrictedBoxesTakeAnyValueAndRender) {
  const std::pair<QLineEdit*, std::int32_t*> boxes[] = {{form->Edit4, &d().BevelSize},
                                                        {form->Edit6, &d().TextOffsetX},
                                                        {form->Edit7, &d().TextOffsetY},
                                                        {form->Edit8, &d().BorderWidth},
                                                        {form->Edit9, &d().BorderHeight}};
  for (const auto& [box, field] : boxes) {
    form->resetCounts();
    typeInto(box, QStringLiteral("-15"));
    EXPECT_EQ(*field, -15) << box->objectName().toStdString();
    typeInto(box, QStringLiteral("$1F"));
    EXPECT_EQ(*field, 31) << box->objectName().toStdString();
    EXPECT_EQ(form->sizeTexts, 6) << box->objectName().toStdString();
  }
}

TEST_F(SizeBoxesTest, LeavingAnOffsetBoxWritesBackItsNumber) {
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  form->PageControl1->setCurrentWidget(form->TabSheet1);
  const std::pair<const char*, const char*> cases[] = {
      {"abc", "0"}, {"+7", "7"}, {"12px", "12"}, {"  -3", "-3"}, {"7", "7"}};
  for (const auto& [typed, shown] : cases) {
    form->Edit6->setFocus(Qt::TabFocusReason);
    typeInto(form->Edit6, QString::fromLatin1(typed));
    form->resetCounts();
    form->Edit7->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form->Edit6->text(), QString::fromLatin1(shown)) << typed;
    EXPECT_EQ(d().TextOffsetX, LenientToInt(QString::fromLatin1(typed)));
    // Only a changed text runs the change handler, which renders.
    EXPECT_EQ(form->images, QString::fromLatin1(typed) == shown ? 0 : 1) << typed;
  }
}

TEST_F(SizeBoxesTest, ADialogOrMenuTakingTheFocusIsNoExit) {
  typeInto(form->Edit7, QStringLiteral("abc"));
  for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
    QFocusEvent away(QEvent::FocusOut, reason);
    QApplication::sendEvent(form->Edit7, &away);
    EXPECT_EQ(form->Edit7->text(), "abc");
  }
  QFocusEvent away(QEvent::FocusOut, Qt::MouseFocusReason);
  QApplication::sendEvent(form->Edit7, &away);
  EXPECT_EQ(form->Edit7->text(), "0");
}

TEST_F(SizeBoxesTest, OpeningTheMenusFromTheKeyboardIsNoExit) {
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  form->PageControl1->setCurrentWidget(form->TabSheet1);
  form->Edit6->setFocus(Qt::TabFocusReason);
  typeInto(form->Edit6, QStringLiteral("12px"));
  QTest::keyClick(form->Edit6, Qt::Key_Alt, Qt::AltModifier);  // Alt alone: the menu bar
  EXPECT_TRUE(form->MainMenu1->hasFocus());
  QTest::keyClick(form->MainMenu1, Qt::Key_Escape);
  EXPECT_EQ(form->Edit6->text(), "12px");
  QTest::keyClick(form->Edit6, Qt::Key_F, Qt::AltModifier);  // Alt+F: the File menu
  QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  QTest::keyClick(form->MainMenu1, Qt::Key_Escape);
  EXPECT_EQ(form->Edit6->text(), "12px");
}
