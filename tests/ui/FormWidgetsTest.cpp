#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "CaptionFont.h"
#include "ClickLabel.h"
#include "FormLook.h"
#include "ImageBox.h"
#include "LimitedEdit.h"
#include "MouseActions.h"

namespace {
// Records the order of a clickable widget's signals.
template <typename W>
QStringList recordClicks(W& widget, const std::function<void()>& act) {
  QStringList seen;
  const QObject connections;  // ends the connections with this call
  QObject::connect(&widget, &W::mouseDown, &connections, [&] { seen << "down"; });
  QObject::connect(&widget, &W::clicked, &connections, [&] { seen << "click"; });
  QObject::connect(&widget, &W::doubleClicked, &connections, [&] { seen << "double"; });
  QObject::connect(&widget, &W::mouseUp, &connections, [&] { seen << "up"; });
  act();
  return seen;
}

template <typename W>
void expectTheHandlersMouseModel() {
  W widget;
  widget.resize(20, 20);
  widget.show();
  EXPECT_EQ(recordClicks(widget, [&] { QTest::mouseClick(&widget, Qt::LeftButton); }),
            QStringList({"down", "click", "up"}));
}
}  // namespace

TEST(ClickableWidgets, AClickComesBeforeTheMouseUp) {
  expectTheHandlersMouseModel<ImageBox>();
  expectTheHandlersMouseModel<ClickLabel>();
}

TEST(ClickableWidgets, ADoubleClickIsDownClickUpDoubleDownUp) {
  ImageBox image;
  image.resize(20, 20);
  EXPECT_EQ(recordClicks(image, [&] { DoubleClick(&image); }),
            QStringList({"down", "click", "up", "double", "down", "up"}));
  ClickLabel label;
  label.resize(20, 20);
  EXPECT_EQ(recordClicks(label, [&] { DoubleClick(&label); }),
            QStringList({"down", "click", "up", "double", "down", "up"}));
}

TEST(ClickableWidgets, OnlyALeftReleaseOverTheWidgetClicks) {
  ImageBox image;
  image.resize(20, 20);
  EXPECT_EQ(recordClicks(image,
                         [&] {
                           QTest::mousePress(&image, Qt::LeftButton);
                           QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(30, 5));
                         }),
            QStringList({"down", "up"}));
  EXPECT_EQ(recordClicks(image, [&] { QTest::mouseClick(&image, Qt::RightButton); }),
            QStringList({"down", "up"}));
}

TEST(LimitedEdit, LimitsTypingButNotTheProgram) {
  LimitedEdit edit;
  edit.setTypedLimit(3);
  QSignalSpy changes(&edit, &QLineEdit::textChanged);
  QTest::keyClicks(&edit, QStringLiteral("98765"));
  EXPECT_EQ(edit.text(), "987");
  EXPECT_EQ(changes.count(), 3) << "refused keys report no change";

  edit.setText(QStringLiteral("1000"));
  EXPECT_EQ(edit.text(), "1000");
  QTest::keyClicks(&edit, QStringLiteral("5"));
  EXPECT_EQ(edit.text(), "1000");
  edit.selectAll();
  QTest::keyClicks(&edit, QStringLiteral("7"));
  EXPECT_EQ(edit.text(), "7") << "replacing a selection within the limit is fine";
}

TEST(CaptionDialogFont, RoundTripsTheCaptionFontThroughTheDialogsPointSizes) {
  CaptionFont font;
  font.name = QStringLiteral("Liberation Serif");
  font.size = 11;
  font.bold = false;
  font.italic = true;
  font.strikeout = true;
  CaptionFont back;
  TakeDialogFont(CaptionDialogFont(font), back);
  EXPECT_EQ(back, font);

  QFont pixels(QStringLiteral("Arial"));
  pixels.setPixelSize(40);
  pixels.setWeight(QFont::DemiBold);
  TakeDialogFont(pixels, back);
  EXPECT_EQ(back.size, 30);
  EXPECT_FALSE(back.bold) << "bold starts at weight 700";

  font.size = -5;  // only a damaged file holds that
  EXPECT_EQ(CaptionDialogFont(font).pointSize(), 1);
}
