// Captions in the scripts of the world's navigation bars, each drawn by the renderer as its
// fonts shape it: ink on the button, the button as wide as the shaped text, no box for a
// character the fonts lack, and right-to-left scripts in their own order.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QTextLayout>

#include "ButtonRenderer.h"
#include "CaptionText.h"
#include "DesignFixtures.h"
#include "ImageRenderHost.h"

namespace {

struct ScriptFamily {
  const char* name;
  QFontDatabase::WritingSystem system;  // a font for it must be installed
  const char* caption;                  // UTF-8
  bool rightToLeft;
};

// Arabic and Hebrew begin with a letter that rises above the others (lam, lamed) and end
// with one that reaches below the baseline (noon, final nun), so the image tells their
// order.
const ScriptFamily kFamilies[] = {
    {"Latin1", QFontDatabase::Latin, "Café Müller Øre ßæ", false},
    {"PolishCzechTurkish", QFontDatabase::Latin, "Zażółć Příliš İstanbul ğş", false},
    {"CombiningMarks", QFontDatabase::Latin, "Cafe\u0301 n\u0303o a\u0308", false},
    {"Greek", QFontDatabase::Greek, "Καλημέρα Αρχική", false},
    {"Cyrillic", QFontDatabase::Cyrillic, "Главная Україна", false},
    {"Arabic", QFontDatabase::Arabic, "لن", true},
    {"Hebrew", QFontDatabase::Hebrew, "לאן", true},
    {"Devanagari", QFontDatabase::Devanagari, "नमस्ते मुखपृष्ठ", false},
    {"ChineseJapaneseKorean", QFontDatabase::SimplifiedChinese, "首页 ホーム 홈", false},
};

void PrintTo(const ScriptFamily& family, std::ostream* out) {
  *out << family.name;
}

class CaptionScripts : public testing::TestWithParam<ScriptFamily> {};

// Exactly the caption's text box: no border, outline or bevel; the caption in red on blue.
ButtonDesign TextBox() {
  ButtonDesign d = DefaultDesign();
  d.Antialias = 0;
  d.BorderWidth = 0;
  d.BorderHeight = 0;
  d.OutlineSize = 0;
  d.BevelSize = 0;
  d.FillKind = kSingleColour;
  d.Colour1 = MakeColour(0, 0, 255);
  d.TextColour = MakeColour(255, 0, 0);
  return d;
}

TEST_P(CaptionScripts, AreShapedSizedAndDrawnWithoutMissingGlyphs) {
  const ScriptFamily& family = GetParam();
  if (QFontDatabase::families(family.system).isEmpty()) {
    GTEST_SKIP() << "No installed font covers " << family.name
                 << " (Debian's fonts-noto-core has one); its captions would show boxes.";
  }
  const QString caption = QString::fromUtf8(family.caption);
  const CaptionFont font;
  const QFont qfont = CaptionQFont(font, 1);
  const QFontMetrics metrics(qfont);

  ImageRenderHost host;
  ButtonRenderer renderer(host);
  ASSERT_TRUE(renderer.RenderButton(TextBox(), font, caption).finished());
  const QImage& image = host.image;

  // Sized from the shaped text's advance and the font's line height.
  QTextLayout layout(caption, qfont);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  EXPECT_EQ(image.width(), qRound(line.horizontalAdvance()));
  EXPECT_EQ(image.height(), metrics.height());

  // Every glyph from a font that has it: Qt's box stands in, from no font file, for a
  // character no font holds, and index 0 is a font's own box.
  int glyphs = 0;
  for (const QGlyphRun& run : CaptionLineGlyphs(qfont, caption)) {
    EXPECT_FALSE(run.rawFont().fontTable("cmap").isEmpty()) << "a run drawn as boxes";
    for (quint32 glyph : run.glyphIndexes()) {
      EXPECT_NE(glyph, 0u);
      ++glyphs;
    }
  }
  EXPECT_GT(glyphs, 0);

  // Ink: the caption's pixels, and where the tall first letter and the low last letter of
  // a right-to-left caption stand.
  int ink = 0;
  int tallLeft = image.width(), lowRight = -1;
  const int baseline = metrics.ascent();
  const int tallBelow = baseline - qRound(1.3 * metrics.xHeight());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qRed(image.pixel(x, y)) <= qBlue(image.pixel(x, y))) continue;
      ++ink;
      if (y < tallBelow) tallLeft = std::min(tallLeft, x);
      if (y > baseline) lowRight = std::max(lowRight, x);
    }
  }
  EXPECT_GT(ink, image.width()) << "the caption is drawn";
  if (family.rightToLeft) {
    ASSERT_GE(lowRight, 0) << "the last letter reaches below the baseline";
    ASSERT_LT(tallLeft, image.width()) << "the first letter rises above the others";
    EXPECT_LT(lowRight, tallLeft) << "the first letter stands right of the last";
  }
}

INSTANTIATE_TEST_SUITE_P(Families, CaptionScripts, testing::ValuesIn(kFamilies),
                         [](const testing::TestParamInfo<ScriptFamily>& family) {
                           return std::string(family.param.name);
                         });

}  // namespace
