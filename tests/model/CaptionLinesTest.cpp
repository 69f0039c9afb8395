#include <gtest/gtest.h>

#include "CaptionLines.h"

namespace {

TEST(CaptionLines, CarriageReturnsSeparateAndLineFeedsVanishWhereverTheyStand) {
  const struct {
    const char* caption;
    QStringList lines;
  } cases[] = {
      {"", {""}},
      {"Home", {"Home"}},
      {"Home\r\nNews\r\nMail", {"Home", "News", "Mail"}},
      {"a\rb", {"a", "b"}},
      {"a\nb", {"ab"}},
      {"\na\n\r\n\nb\n", {"a", "b"}},
      {"\r\n\r\n", {"", "", ""}},
      {"x\r", {"x", ""}},
      {"\r\r\n", {"", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(CaptionLines(QString::fromLatin1(c.caption)), c.lines);
    // The slot's bytes split the same way as their text.
    QList<QByteArray> bytes;
    for (const QString& line : c.lines)
      bytes << line.toLatin1();
    EXPECT_EQ(CaptionLines(QByteArray(c.caption)), bytes);
  }
}

TEST(CaptionLines, JoiningWithTheSlotsBreakSplitsBackIntoTheSameLines) {
  for (const QStringList& lines :
       {QStringList{""}, QStringList{"One"}, QStringList{"a", "", "b"}, QStringList{"", ""}}) {
    const QString caption = JoinCaptionLines(lines);
    EXPECT_EQ(CaptionLines(caption), lines) << caption.toStdString();
    EXPECT_EQ(caption.count(u'\r'), lines.size() - 1);
  }
}

}  // namespace
