#include <QColorDialog>

#include "EditorFixture.h"

TEST_F(EditorTest, RadioButtonsWriteTheirValueWhenSelectedOnly) {
  struct Choice {
    QRadioButton* button;
    std::uint8_t* field;
    int value;
  };
  const Choice choices[] = {
      {form->RadioButton2, &d().ShapeKind, 1},      {form->RadioButton3, &d().ShapeKind, 2},
      {form->RadioButton4, &d().ShapeKind, 3},      {form->RadioButton12, &d().ShapeKind, 4},
      {form->RadioButton13, &d().ShapeKind, 5},     {form->RadioButton1, &d().ShapeKind, 0},
      {form->RadioButton6, &d().FillKind, 1},       {form->RadioButton7, &d().FillKind, 2},
      {form->RadioButton8, &d().FillKind, 3},       {form->RadioButton9, &d().FillKind, 4},
      {form->RadioButton5, &d().FillKind, 0},       {form->RadioButton11, &d().TextureStretch, 1},
      {form->RadioButton10, &d().TextureStretch, 0}};
  for (const Choice& c : choices) {
    SCOPED_TRACE(c.button->objectName().toStdString());
    form->PageControl1->setCurrentWidget(c.button->parentWidget());
    form->resetCounts();
    QTest::mouseClick(c.button, Qt::LeftButton);
    EXPECT_EQ(*c.field, c.value);
    EXPECT_EQ(form->images, 1) << "one render, none for the button that gave way";
    // Clicking the selected button again is no selection.
    *c.field = 77;
    QTest::mouseClick(c.button, Qt::LeftButton);
    EXPECT_EQ(*c.field, 77);
    EXPECT_EQ(form->images, 1);
    *c.field = static_cast<std::uint8_t>(c.value);
  }
}

TEST_F(EditorTest, TabIntoAGroupOfOptionsLandsOnTheSelectedOne) {
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  struct Group {
    QWidget* before;  // the control that Tab leaves
    QRadioButton* selected;
    QWidget* after;  // the control after the group
  };
  const Group groups[] = {{form->Edit5, form->RadioButton5, nullptr},              // Gradient
                          {form->Edit3, form->RadioButton3, nullptr},              // Hexagon
                          {form->Button3, form->RadioButton11, form->TrackBar1}};  // Stretch
  for (const Group& g : groups) {
    SCOPED_TRACE(g.selected->objectName().toStdString());
    g.selected->setChecked(true);
    form->PageControl1->setCurrentWidget(g.selected->parentWidget());
    g.before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(g.before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), g.selected);
    const QByteArray before(reinterpret_cast<const char*>(d().bytes().data()), kDesignRecordSize);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(d().bytes().data()), kDesignRecordSize),
              before)
        << "Space on the selected option changes nothing";
    if (g.after) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), g.after) << "one Tab stop per group";
      QTest::keyClick(g.after, Qt::Key_Backtab);
      EXPECT_EQ(QApplication::focusWidget(), g.selected);
    }
  }
  // After another option is chosen, Tab lands on that one.
  form->PageControl1->setCurrentWidget(form->TabSheet2);
  form->RadioButton7->setChecked(true);
  form->Edit5->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form->Edit5, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form->RadioButton7);
}

TEST_F(EditorTest, TheCheckBoxesFollowTheirTick) {
  form->PageControl1->setCurrentWidget(form->TabSheet1);
  QTest::mouseClick(form->CheckBox1, Qt::LeftButton);
  EXPECT_EQ(d().AutoSize, 0);
  EXPECT_EQ(form->images, 1);
  form->CheckBox2->setChecked(false);
  EXPECT_EQ(d().Antialias, 0);
  EXPECT_EQ(form->images, 2);
  EXPECT_FALSE(form->CheckBox2->isVisible());
}

TEST_F(EditorTest, EveryColourPickerEditsItsColourThroughOneDialog) {
  struct Picker {
    ClickLabel* label;
    ImageBox* overlay;
    Colour* field;
    ColourSwatch* swatch;
  };
  const Picker pickers[] = {{form->Label6, form->Image10, &d().Colour1, form->Shape1},
                            {form->Label7, form->Image11, &d().Colour2, form->Shape2},
                            {form->Label21, form->Image12, &d().BackColour, form->Shape5},
                            {form->Label20, form->Image13, &d().PlasmaColour, form->Shape4},
                            {form->Label15, form->Image14, &d().TextColour, form->Shape9},
                            {form->Label2, form->Image15, &d().HighlightColour, form->Shape7},
                            {form->Label14, form->Image16, &d().ShadowColour, form->Shape8},
                            {form->Label16, form->Image17, &d().OutlineColour, form->Shape10},
                            {form->Label24, form->Image18, &d().SurfaceColour, form->Shape6}};
  int shade = 10;
  for (const Picker& p : pickers) {
    SCOPED_TRACE(p.label->objectName().toStdString());
    form->PageControl1->setCurrentWidget(p.label->parentWidget());
    for (QWidget* opener : {static_cast<QWidget*>(p.label), static_cast<QWidget*>(p.overlay)}) {
      const Colour before = *p.field;
      const QColor chosen(shade % 256, (200 + shade) % 256, (3 * shade) % 256);
      shade += 7;
      form->resetCounts();
      whenModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog, form->ColorDialog1);
        EXPECT_EQ(form->ColorDialog1->currentColor(), ToQColor(before));
        form->ColorDialog1->setCurrentColor(chosen);
        form->ColorDialog1->accept();
      });
      QTest::mouseClick(opener, Qt::LeftButton);
      EXPECT_EQ(*p.field, MakeColour(chosen.red(), chosen.green(), chosen.blue()));
      EXPECT_EQ(p.swatch->fill(), chosen);
      EXPECT_EQ(form->images, 1);

      whenModal([&](QWidget*) {
        form->ColorDialog1->setCurrentColor(Qt::magenta);
        form->ColorDialog1->reject();
      });
      QTest::mouseClick(opener, Qt::LeftButton);
      EXPECT_EQ(*p.field, MakeColour(chosen.red(), chosen.green(), chosen.blue()));
      EXPECT_EQ(p.swatch->fill(), chosen);
      EXPECT_EQ(form->images, 1) << "Cancel renders nothing";
    }
  }
}
