#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "DesignConversion.h"
#include "EditorText.h"
#include "ShortString.h"

namespace {
// A design file's slot text as the caption the editor shows and edits.
QString captionOfSlot(const QString& slotText) {
  ButtonDesign record{};
  record.CaptionSlots[0].setText(slotText);
  return DesignOfRecord(record, CaptionFont()).captions[0].text;
}
}  // namespace

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
    EXPECT_EQ(MemoTextToSlot(captionOfSlot(slot)), slot) << slot.toStdString();
  }
}

TEST(MemoText, LoneCarriageReturnsBreakLinesAndLoneLineFeedsVanish) {
  EXPECT_EQ(captionOfSlot("a\rb"), "a\nb");
  EXPECT_EQ(captionOfSlot("a\nb"), "ab");
  EXPECT_EQ(captionOfSlot("a\n\r\nb\r"), "a\nb\n");
  EXPECT_EQ(captionOfSlot("\r\r\n"), "\n\n");
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
  EXPECT_EQ(captionOfSlot(slot.text()), fitted);
}

TEST(MemoText, EveryKindOfMemoLineBreakIsOneCaptionLineBreak) {
  const struct {
    QString memo, caption;
  } cases[] = {
      {"", ""},
      {"a\nb", "a\nb"},
      {"a\r\nb", "a\nb"},
      {"a\rb", "a\nb"},
      {QStringLiteral("a\u2029b\u2028c"), "a\nb\nc"},
      {"\r\n\r\n", "\n\n"},
      {QStringLiteral("\u0413\u043B\u0430\u0432\u043D\u0430\u044F \u9996\u9875"),
       QStringLiteral("\u0413\u043B\u0430\u0432\u043D\u0430\u044F \u9996\u9875")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MemoTextToCaption(c.memo), c.caption) << c.memo.toStdString();
}

TEST(MemoText, AnEditIsHeldToTheLimitButALongerCaptionIsNeverCut) {
  const QString x255(255, u'x');
  const QString x300(300, u'x');
  const struct {
    const char* rule;
    QString before, edited, kept;
  } cases[] = {
      {"within the limit: kept", "ab", "abc", "abc"},
      {"beyond it: cut back", x255, x255 + "y", x255},
      {"a paste beyond it: its start", "", x300, x255},
      {"a line break counts twice", QString(254, u'x'), QString(254, u'x') + "\n",
       QString(254, u'x')},
      {"a long caption shortened: kept", x300, x300.left(299), x300.left(299)},
      {"a long caption changed in place: kept", x300, "y" + x300.mid(1), "y" + x300.mid(1)},
      {"a long caption lengthened: refused", x300, x300 + "y", x300},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    EXPECT_EQ(LimitMemoEdit(c.before, c.edited), c.kept);
  }
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
