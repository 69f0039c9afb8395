#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "EditorText.h"
#include "ShortString.h"

TEST(CaptionSlotHeading, ShowsThePositionOnlyWhenMoreThanOneSlotIsInUse) {
  EXPECT_EQ(CaptionSlotHeading(0, 0), "Text");
  EXPECT_EQ(CaptionSlotHeading(1, 1), "Text (2/2)");
  EXPECT_EQ(CaptionSlotHeading(1, 2), "Text (2/3)");
  EXPECT_EQ(CaptionSlotHeading(0, 31), "Text (1/32)");
  EXPECT_EQ(CaptionSlotHeading(31, 31), "Text (32/32)");
}

TEST(MemoText, CrLfCaptionsComeBackUnchanged) {
  for (const QString& slot :
       {QStringLiteral(""), QStringLiteral("Button Text"), QStringLiteral("One\r\nTwo\r\nThree"),
        QStringLiteral("\r\n"), QStringLiteral("a\r\n\r\nb\r\n"),
        QStringLiteral("caf\u00E9\u00A0")}) {
    EXPECT_EQ(MemoTextToSlot(SlotTextToMemo(slot)), slot) << slot.toStdString();
  }
}

TEST(MemoText, LoneCarriageReturnsBreakLinesAndLoneLineFeedsVanish) {
  EXPECT_EQ(SlotTextToMemo("a\rb"), "a\nb");
  EXPECT_EQ(SlotTextToMemo("a\nb"), "ab");
  EXPECT_EQ(SlotTextToMemo("a\n\r\nb\r"), "a\nb\n");
  EXPECT_EQ(SlotTextToMemo("\r\r\n"), "\n\n");
}

TEST(MemoText, EveryKindOfMemoLineBreakBecomesCrLf) {
  EXPECT_EQ(MemoTextToSlot("a\nb"), "a\r\nb");
  EXPECT_EQ(MemoTextToSlot(QStringLiteral("a\u2029b\u2028c")), "a\r\nb\r\nc");
  EXPECT_EQ(MemoTextToSlot("a\r\nb\rc"), "a\r\nb\r\nc");
}

TEST(MemoText, TheSlotTakesTheFirst255Characters) {
  EXPECT_EQ(MemoTextToSlot(QString(255, u'x')), QString(255, u'x'));
  EXPECT_EQ(MemoTextToSlot(QString(300, u'x')), QString(255, u'x'));
  // Line breaks count twice; a cut between CR and LF keeps the CR.
  EXPECT_EQ(MemoTextToSlot(QString(254, u'x') + "\nyy"), QString(254, u'x') + "\r");
  EXPECT_EQ(MemoTextToSlot(QString(253, u'x') + "\nyy"), QString(253, u'x') + "\r\n");
  // A character outside the Basic Multilingual Plane is one character of the slot.
  const QString clef = QString::fromUtf8("\U0001D11E");
  EXPECT_EQ(MemoTextToSlot(QString(254, u'x') + clef + "y"), QString(254, u'x') + clef);
}

TEST(MemoText, FitKeepsWholeLineBreaksAndCharacters) {
  EXPECT_EQ(FitMemoText(QString(255, u'x')), QString(255, u'x'));
  EXPECT_EQ(FitMemoText(QString(256, u'x')), QString(255, u'x'));
  EXPECT_EQ(FitMemoText(QString(254, u'x') + "\n"), QString(254, u'x'));
  EXPECT_EQ(FitMemoText(QString(253, u'x') + "\nz"), QString(253, u'x') + "\n");
  EXPECT_EQ(FitMemoText("ab\ncd", 4), "ab\n");
  const QString clef = QString::fromUtf8("\U0001D11E");
  EXPECT_EQ(FitMemoText(QString(254, u'x') + clef + clef), QString(254, u'x') + clef);
  // Whatever fits the memo also fits the slot whole.
  const QString text = QString(100, u'a') + "\n" + QString(200, u'b');
  const QString fitted = FitMemoText(text);
  ShortString slot{};
  slot.setText(MemoTextToSlot(fitted));
  EXPECT_EQ(slot.length, 255);
  EXPECT_EQ(SlotTextToMemo(slot.text()), fitted);
}

TEST(FileNamePart, TakesTheTextAfterTheLastSeparatorOrDriveColon) {
  EXPECT_EQ(FileNamePart(""), "");
  EXPECT_EQ(FileNamePart("wood.bmp"), "wood.bmp");
  EXPECT_EQ(FileNamePart("/home/ann/tex/wood.bmp"), "wood.bmp");
  EXPECT_EQ(FileNamePart("C:\\Textures\\wood.jpg"), "wood.jpg");
  EXPECT_EQ(FileNamePart("C:wood.jpg"), "wood.jpg");
  EXPECT_EQ(FileNamePart("/home/ann/"), "");
}

TEST(DialogNameFilters, KeepsTheLabelsAndSpellsPatternsTheQtWay) {
  EXPECT_EQ(DialogNameFilters("All (*.jpg;*.jpeg;*.bmp;*.dib)|*.bmp;*.jpg;*.jpeg;*.dib|"
                              "All files (*.*)|*.*"),
            QStringList({"All (*.jpg;*.jpeg;*.bmp;*.dib) (*.bmp *.jpg *.jpeg *.dib)",
                         "All files (*.*) (*)"}));
  EXPECT_EQ(DialogNameFilters("Tessaro files (*.kq)|*.kq|All files|*.*"),
            QStringList({"Tessaro files (*.kq) (*.kq)", "All files (*)"}));
  EXPECT_TRUE(DialogNameFilters("").isEmpty());
}

TEST(WithDefaultSuffix, AddsTheEndingOnlyToANameWithoutOne) {
  EXPECT_EQ(WithDefaultSuffix("/home/a/nav", "JPG"), "/home/a/nav.JPG");
  EXPECT_EQ(WithDefaultSuffix("/home/a/nav.jpg", "JPG"), "/home/a/nav.jpg");
  EXPECT_EQ(WithDefaultSuffix("/home/a/nav.v2", "BMP"), "/home/a/nav.v2");
  EXPECT_EQ(WithDefaultSuffix("/home/my.buttons/nav", "kq"), "/home/my.buttons/nav.kq")
      << "a dot in a folder's name is no ending";
  EXPECT_EQ(WithDefaultSuffix("/home/a/nav", ""), "/home/a/nav");
}
